#pragma once

#include <QDialog>

class QLineEdit;

// Asks for the central longitude whose time the Mars window looks for. The
// range check and the message belong to the caller, which opens the dialog
// again after a refused entry.

namespace vantorel {

class CentralLongitudeDialog : public QDialog {
    Q_OBJECT
public:
    explicit CentralLongitudeDialog(int language, QWidget* parent = nullptr);
    // The number typed; -1 when the text is no whole number.
    long long value() const;
    QLineEdit* field() const { return field_; }

private:
    QLineEdit* field_ = nullptr;
};

}  // namespace vantorel
