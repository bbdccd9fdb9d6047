#pragma once

#include "planets/paint/DiscRenderer.h"

// The picture of the Moon window: the face from the Moon map, turned by the
// librations and the telescope projection, with the night side shaded.

namespace vantorel {

class CLuneDoc;

// Disc radius of the Moon window, pixels.
constexpr float kMoonDiscRadius = 100.0f;

// Paints the whole surface (black, or white when printing).
void paintMoonPicture(DrawingSurface& s, const CLuneDoc& doc, DiscRenderer& renderer);

}  // namespace vantorel
