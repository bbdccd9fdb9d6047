#pragma once

#include <QDialog>

#include "app/LatitudeEntry.h"

class QLineEdit;
class QRadioButton;

// The site latitude: whole degrees, whole minutes, North or South.

namespace vantorel {

class CLongLat : public QDialog {
    Q_OBJECT
public:
    // `lastError` tells which entry gets the focus: the minutes after a
    // minutes message, else the degrees.
    CLongLat(int language, const LatitudeEntry& shown, LatitudeCheck lastError,
             QWidget* parent = nullptr);
    // The entries as typed; text that is no whole number reads as -1, which
    // the check refuses.
    LatitudeEntry entry() const;
    QLineEdit* degreesField() const { return degrees_; }
    QLineEdit* minutesField() const { return minutes_; }
    QRadioButton* southRadio() const { return south_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* degrees_ = nullptr;
    QLineEdit* minutes_ = nullptr;
    QRadioButton* north_ = nullptr;
    QRadioButton* south_ = nullptr;
    LatitudeCheck lastError_;
};

}  // namespace vantorel
