#pragma once

#include "engine/Jupiter.h"
#include "engine/Mars.h"
#include "engine/Mercury.h"
#include "engine/Neptune.h"
#include "engine/Pluto.h"
#include "engine/Saturn.h"
#include "engine/Uranus.h"
#include "engine/Venus.h"

// The eight planets the sky chart and the heliocentric view show, computed
// together for one instant.

namespace vantorel {

class DateTime;
class EarthSun;

// A colour of the charts, as an RGB triple.
struct ChartColour {
    int r = 0, g = 0, b = 0;
    constexpr bool operator==(const ChartColour&) const = default;
};

struct PlanetSet {
    // With the record's date and nutation and the Earth/Sun computed:
    // computePosition and the physical operation of Mercury to Neptune, then
    // Pluto's own series (PlutoPosition and its physical data).
    void compute(DateTime& dt, const EarthSun& earthSun);

    Mercury mercury;
    Venus venus;
    Mars mars;
    Jupiter jupiter;
    Saturn saturn;
    Uranus uranus;
    Neptune neptune;
    Pluto pluto;
};

}  // namespace vantorel
