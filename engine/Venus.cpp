#include "engine/Venus.h"

#include <cmath>

#include "engine/Angles.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/ElementPolynomial.h"
#include "engine/VsopSeries.h"

namespace vantorel {

void Venus::initConstants() {
    setPolynomial(meanLongitudePoly, {181.979801, 58519.2130302, 0.0003106, 1.5e-08});
    setPolynomial(semiMajorAxisPoly, {0.72332982});
    setPolynomial(eccentricityPoly, {0.00677188, -4.7766e-05, 9.75e-08, 4.4e-10});
    setPolynomial(inclinationPoly, {3.394662, 0.0010037, -8.8e-07, -7e-09});
    setPolynomial(nodePoly, {76.67992, 0.901119, 0.00040665, -8e-08});
    setPolynomial(perihelionPoly, {131.563707, 1.4022188, -0.00040665, -5.315e-06});
}

void Venus::computeHeliocentric(double t) { heliocentricFrom(kVsopVenus, t); }

void Venus::computeElements(double T) { evaluateElementPolynomials(T); }

void Venus::computePhysical(DateTime& dt, const EarthSun& es) {
    const double d = dt.JD - 2451545.0;
    centralLongitudeFromPole(dt, 272.72, 67.15, 160.26 - 1.4813596 * d, 0);
    fillCommonResults(es, 16.82);
    const double i = phaseAngle(es);
    magnitude = -4.40 + 5 * std::log10(r * Delta) + 0.0009 * i + 0.000239 * i * i - 0.00000065 * i * i * i;
}

}  // namespace vantorel
