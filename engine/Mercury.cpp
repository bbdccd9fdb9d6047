#include "engine/Mercury.h"

#include <cmath>

#include "engine/Angles.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/ElementPolynomial.h"
#include "engine/VsopSeries.h"

namespace vantorel {

void Mercury::initConstants() {
    setPolynomial(meanLongitudePoly, {252.250906, 149474.0722491, 0.00030397, 1.8e-08});
    setPolynomial(semiMajorAxisPoly, {0.38709831});
    setPolynomial(eccentricityPoly, {0.20563175, 2.0406e-05, -2.84e-08, -1.7e-10});
    setPolynomial(inclinationPoly, {7.004986, 0.0018215, -1.809e-05, 5.3e-08});
    setPolynomial(nodePoly, {48.330893, 1.186189, 0.00017587, 2.11e-07});
    setPolynomial(perihelionPoly, {77.456119, 1.5564775, 0.00029589, 5.6e-08});
}

void Mercury::computeHeliocentric(double t) { heliocentricFrom(kVsopMercury, t); }

void Mercury::computeElements(double T) { evaluateElementPolynomials(T); }

void Mercury::computePhysical(DateTime& dt, const EarthSun& es) {
    const double d = dt.JD - 2451545.0;
    const double T = d / 36525.0;
    centralLongitudeFromPole(dt, 281.01 - 0.033 * T, 61.45 - 0.005 * T, 329.71 + 6.1385025 * d, 0);
    fillCommonResults(es, 6.68);
    const double i = phaseAngle(es);
    magnitude = -0.42 + 5 * std::log10(r * Delta) + 0.038 * i - 0.000273 * i * i + 0.000002 * i * i * i;
}

}  // namespace vantorel
