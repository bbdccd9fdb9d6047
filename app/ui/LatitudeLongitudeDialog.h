#pragma once

#include <QDialog>

#include "common/settings/LatitudeEntry.h"

class QLineEdit;
class QRadioButton;

// The site latitude: whole degrees, whole minutes, North or South; and the
// longitude the same way with East or West, left empty when the time zone is
// to stand in for it.

namespace vantorel {

class LatitudeLongitudeDialog : public QDialog {
    Q_OBJECT
public:
    // `lastError` tells which entry gets the focus: the minutes after a
    // minutes message, else the degrees.
    LatitudeLongitudeDialog(int language, const LatitudeEntry& shown, LatitudeCheck lastError,
             QWidget* parent = nullptr);
    // The entries as typed; text that is no whole number reads as -1, which
    // the check refuses. Both longitude fields empty: no longitude; one of
    // them empty reads as 0.
    LatitudeEntry entry() const;
    QLineEdit* degreesField() const { return degrees_; }
    QLineEdit* minutesField() const { return minutes_; }
    QRadioButton* southRadio() const { return south_; }
    QLineEdit* longitudeDegreesField() const { return lonDegrees_; }
    QLineEdit* longitudeMinutesField() const { return lonMinutes_; }
    QRadioButton* westRadio() const { return west_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* degrees_ = nullptr;
    QLineEdit* minutes_ = nullptr;
    QRadioButton* north_ = nullptr;
    QRadioButton* south_ = nullptr;
    QLineEdit* lonDegrees_ = nullptr;
    QLineEdit* lonMinutes_ = nullptr;
    QRadioButton* east_ = nullptr;
    QRadioButton* west_ = nullptr;
    LatitudeCheck lastError_;
};

}  // namespace vantorel
