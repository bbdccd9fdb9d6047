#pragma once

#include "planets/paint/DiscRenderer.h"
#include "common/text/LanguageText.h"
#include "satellites/SaturnMoonSet.h"

// The picture of the Saturn window: the globe as a yellow ellipse with its
// rings and equator, the eight moons in their colours and the legend. The
// window and the command-line tool draw through here, and both read back
// what was drawn where.

namespace vantorel {

struct SaturnSatDrawing {
    int centreX = 0, centreY = 0;
    int discRadiusX = 0;     // equatorial radius, pixels
    double discRadiusY = 0;  // polar radius, pixels
    double kmPerPixel = 0;
    int moonX[kSaturnSatellites] = {};
    int moonY[kSaturnSatellites] = {};
    // False for a moon outside the picture or hidden behind the globe.
    bool moonDrawn[kSaturnSatellites] = {};
    // Where each name of the legend starts, and where the last one ends.
    int legendX[kSaturnSatellites] = {};
    int legendRight = 0;
};

// The colour of moon i (0 Mimas .. 7 Iapetus).
Rgb saturnMoonColour(int i);

// Draws the whole surface for zoom level 0..7 (the moon whose orbit spans
// half the width) and the projection code, the legend in `language`.
SaturnSatDrawing paintSaturnSatPicture(DrawingSurface& s, const SaturnMoonSet& moons,
                                       DiscRenderer& renderer, int zoomLevel, int projection,
                                       int language = kEnglish);

}  // namespace vantorel
