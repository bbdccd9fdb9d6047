#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "common/settings/SiteChoice.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The observing site picked from the list of cities: the list narrows as one
// types (case and accents ignored, "Name, Country" narrows it further) and
// shows each city's region, country, coordinates and zone. OK takes the city;
// "Enter the coordinates by hand" leaves the list for the latitude dialog.
// Without a readable list the dialog says so and offers only the latter.

namespace vantorel {

class CityCatalogue;
struct City;

class SiteDialog : public QDialog {
    Q_OBJECT
public:
    // The result of exec() when the coordinates are to be typed.
    static constexpr int kByHand = 2;

    // `listName` names the list in the message when it cannot be read.
    SiteDialog(int language, const CityCatalogue& cities, const std::string& listName,
               QWidget* parent = nullptr);

    // What the dialog ended with (after exec).
    SiteAnswer answer() const;
    QLineEdit* searchField() const { return search_; }
    QTreeWidget* cityList() const { return list_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* byHandButton() const { return byHand_; }
    QLabel* messageLabel() const { return message_; }

private:
    void searchChanged();

    const CityCatalogue& cities_;
    int language_ = 0;
    std::vector<const City*> shown_;
    QLineEdit* search_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QLabel* message_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* byHand_ = nullptr;
};

}  // namespace vantorel
