#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

// Where the program's small windows (the Moon's phase table and Lunar X
// list) open: filled and sized first, then placed wholly on the screen and
// clear of the data dialog, so no column ends beyond an edge.

namespace vantorel {

// The top-left corner for a window whose frame is `frame` big: `wanted`
// when it fits, else moved inside `available`; when it would then cover
// `avoid`, the nearest place beside it (below, above, left or right) that
// stays inside. A screen too small for both keeps the window on the screen.
QPoint toolWindowPosition(QSize frame, const QRect& available, const QRect& avoid, QPoint wanted);

// Moves the filled and sized `window` so its frame lands as above on the
// screen of its parent (or the primary one); `wanted` gives the place asked
// for from the frame's size and the whole screen, `avoid` is in screen
// coordinates too.
void placeToolWindow(QWidget* window, const std::function<QPoint(QSize frame, QRect screen)>& wanted,
                     const QRect& avoid);

}  // namespace vantorel
