#pragma once

#include "engine/DATA_INIT_VAR.h"
#include "engine/PLANETE.h"

namespace vantorel {

class URANUS : public DATA_INIT_VAR, public PLANETE {
public:
    URANUS() { URANUS::initConstants(); }
    void initConstants() override;
    void computeHeliocentric(double t) override;
    void computeElements(double T) override;
    void computePhysical(DATE_TIME& dt, const EARTH_SUN& earthSun) override;
    static constexpr double kPoleRa = 257.43, kPoleDec = -15.10;  // degrees
};

}  // namespace vantorel
