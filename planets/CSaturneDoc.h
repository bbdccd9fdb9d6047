#pragma once

#include "planets/CPlanetDoc.h"
#include "satellites/SaturnSatellites.h"

namespace vantorel {

class SATURNE;

// The document of a Saturn window.
class CSaturneDoc : public CPlanetDoc {
public:
    CSaturneDoc(const DATE_TIME& blank, Settings& settings);
    SATURNE& planet();

    static const PlanetDocProfile kProfile;

    // Mimas to Iapetus for the document's time, from Saturn's elements of date.
    SaturnSatellitePositions satellitePositions;

protected:
    void computeExtras() override;
};

}  // namespace vantorel
