#include "engine/Neptune.h"

#include <cmath>

#include "engine/Angles.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/ElementPolynomial.h"
#include "engine/VsopSeries.h"

namespace vantorel {

void Neptune::initConstants() {
    setPolynomial(meanLongitudePoly, {304.348665, 219.8833092, 0.00030926, 1.8e-08});
    setPolynomial(semiMajorAxisPoly, {30.110386869, -1.663e-07, 6.9e-10});
    setPolynomial(eccentricityPoly, {0.00898809, 6.408e-06, -8e-10, -5e-11});
    setPolynomial(inclinationPoly, {1.769952, -0.0093082, -7.08e-06, 2.8e-08});
    setPolynomial(nodePoly, {131.784057, 1.1022057, 0.00026006, -6.36e-07});
    setPolynomial(perihelionPoly, {48.123691, 1.4262677, 0.00037918, -3e-09});
}

void Neptune::computeHeliocentric(double t) { heliocentricFrom(kVsopNeptune, t); }

void Neptune::computeElements(double T) { evaluateElementPolynomials(T); }

void Neptune::computePhysical(DateTime& dt, const EarthSun& es) {
    const double d = dt.JD - 2451545.0;
    const double T = d / 36525.0;
    const double sinN = std::sin(toRad(357.85 + 52.319 * T));
    const double cosN = std::cos(toRad(357.85 + 52.319 * T));
    centralLongitudeFromPole(dt, 299.36 + 0.07 * sinN, 43.46 - 0.51 * cosN,
                             253.18 + 536.3128492 * d - 0.48 * sinN, 0);
    fillCommonResults(es, 67.0);
    magnitude = -6.87 + 5 * std::log10(r * Delta);
}

}  // namespace vantorel
