#pragma once

#include "engine/DATA_INIT_VAR.h"
#include "engine/PLANETE.h"

namespace vantorel {

class JUPITER : public DATA_INIT_VAR, public PLANETE {
public:
    JUPITER() { JUPITER::initConstants(); }
    void initConstants() override;
    void computeHeliocentric(double t) override;
    void computeElements(double T) override;
    void computePhysical(DATE_TIME& dt, const EARTH_SUN& earthSun) override;

    // System I is ELEMENT's centralLongitude; these copy the four results (degrees).
    double system1Deg = 0, system2Deg = 0, system1CorrectedDeg = 0, system2CorrectedDeg = 0;
    // Added to both systems to refer them to the centre of the illuminated
    // disc, signed, degrees.
    double phaseCorrectionDeg = 0;
};

}  // namespace vantorel
