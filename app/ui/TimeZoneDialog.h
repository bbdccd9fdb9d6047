#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "common/settings/TimeZoneChoice.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

// The time zone: a named zone of the system's tz database, found by typing
// part of its name, whose offset follows summer time; or a fixed offset,
// East or West of Greenwich and one of the sizes, those that exist only east
// disabled while West is chosen.

namespace vantorel {

class ZoneNameList;

class TimeZoneDialog : public QDialog {
    Q_OBJECT
public:
    // `zones`: the names to offer; an empty or unread list leaves the fixed
    // offsets alone, with a word saying why.
    TimeZoneDialog(int language, const ZoneChoice& shown, const ZoneNameList& zones,
                   QWidget* parent = nullptr);
    // A fixed offset only, as before there were names.
    TimeZoneDialog(int language, const ZoneChoice& shown, QWidget* parent = nullptr);
    ~TimeZoneDialog() override;

    // A named zone when that side is chosen and a name is selected, else the
    // fixed offset.
    ZoneChoice choice() const;
    QRadioButton* sizeRadio(int index) const { return sizes_[index]; }
    QRadioButton* eastRadio() const { return east_; }
    QRadioButton* westRadio() const { return west_; }
    QRadioButton* namedRadio() const { return named_; }
    QRadioButton* fixedRadio() const { return fixed_; }
    QLineEdit* searchField() const { return search_; }
    QListWidget* nameList() const { return names_; }

private:
    void sideChanged();
    void kindChanged();
    void searchChanged();

    const ZoneNameList* zones_ = nullptr;
    std::string shownName_;
    QRadioButton* named_ = nullptr;
    QRadioButton* fixed_ = nullptr;
    QLineEdit* search_ = nullptr;
    QListWidget* names_ = nullptr;
    QWidget* fixedGroup_ = nullptr;
    QRadioButton* east_ = nullptr;
    QRadioButton* west_ = nullptr;
    QRadioButton* sizes_[kZoneSizeCount] = {};
};

}  // namespace vantorel
