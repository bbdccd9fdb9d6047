#pragma once

#include <QDialog>
#include <QListWidget>
#include <QStringList>

class QLabel;

// The next conjunctions, oppositions and greatest elongations of a planet, in
// a modal list under the two headings "Date/Time" and "Phenomena".

namespace vantorel {

class DateTime;

// The list box of the dialog: one line per event, in a fixed-pitch font so
// the columns of the lines stand under the headings.
class ConjunctionListWidget : public QListWidget {
    Q_OBJECT
public:
    explicit ConjunctionListWidget(QWidget* parent = nullptr);
};

class ConjunctionDialog : public QDialog {
    Q_OBJECT
public:
    // `lines`: the search's lines, shown in order.
    ConjunctionDialog(int language, const QStringList& lines, QWidget* parent = nullptr);

    ConjunctionListWidget* list() const { return list_; }
    QLabel* dateHeading() const { return dateHeading_; }
    QLabel* eventHeading() const { return eventHeading_; }

    // What the planet windows call: searches the next phenomena of the planet
    // (a first table row of ConjunctionSearch) from the window's date, with the
    // wait cursor, then shows the dialog until the user closes it.
    static void showForPlanet(QWidget* parent, const DateTime& dt, int planetIndex,
                              int language, int dateFormat);
    // The search's lines, as the dialog lists them.
    static QStringList searchLines(const DateTime& dt, int planetIndex, int language,
                                   int dateFormat);

private:
    ConjunctionListWidget* list_ = nullptr;
    QLabel* dateHeading_ = nullptr;
    QLabel* eventHeading_ = nullptr;
};

}  // namespace vantorel
