#pragma once

#include "engine/Planet.h"
#include "engine/PlanetConstants.h"

namespace vantorel {

class Neptune : public PlanetConstants, public Planet {
public:
    Neptune() { Neptune::initConstants(); }
    void initConstants() override;
    void computeHeliocentric(double t) override;
    void computeElements(double T) override;
    void computePhysical(DateTime& dt, const EarthSun& earthSun) override;
};

}  // namespace vantorel
