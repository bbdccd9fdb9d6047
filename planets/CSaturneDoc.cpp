#include "planets/CSaturneDoc.h"

#include "engine/SATURNE.h"

namespace vantorel {

const PlanetDocProfile CSaturneDoc::kProfile = {
    kTitleSaturn, {"  SATURN", " SATURNE", " SATURNO"}, {"        ", "        ", "        "}, "      ", 3, 120536.0, false, 20.0f, 15.4f, "Syst. III"};

CSaturneDoc::CSaturneDoc(const DATE_TIME& blank, Settings& settings)
    : CPlanetDoc(blank, settings, std::make_unique<SATURNE>(), kProfile) {}

SATURNE& CSaturneDoc::planet() { return static_cast<SATURNE&>(body()); }

void CSaturneDoc::computeExtras() {
    const SATURNE& saturn = planet();
    SaturnOrbit orbit;
    orbit.meanAnomalyDeg = saturn.meanAnomaly;
    orbit.eccentricity = saturn.eccentricity;
    orbit.semiMajorAxisAU = saturn.semiMajorAxis;
    orbit.perihelionDeg = saturn.perihelion;
    orbit.nodeDeg = saturn.node;
    orbit.inclinationDeg = saturn.inclination;
    satellitePositions = computeSaturnSatellites(dt.JD, orbit);
}

}  // namespace vantorel
