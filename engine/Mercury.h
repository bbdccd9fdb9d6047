#pragma once

#include "engine/Planet.h"
#include "engine/PlanetConstants.h"

namespace vantorel {

class Mercury : public PlanetConstants, public Planet {
public:
    Mercury() { Mercury::initConstants(); }
    void initConstants() override;
    void computeHeliocentric(double t) override;
    void computeElements(double T) override;
    void computePhysical(DateTime& dt, const EarthSun& earthSun) override;
};

}  // namespace vantorel
