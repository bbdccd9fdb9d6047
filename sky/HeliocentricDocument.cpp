#include "sky/HeliocentricDocument.h"

#include <cmath>


namespace vantorel {

namespace {

struct OrbitRow {
    long long semiMajorAxisKm;
    int dx, dy;  // the circle's centre from (X, X)
};
// Mercury, Venus, Earth, Mars, Jupiter. The small offsets keep the circles
// from touching where the scale crowds them.
constexpr OrbitRow kOrbits[HelioLayout::kCircleCount] = {
    {57900000, 10, 0}, {108200000, 6, 1}, {149600000, 5, 0}, {227900000, 1, -2}, {778300000, 0, 0},
};
constexpr long long kJupiterKm = 778300000;

}  // namespace

HelioLayout HelioLayout::forWidth(int width) {
    HelioLayout l;
    l.X = width / 2;
    // Jupiter's circle fills the width less a 10-pixel margin on each side.
    // A window 20 pixels wide or less has no room: one km per pixel keeps the
    // division defined and draws the circles off the picture.
    const long long room = static_cast<long long>(width) - 20;
    l.K = room > 0 ? static_cast<int>(kJupiterKm / room) : 1;
    if (l.K < 1) l.K = 1;
    for (int i = 0; i < kCircleCount; ++i) {
        const long long r = (kOrbits[i].semiMajorAxisKm / l.K) / 2;
        l.circles[static_cast<std::size_t>(i)] =
            HelioCircle{l.X + kOrbits[i].dx, l.X + kOrbits[i].dy,
                        static_cast<int>(r > 1000000 ? 1000000 : r)};
    }
    return l;
}

void HelioLayout::place(const HelioCircle& c, double longitudeRad, int& x, int& y) {
    const double a = longitudeRad + 1.570796;
    x = static_cast<int>(c.cx + c.r * std::sin(a));
    y = static_cast<int>(c.cy + c.r * std::cos(a));
}

std::array<HelioBody, HeliocentricDocument::kBodyCount> HeliocentricDocument::bodies() const {
    const PlanetSet& p = planets;
    return {{
        {{"Mercury", "Mercure", "Mercurio"}, {192, 192, 192}, {192, 192, 192}, p.mercury.L, 0},
        {{"Venus", "Vénus", "Venus"}, {0, 255, 255}, {0, 255, 255}, p.venus.L, 1},
        {{"Earth", "Terre", "Tierra"}, {0, 0, 255}, {0, 0, 255}, earthSun.earthL, 2},
        {{"Mars", "Mars", "Marte"}, {255, 0, 0}, {255, 0, 0}, p.mars.L, 3},
        {{"J", "J", "J"}, {255, 255, 0}, {255, 255, 0}, p.jupiter.L, 4},
        {{"S", "S", "S"}, {255, 0, 255}, {255, 0, 255}, p.saturn.L, 4},
        {{"U", "U", "U"}, {128, 0, 128}, {128, 0, 128}, p.uranus.L, 4},
        {{"N", "N", "N"}, {0, 128, 128}, {0, 160, 221}, p.neptune.L, 4},
        {{"P", "P", "P"}, {128, 128, 128}, {128, 128, 128}, p.pluto.L, 4},
    }};
}


}  // namespace vantorel
