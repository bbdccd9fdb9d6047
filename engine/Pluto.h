#pragma once

#include "engine/Planet.h"
#include "engine/PlanetConstants.h"

namespace vantorel {

// Pluto has no VSOP87 theory: its astrometric J2000 place comes from its own
// series (PlutoPosition), so the theory slots do nothing.
class Pluto : public PlanetConstants, public Planet {
public:
    void initConstants() override {}
    void computeHeliocentric(double) override {}
    void computeElements(double) override {}
    // PlutoPosition, then computePlutoPhysical.
    void computePhysical(DateTime& dt, const EarthSun& earthSun) override;

    // Heliocentric and geocentric place (astrometric J2000): L (radians), r,
    // Delta, RA and Dec and their display splits.
    void PlutoPosition(const DateTime& dt);
    void computePlutoPhysical(const DateTime& dt, const EarthSun& earthSun);

    double helioLatitude = 0;  // radians
    // Heliocentric and geocentric equatorial J2000 coordinates, AU.
    double xHelio = 0, yHelio = 0, zHelio = 0;
    double xi = 0, eta = 0, zeta = 0;
};

}  // namespace vantorel
