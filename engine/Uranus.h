#pragma once

#include "engine/Planet.h"
#include "engine/PlanetConstants.h"

namespace vantorel {

class Uranus : public PlanetConstants, public Planet {
public:
    Uranus() { Uranus::initConstants(); }
    void initConstants() override;
    void computeHeliocentric(double t) override;
    void computeElements(double T) override;
    void computePhysical(DateTime& dt, const EarthSun& earthSun) override;
    static constexpr double kPoleRa = 257.43, kPoleDec = -15.10;  // degrees
};

}  // namespace vantorel
