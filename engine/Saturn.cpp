#include "engine/Saturn.h"

#include <cmath>

#include "engine/Angles.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/ElementPolynomial.h"
#include "engine/VsopSeries.h"

namespace vantorel {

void Saturn::initConstants() {
    setPolynomial(meanLongitudePoly, {50.077471, 1223.5110141, 0.00051952, 2.5e-08});
    setPolynomial(semiMajorAxisPoly, {9.554909596, -2.1389e-06});
    setPolynomial(eccentricityPoly, {0.05550862, -0.000346818, -6.456e-07, 3.38e-09});
    setPolynomial(inclinationPoly, {2.488878, -0.0037363, -1.516e-05, 8.9e-08});
    setPolynomial(nodePoly, {113.665524, 0.8770979, -0.00012067, -2.38e-06});
    setPolynomial(perihelionPoly, {93.056787, 1.9637694, 0.00083757, 4.899e-06});
}

void Saturn::computeHeliocentric(double t) { heliocentricFrom(kVsopSaturn, t); }

void Saturn::computeElements(double T) { evaluateElementPolynomials(T); }

double ringLongitudeDifference(double u1, double u2) {
    double d = (u1 - u2) * kDegPerRad;
    if (!std::isfinite(d)) return 0;
    d = std::fmod(d, 180.0);
    if (d > 90.0) d -= 180.0;
    if (d < -90.0) d += 180.0;
    return std::fabs(d);
}

void Saturn::computePhysical(DateTime& dt, const EarthSun& es) {
    const double T = dt.T;
    const double i = 0.490004957 - 0.000226857 * T + 6.9e-8 * T * T;
    const double Om = 2.958480912 + 0.024341775 * T + 7.19e-6 * T * T;
    ringInclination = i;
    ringNode = Om;

    rectangularFromEarth(es);
    L -= toRad(0.01299 * Delta / (r * r));

    const double lam = std::atan2(y, x);
    const double bet = std::atan(z / std::sqrt(x * x + y * y));
    ringTilt = std::asin(std::sin(i) * std::cos(bet) * std::sin(lam - Om) -
                         std::cos(i) * std::sin(bet));

    const double N = 1.983837221 + 0.015308282 * T;
    const double lp = L - 0.000307003 / r;
    const double bp = B - 0.000013334 * std::cos(L - N) / r;
    ringTiltSun = std::asin(std::sin(i) * std::cos(bp) * std::sin(lp - Om) -
                            std::cos(i) * std::sin(bp));
    sameSide = ((ringTilt < 0 && ringTiltSun < 0) || (ringTilt > 0 && ringTiltSun > 0)) ? 1 : 0;

    const double u1 = std::atan((std::sin(i) * std::sin(bp) +
                                 std::cos(i) * std::cos(bp) * std::sin(lp - Om)) /
                                (std::cos(bp) * std::cos(lp - Om)));
    const double u2 = std::atan((std::sin(i) * std::sin(bet) +
                                 std::cos(i) * std::cos(bet) * std::sin(lam - Om)) /
                                (std::cos(bet) * std::cos(lam - Om)));
    deltaU = ringLongitudeDifference(u1, u2);

    const double sinB = std::sin(std::fabs(ringTilt));
    magnitude = -8.68 + 5 * std::log10(r * Delta) + 0.044 * deltaU - 2.60 * sinB + 1.25 * sinB * sinB;

    const PoleAndPlanet pp = positionAngleFromEcliptic(dt, es, Om - kPi / 2, kPi / 2 - i, lam, bet);
    poleRa = pp.poleRa;
    planetRa = pp.planetRa;
    poleDec = pp.poleDec;
    planetDec = pp.planetDec;
    positionAngle = pp.P;

    // System III.
    const double d = dt.JD - 2451545.0;
    const double Tc = d / 36525.0;
    centralLongitudeFromPole(dt, 40.58 - 0.036 * Tc, 83.54 - 0.004 * Tc, 38.90 + 810.7939024 * d,
                             0.081729493 * kDegPerRad);
    fillCommonResults(es, 166.66);
}

}  // namespace vantorel
