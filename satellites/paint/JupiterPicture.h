#pragma once

#include <array>

#include "common/paint/DrawingSurface.h"
#include "planets/paint/DiscRenderer.h"
#include "satellites/JupiterZoom.h"

// The pictures of the two Jupiter windows, drawn from a Jupiter document: the
// telescope view of the flattened disc with its background stars, the Red
// Spot outline, the Galilean satellites and their shadows; and the wide strip
// with the four satellites on both sides of a small disc. The windows and the
// command-line tool draw through here, and both get back where everything
// landed.

namespace vantorel {

class JupiterDocument;

struct GalileanSpot {
    bool drawn = false;  // painted (neither occulted nor eclipsed; a shadow on the disc)
    int x = 0;
    int y = 0;
};

struct JupiterPictureLayout {
    int width = 0, height = 0;
    int zoomLevel = 0;  // the disc view's (JupiterZoom)
    int centreX = 0, centreY = 0;
    double equatorialRadius = 0.0, polarRadius = 0.0;
    bool redSpotFacing = false;  // the spot's centre is on the visible hemisphere
    int redSpotX = 0, redSpotY = 0;
    std::array<GalileanSpot, 4> satellites{};
    std::array<GalileanSpot, 4> shadows{};  // the disc view only
};

// Longitude of the Red Spot on the stored map, System II degrees.
constexpr int kMapRedSpotLongitude = 47;

// The disc view at a zoom level of JupiterZoom: the globe's equatorial
// radius in pixels is also the satellites' scale per Jupiter radius.
// Computes the satellites at the document's instant (no row is recorded).
JupiterPictureLayout paintJupiterPicture(DrawingSurface& s, JupiterDocument& doc,
                                         DiscRenderer& renderer,
                                         int level = JupiterZoom::kDefaultLevel);

// The strip: k = 1883000 km / (width - 6) per pixel, the disc a circle of
// (142984 div k) div 4 pixels, the satellites at the same scale so that
// Callisto's mean distance spans half the width less 3 pixels. The legend is
// left out when printing.
JupiterPictureLayout paintJupiterStrip(DrawingSurface& s, JupiterDocument& doc, bool printing);

// The 20 background stars: the same places at every paint, set only on black.
void sprinkleStars(DrawingSurface& s);

}  // namespace vantorel
