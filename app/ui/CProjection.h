#pragma once

#include <QDialog>

class QCheckBox;

// The telescope projection: flip horizontally, vertically, or both.

namespace vantorel {

class CProjection : public QDialog {
    Q_OBJECT
public:
    CProjection(int language, int code, QWidget* parent = nullptr);
    int code() const;
    QCheckBox* horizontalBox() const { return horizontal_; }
    QCheckBox* verticalBox() const { return vertical_; }

private:
    QCheckBox* horizontal_ = nullptr;
    QCheckBox* vertical_ = nullptr;
};

}  // namespace vantorel
