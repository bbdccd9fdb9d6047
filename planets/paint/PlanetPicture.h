#pragma once

#include <vector>

#include "planets/paint/BodyMaps.h"
#include "planets/paint/DiscRenderer.h"

// The picture of a planet window, drawn from its document: the disc painted
// from the body's map as the telescope shows it (shaded for Mercury and
// Venus), and the satellites of Mars and Uranus beside it. The windows and
// the command-line tool draw through here.

namespace vantorel {

class PlanetDocument;

struct PlanetStyle {
    int rendererKind;
    BodyMap map;
    bool showsPhase;  // Mercury and Venus
    // Mars: the night side is darkened around the disc turned by its pole,
    // toward the Sun's true direction.
    bool shadesNightSide = false;
};

// The style of the document's body (by its title entry).
PlanetStyle planetStyle(const PlanetDocument& doc);

// Where a satellite was drawn, for the clicks on it.
struct SatelliteSpot {
    int index = 0;  // into the document's satellites
    int x = 0;
    int y = 0;
    bool approximate = false;  // placed by a model, not by a fitted record
};

// Paints the whole surface: background (black, white when the renderer's
// whiteBackground is set), the disc of radius `radius` at the centre, the
// satellites. Returns the satellites' screen places.
std::vector<SatelliteSpot> paintPlanetPicture(DrawingSurface& s, const PlanetDocument& doc,
                                              DiscRenderer& renderer, float radius);

// Draws the document's satellites (Mars, Uranus) around the centre of the
// surface for a disc of `radius` pixels; returns where they were drawn.
std::vector<SatelliteSpot> drawSatellites(DrawingSurface& s, const PlanetDocument& doc, float radius);

}  // namespace vantorel
