#pragma once

#include <QDialog>

class QRadioButton;

// The date display format: four orders of year, month and day.

namespace vantorel {

class DateFormatDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kControls[4] = {1142, 1143, 1000, 1001};
    DateFormatDialog(int language, int selected, QWidget* parent = nullptr);
    // 0..3, or -1 when no radio is on.
    int selection() const;
    QRadioButton* radio(int format) const { return radios_[format]; }

private:
    QRadioButton* radios_[4] = {};
};

}  // namespace vantorel
