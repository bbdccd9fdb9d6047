#pragma once

#include "engine/DATA_INIT_VAR.h"
#include "engine/PLANETE.h"

namespace vantorel {

class NEPTUNE : public DATA_INIT_VAR, public PLANETE {
public:
    NEPTUNE() { NEPTUNE::initConstants(); }
    void initConstants() override;
    void computeHeliocentric(double t) override;
    void computeElements(double T) override;
    void computePhysical(DATE_TIME& dt, const EARTH_SUN& earthSun) override;
};

}  // namespace vantorel
