#pragma once

#include <QDialog>
#include <QHash>

#include <vector>

#include "common/paint/ComparativeDiscs.h"
#include "common/paint/DataPanelLayout.h"

class QLabel;

// The data panel of the body windows: one modeless window at the right edge
// of the screen with the figures of the body looked at, and three discs that
// compare its apparent diameter now with its largest and smallest.

namespace vantorel {

class DataDialog : public QDialog {
    Q_OBJECT
public:
    // Client size in dialog units.
    static constexpr int kWidthUnits = DataPanelLayout::kWidthUnits;
    static constexpr int kHeightUnits = DataPanelLayout::kHeightUnits;

    DataDialog(int language, QWidget* parent = nullptr);

    // The text control of a number of the layout (1009, 1027 .. 1049, 1100,
    // 1101, 1102 .. 1104); nullptr for any other number.
    QLabel* control(int id) const { return controls_.value(id, nullptr); }
    void setControlText(int id, const QString& text);
    QString controlText(int id) const;

    // The dialog's own texts in `language`; the body's figures come again
    // from the active window.
    void retranslate(int language);

    void setDiameters(const ComparativeDiameters& d);
    const ComparativeDiameters& diameters() const { return diameters_; }

    // Every text control with its text and place, for pairing the labels
    // with their figures.
    std::vector<PlacedText> placedTexts() const;

    // Top-left corner at the right edge of a screen of that width.
    static QPoint placement(int screenWidth, int clientWidth);
    // The picture behind the controls: background, discs and legend.
    QImage renderBackground() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Places the texts for their widths (DataPanelLayout::fit).
    void fitTexts();

    QHash<int, QLabel*> controls_;
    int fittedWidth_ = 0;
    ComparativeDiameters diameters_;
};

}  // namespace vantorel
