#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;

// The telescope projection: flip horizontally, vertically, or both.

namespace vantorel {

class ProjectionDialog : public QDialog {
    Q_OBJECT
public:
    ProjectionDialog(int language, int code, QWidget* parent = nullptr);
    int code() const;
    QCheckBox* horizontalBox() const { return horizontal_; }
    QCheckBox* verticalBox() const { return vertical_; }
    // The line naming the instrument the ticked boxes match.
    QLabel* instrumentNote() const { return note_; }

private:
    void showInstrument();

    int language_;
    QLabel* note_ = nullptr;
    QCheckBox* horizontal_ = nullptr;
    QCheckBox* vertical_ = nullptr;
};

}  // namespace vantorel
