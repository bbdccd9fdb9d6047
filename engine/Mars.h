#pragma once

#include "engine/Planet.h"
#include "engine/PlanetConstants.h"

namespace vantorel {

class Mars : public PlanetConstants, public Planet {
public:
    Mars() { Mars::initConstants(); }
    void initConstants() override;
    void computeHeliocentric(double t) override;
    void computeElements(double T) override;
    void computePhysical(DateTime& dt, const EarthSun& earthSun) override;

    double nodeLongitude = 0;  // of the orbit, degrees
    // Solar longitude on Mars (Ls), degrees: set unreduced by computeHeliocentric,
    // brought into 0-360 by computePhysical.
    float seasonAngle = 0;
    // Apparent places of the pole and the planet, radians.
    double poleRa = 0, planetRa = 0, poleDec = 0, planetDec = 0;
};

// Brings a season angle into 0-360 (exactly 360 reads as 0).
float reduceSeasonAngle(float degrees);

}  // namespace vantorel
