#pragma once

#include <QDialog>

#include "common/settings/TimeZoneChoice.h"

class QRadioButton;

// The time zone: East or West of Greenwich and one of twenty sizes; the sizes
// that exist only east are disabled while West is chosen.

namespace vantorel {

class TimeZoneDialog : public QDialog {
    Q_OBJECT
public:
    TimeZoneDialog(int language, const ZoneChoice& shown, QWidget* parent = nullptr);
    ZoneChoice choice() const;
    QRadioButton* sizeRadio(int index) const { return sizes_[index]; }
    QRadioButton* eastRadio() const { return east_; }
    QRadioButton* westRadio() const { return west_; }

private:
    void sideChanged();

    QRadioButton* east_ = nullptr;
    QRadioButton* west_ = nullptr;
    QRadioButton* sizes_[kZoneSizeCount] = {};
};

}  // namespace vantorel
