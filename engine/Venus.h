#pragma once

#include "engine/Planet.h"
#include "engine/PlanetConstants.h"

namespace vantorel {

class Venus : public PlanetConstants, public Planet {
public:
    Venus() { Venus::initConstants(); }
    void initConstants() override;
    void computeHeliocentric(double t) override;
    void computeElements(double T) override;
    void computePhysical(DateTime& dt, const EarthSun& earthSun) override;
};

}  // namespace vantorel
