#include "engine/PlanetGeometry.h"

#include <algorithm>
#include <cmath>

#include "engine/Angles.h"
#include "engine/EarthSun.h"

namespace vantorel {

namespace {
double polynomial(const double c[4], double T) { return c[0] + T * (c[1] + T * (c[2] + T * c[3])); }
}  // namespace

void PlanetGeometry::storeRectangular() {
    xScratch = x;
    yScratch = y;
    zScratch = z;
}

double PlanetGeometry::distance() {
    Delta = std::sqrt(x * x + y * y + z * z);
    return Delta;
}

double PlanetGeometry::illuminatedFraction(double earthSunR) const {
    return ((r + Delta) * (r + Delta) - earthSunR * earthSunR) / (4.0 * r * Delta);
}

double PlanetGeometry::phaseAngle(const EarthSun& es) const {
    double c = (r - es.earthR * std::cos(B) * std::cos(L - es.earthL)) / Delta;
    // Rounding can push the cosine a hair beyond 1 at conjunction.
    c = std::clamp(c, -1.0, 1.0);
    return std::acos(c) * kDegPerRad;
}

double PlanetGeometry::linearMagnitude(const EarthSun& es, double a, double b) const {
    return 5.0 * std::log10(r * Delta) + a + b * phaseAngle(es);
}

double PlanetGeometry::reduce(double degrees) { return reduceDegrees(degrees); }

void PlanetGeometry::rectangularFromEarth(const EarthSun& es) {
    x = r * std::cos(B) * std::cos(L) - es.earthR * std::cos(es.earthB) * std::cos(es.earthL);
    y = r * std::cos(B) * std::sin(L) - es.earthR * std::cos(es.earthB) * std::sin(es.earthL);
    z = r * std::sin(B) - es.earthR * std::sin(es.earthB);
    storeRectangular();
    distance();
}

void PlanetGeometry::evaluateElementPolynomials(double T) {
    meanLongitude = polynomial(meanLongitudePoly, T);
    semiMajorAxis = polynomial(semiMajorAxisPoly, T);
    eccentricity = polynomial(eccentricityPoly, T);
    inclination = polynomial(inclinationPoly, T);
    node = polynomial(nodePoly, T);
    perihelion = polynomial(perihelionPoly, T);
    meanAnomaly = meanLongitude - perihelion;
    argumentOfPerihelion = perihelion - node;
}

}  // namespace vantorel
