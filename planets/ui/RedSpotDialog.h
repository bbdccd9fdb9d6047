#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;

// The Red Spot reference: one whole longitude of System II, 0..359. The
// dialog takes what is typed; its window refuses a value outside that range
// (or not a number) with a beep and a message and opens it again.

namespace vantorel {

class RedSpotDialog : public QDialog {
    Q_OBJECT
public:
    RedSpotDialog(int longitude, int language, QWidget* parent = nullptr);
    QLineEdit* field() const { return field_; }
    // The longitude typed, when it is a whole number from 0 to 359.
    std::optional<int> longitude() const;

    // Asks until a valid entry or Cancel; the accepted longitude, or nothing.
    static std::optional<int> ask(int current, int language, QWidget* parent);

private:
    QLineEdit* field_ = nullptr;
};

}  // namespace vantorel
