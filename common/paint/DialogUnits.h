#pragma once

#include <QRect>

// Dialog units of the program's dialog font: a quarter of the average
// character width across, an eighth of the character height down. The
// layouts were drawn for a 6 x 13 pixel font; keeping those base units keeps
// the pixel-placed drawings of the data dialog inside their frames whatever
// font the platform lends. Windows and pictures of dialogs share them.

namespace vantorel {

constexpr int kDialogBaseX = 6;
constexpr int kDialogBaseY = 13;
// Rounded to the nearest pixel, halves up.
inline int dialogX(int units) { return (units * kDialogBaseX + 2) / 4; }
inline int dialogY(int units) { return (units * kDialogBaseY + 4) / 8; }
inline QRect dialogRect(int x, int y, int w, int h) {
    return QRect(dialogX(x), dialogY(y), dialogX(w), dialogY(h));
}

}  // namespace vantorel
