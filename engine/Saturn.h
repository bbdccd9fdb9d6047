#pragma once

#include "engine/Planet.h"
#include "engine/PlanetConstants.h"

namespace vantorel {

class Saturn : public PlanetConstants, public Planet {
public:
    Saturn() { Saturn::initConstants(); }
    void initConstants() override;
    void computeHeliocentric(double t) override;
    void computeElements(double T) override;
    void computePhysical(DateTime& dt, const EarthSun& earthSun) override;

    double ringInclination = 0;  // i, radians
    double ringNode = 0;         // Omega, radians
    double ringTilt = 0;         // B, seen from the Earth, radians
    double ringTiltSun = 0;      // B', seen from the Sun, radians
    double deltaU = 0;           // degrees, 0-90
    // 1 when the Earth and the Sun light the same face of the rings.
    int sameSide = 0;
    double poleRa = 0, planetRa = 0, poleDec = 0, planetDec = 0;  // radians
};

// Acute difference of two ring longitudes (radians) in degrees, 0..90: both
// come from arctangents, which may sit half a turn apart.
double ringLongitudeDifference(double u1, double u2);

}  // namespace vantorel
