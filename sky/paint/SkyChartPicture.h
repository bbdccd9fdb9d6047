#pragma once

#include <string>
#include <vector>

#include "common/paint/DrawingSurface.h"
#include "sky/SkyChartMapping.h"

// The sky chart's picture: ecliptic, equator, constellation figures and stars
// read from the catalogues, ticks and labels, and the Sun, Moon and planets
// with their marks and labels. The window, the printer and the command-line
// tool draw through here.

namespace vantorel {

class SkyChartDocument;

// Where the catalogues are read from; a missing file leaves its layer out.
struct SkyCatalogues {
    std::string figures;  // const.dat
    std::string stars;    // etoiles.dat
    // data/const.dat and data/etoiles.dat of the data directory.
    static SkyCatalogues standard();
};

// What the chart drew, for tests and the command-line tool's description.
struct SkyChartDescription {
    struct Mark {
        std::string label;
        int x = 0, y = 0;            // the mark's box corner: the body's place
        int labelX = 0, labelY = 0;  // the label's top-left
        int labelWidth = 0, labelHeight = 0;
        Rgb labelColour;
        double raDeg = 0, decDeg = 0;
    };
    SkyChartMapping mapping;
    std::vector<Mark> bodies;
    // The constellations' names: the figure's mean place (x, y) and the
    // name's box.
    struct Name {
        std::string name;
        int x = 0, y = 0;
        int left = 0, top = 0, width = 0, height = 0;
        double raDeg = 0, decDeg = 0;
    };
    std::vector<Name> constellations;
    int stars = 0;
    int figureSegments = 0;
    // The horizon, a point for each column it crosses inside the chart; the
    // sky beyond it is darkened.
    struct Point {
        int x = 0, y = 0;
    };
    std::vector<Point> horizon;
    // The meridian: the column of the local sidereal time.
    double siderealTimeDeg = 0;
    int meridianX = 0;
};

// Draws the whole chart over the surface, with the mapping of the surface's
// size and the site's latitude.
SkyChartDescription paintSkyChart(DrawingSurface& s, const SkyChartDocument& doc, float latitudeDeg,
                                  const SkyCatalogues& catalogues = SkyCatalogues::standard());

// The body whose mark or label is at (x, y), or the mark nearest it within a
// few pixels: its index in the description; -1 for none.
int skyBodyAt(const SkyChartDescription& d, int x, int y);

// Luminance (0..255) a label on the black chart reaches at least.
inline constexpr double kReadableLuminance = 128.0;
// The colour lightened toward white until it reads on black; a light colour
// comes back as it is.
Rgb readableOnBlack(Rgb colour);

// The ecliptic's place at longitude `lambdaDeg` for the obliquity `epsilonRad`:
// right ascension (0..360) and declination, degrees.
void eclipticPlace(double lambdaDeg, double epsilonRad, double& raDeg, double& decDeg);

}  // namespace vantorel
