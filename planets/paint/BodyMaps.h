#pragma once

#include <QImage>

// The pictures stored with the program: the 360 x 180 body maps in the layout
// DiscRenderer::paintMap reads (row 0 at the south pole) and the cursor.

namespace vantorel {

enum class BodyMap { Mercury, Venus, Mars, Jupiter, Uranus, Moon };

// The map in 32-bit RGB, loaded once; a null image if the resource is missing.
const QImage& bodyMap(BodyMap which);

// The program's own cursor picture (32 x 32, hot spot at its centre).
QImage programCursorImage();
constexpr int kProgramCursorHotSpot = 16;

}  // namespace vantorel
