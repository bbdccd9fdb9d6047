#pragma once

#include "engine/DATA_INIT_VAR.h"
#include "engine/PLANETE.h"

namespace vantorel {

// Pluto has no VSOP87 theory: its astrometric J2000 place comes from its own
// series (PlutoPosition), so the theory slots do nothing.
class PLUTON : public DATA_INIT_VAR, public PLANETE {
public:
    void initConstants() override {}
    void computeHeliocentric(double) override {}
    void computeElements(double) override {}
    // PlutoPosition, then computePlutoPhysical.
    void computePhysical(DATE_TIME& dt, const EARTH_SUN& earthSun) override;

    // Heliocentric and geocentric place (astrometric J2000): L (radians), r,
    // Delta, RA and Dec and their display splits.
    void PlutoPosition(const DATE_TIME& dt);
    void computePlutoPhysical(const DATE_TIME& dt, const EARTH_SUN& earthSun);

    double helioLatitude = 0;  // radians
    // Heliocentric and geocentric equatorial J2000 coordinates, AU.
    double xHelio = 0, yHelio = 0, zHelio = 0;
    double xi = 0, eta = 0, zeta = 0;
};

}  // namespace vantorel
