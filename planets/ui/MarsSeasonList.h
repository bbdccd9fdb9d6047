#pragma once

#include <QDialog>
#include <QListWidget>
#include <QStringList>

class QLabel;

// The list of the beginnings of the Martian seasons: one modeless window for
// the whole program, owned by the Mars window that first showed it. Later
// searches refill it in place; closing it only hides it.

namespace vantorel {

class MarsSeasonListWidget : public QListWidget {
    Q_OBJECT
public:
    explicit MarsSeasonListWidget(QWidget* parent = nullptr);
};

class MarsSeasonList : public QDialog {
    Q_OBJECT
public:
    // The open list window; nullptr before the first search or after its
    // owner closed.
    static MarsSeasonList* current();
    // Shows `lines` in the list window: made (owned by `owner`, at its place
    // on the screen) when none exists, else refilled where it stands.
    static MarsSeasonList* showLines(QWidget* owner, int language, const QStringList& lines);

    MarsSeasonListWidget* list() const { return list_; }
    const QStringList& lines() const { return lines_; }
    QLabel* dateHeading() const { return dateHeading_; }
    QLabel* seasonHeading() const { return seasonHeading_; }
    // Where the window opens: 10 pixels from the screen's right edge, 435 down.
    static QPoint placement(int screenWidth, int clientWidth);

private:
    MarsSeasonList(int language, QWidget* owner);
    void fill(const QStringList& lines);

    MarsSeasonListWidget* list_ = nullptr;
    QLabel* dateHeading_ = nullptr;
    QLabel* seasonHeading_ = nullptr;
    QStringList lines_;
};

}  // namespace vantorel
