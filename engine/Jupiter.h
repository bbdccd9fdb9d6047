#pragma once

#include "engine/JupiterPlace.h"
#include "engine/Planet.h"
#include "engine/PlanetConstants.h"

namespace vantorel {

class Jupiter : public PlanetConstants, public Planet {
public:
    Jupiter() { Jupiter::initConstants(); }
    void initConstants() override;
    void computeHeliocentric(double t) override;
    void computeElements(double T) override;
    void computePhysical(DateTime& dt, const EarthSun& earthSun) override;

    // Jupiter's place as the satellite theory takes it, from the planet's last
    // computation and the Earth/Sun.
    JupiterPlace satellitePlace(const EarthSun& earthSun) const;

    // System I is PlanetRecord's centralLongitude; these copy the four results (degrees).
    double system1Deg = 0, system2Deg = 0, system1CorrectedDeg = 0, system2CorrectedDeg = 0;
    // Added to both systems to refer them to the centre of the illuminated
    // disc, signed, degrees.
    double phaseCorrectionDeg = 0;
};

}  // namespace vantorel
