#include "engine/Uranus.h"

#include <cmath>

#include "engine/Angles.h"
#include "engine/Coordinates.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/ElementPolynomial.h"
#include "engine/VsopSeries.h"

namespace vantorel {

void Uranus::initConstants() {
    setPolynomial(meanLongitudePoly, {314.055005, 429.8640561, 0.00030434, 2.6e-08});
    setPolynomial(semiMajorAxisPoly, {19.218446062, -3.72e-08, 9.8e-10});
    setPolynomial(eccentricityPoly, {0.0462959, -2.7337e-05, 7.9e-08, 2.5e-10});
    setPolynomial(inclinationPoly, {0.773196, 0.0007744, 3.749e-05, -9.2e-08});
    setPolynomial(nodePoly, {74.005947, 0.5211258, 0.00133982, 1.8516e-05});
    setPolynomial(perihelionPoly, {173.005159, 1.4863784, 0.0002145, 4.33e-07});
}

void Uranus::computeHeliocentric(double t) { heliocentricFrom(kVsopUranus, t); }

void Uranus::computeElements(double T) { evaluateElementPolynomials(T); }

void Uranus::computePhysical(DateTime& dt, const EarthSun& es) {
    const double d = dt.JD - 2451545.0;
    centralLongitudeFromPole(dt, kPoleRa, kPoleDec, 203.81 - 501.1600928 * d, 0);
    fillCommonResults(es, 68.56);
    magnitude = -7.19 + 5 * std::log10(r * Delta);
    // The pole, carried from J2000 to the date, against the planet's apparent place.
    double poleAlpha = toRad(kPoleRa), poleDelta = toRad(kPoleDec);
    precessFromJ2000(dt.T, poleAlpha, poleDelta);
    positionAngle = positionAngleOf(poleAlpha, poleDelta, toRad(ra), toRad(dec));
}

}  // namespace vantorel
