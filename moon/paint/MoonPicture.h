#pragma once

#include "planets/paint/DiscRenderer.h"

// The picture of the Moon window: the face from the Moon map, turned by the
// librations and the telescope projection, with the night side shaded.

namespace vantorel {

class MoonDocument;

// Disc radius of the Moon window, pixels: the default and the zoom's range
// and step.
constexpr float kMoonDiscRadius = 100.0f;
constexpr int kMoonMinZoom = 60;
constexpr int kMoonMaxZoom = 200;
constexpr int kMoonZoomStep = 20;

// Paints the whole surface (black, or white when printing) with a disc of
// `radius` pixels.
void paintMoonPicture(DrawingSurface& s, const MoonDocument& doc, DiscRenderer& renderer,
                      float radius = kMoonDiscRadius);

}  // namespace vantorel
