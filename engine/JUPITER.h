#pragma once

#include "engine/DATA_INIT_VAR.h"
#include "engine/PLANETE.h"
#include "satellites/SATELLITE.h"

namespace vantorel {

class JUPITER : public DATA_INIT_VAR, public PLANETE, public SATELLITE {
public:
    JUPITER() { JUPITER::initConstants(); }
    void initConstants() override;
    void computeHeliocentric(double t) override;
    void computeElements(double T) override;
    void computePhysical(DATE_TIME& dt, const EARTH_SUN& earthSun) override;

    // The Galilean satellites for the instant of the planet's last computation.
    void computeSatellites(DATE_TIME& dt, const char* label, EARTH_SUN& earthSun) override;
    void observerDirections(EARTH_SUN& earthSun) override;
    // Jupiter's place as the satellite theory takes it, from the planet's last
    // computation and the Earth/Sun.
    JupiterPlace satellitePlace(const EARTH_SUN& earthSun) const;

    // System I is ELEMENT's centralLongitude; these copy the four results (degrees).
    double system1Deg = 0, system2Deg = 0, system1CorrectedDeg = 0, system2CorrectedDeg = 0;
    // Added to both systems to refer them to the centre of the illuminated
    // disc, signed, degrees.
    double phaseCorrectionDeg = 0;
};

}  // namespace vantorel
