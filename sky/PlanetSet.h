#pragma once

#include "engine/JUPITER.h"
#include "engine/MARS.h"
#include "engine/MERCURE.h"
#include "engine/NEPTUNE.h"
#include "engine/PLUTON.h"
#include "engine/SATURNE.h"
#include "engine/URANUS.h"
#include "engine/VENUS.h"

// The eight planets the sky chart and the heliocentric view show, computed
// together for one instant.

namespace vantorel {

class DATE_TIME;
class EARTH_SUN;

// A colour of the charts, as an RGB triple.
struct ChartColour {
    int r = 0, g = 0, b = 0;
    constexpr bool operator==(const ChartColour&) const = default;
};

struct PlanetSet {
    // With the record's date and nutation and the Earth/Sun computed:
    // computePosition and the physical operation of Mercury to Neptune, then
    // Pluto's own series (PlutoPosition and its physical data).
    void compute(DATE_TIME& dt, const EARTH_SUN& earthSun);

    MERCURE mercure;
    VENUS venus;
    MARS mars;
    JUPITER jupiter;
    SATURNE saturne;
    URANUS uranus;
    NEPTUNE neptune;
    PLUTON pluton;
};

}  // namespace vantorel
