#pragma once

#include <QImage>
#include <QPointer>

#include "common/ui/ChildView.h"
#include "moon/MoonDocument.h"
#include "moon/paint/MoonPicture.h"
#include "planets/TimeStepKeys.h"
#include "planets/paint/DiscRenderer.h"

// The Moon window: the face with its librations, the telescope projection and
// the terminator, kept in a picture redrawn only when the document asks; the
// time keys; the data panel; and the commands that open the phase table and
// the Lunar X list.

namespace vantorel {

struct ViewContext;
class MoonPhaseTable;
class LunarXList;

class MoonView : public ChildView {
    Q_OBJECT
public:
    explicit MoonView(const ViewContext& context);
    ~MoonView() override;

    MoonDocument& document() { return doc_; }
    const QImage& picture() const { return picture_; }
    // The disc radius in pixels.
    int zoom() const { return zoom_; }
    void zoomIn();
    void zoomOut();

    void activated(bool active) override;
    bool onCommand(int id) override;
    std::optional<CommandState> commandState(int id) const override;
    void onRecomputeDate() override;
    void onRecomputeZone() override;
    void onSettingsChanged() override;
    void onLanguageChanged() override;
    const DateTime* printedDate() const override { return &doc_.dateTime; }
    // The window's picture as it shows it, for paper and files.
    bool printable() const override { return true; }
    QImage printPicture() override { return grab().toImage(); }

    // The two windows of the application, while they are open.
    static MoonPhaseTable* phaseTable();
    static LunarXList* lunarXList();
    void openPhaseTable();
    void openLunarXList();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dateChangedByDialog() override;

private:
    bool takeProjection();
    void fillLunarXList();
    void changed();

    MoonDocument doc_;
    DiscRenderer renderer_;
    QImage picture_;
    TimeStepKeys keys_{TimeStepKeys::Rule::ClearAfterThreeDigits};
    int zoom_ = static_cast<int>(kMoonDiscRadius);
    // Month and year before the date dialog, to tell a change of month.
    double monthBefore_ = 0;
    double yearBefore_ = 0;
};

}  // namespace vantorel
