#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

// Where the program's small windows (the data dialog, the Moon's phase
// table and Lunar X list, the phenomena list, the seasons of Mars) open:
// filled and sized first, then placed wholly on the screen and clear of the
// other small windows already open, so none covers another and no column
// ends beyond an edge.

namespace vantorel {

// The top-left corner for a window whose frame is `frame` big: `wanted`
// when it fits, else moved inside `available`; when it would then cover one
// of `avoid`, the nearest place beside them (below, above, left or right)
// that stays inside and covers none. When no such place exists, the one
// covering the least of them, on the screen.
QPoint toolWindowPosition(QSize frame, const QRect& available, const QList<QRect>& avoid, QPoint wanted);
QPoint toolWindowPosition(QSize frame, const QRect& available, const QRect& avoid, QPoint wanted);

// Marks `window` as one of the small windows the others keep clear of.
void markToolWindow(QWidget* window);
// The frames, in screen coordinates, of the marked windows now shown, but
// `except`.
QList<QRect> shownToolWindowFrames(const QWidget* except = nullptr);

// Marks the filled and sized `window` and moves it so its frame lands as
// above on the screen of its parent (or the primary one), clear of every
// other small window shown and of `avoid`; `wanted` gives the place asked
// for from the frame's size and the whole screen, `avoid` is in screen
// coordinates too.
void placeToolWindow(QWidget* window, const std::function<QPoint(QSize frame, QRect screen)>& wanted,
                     const QRect& avoid = QRect());

}  // namespace vantorel
