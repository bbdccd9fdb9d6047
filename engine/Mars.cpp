#include "engine/Mars.h"

#include <cmath>

#include "engine/Angles.h"
#include "engine/Coordinates.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/ElementPolynomial.h"
#include "engine/VsopSeries.h"

namespace vantorel {

void Mars::initConstants() {
    setPolynomial(meanLongitudePoly, {355.433275, 19141.6964746, 0.00031097, -1.5e-08});
    setPolynomial(semiMajorAxisPoly, {1.523679342});
    setPolynomial(eccentricityPoly, {0.09340062, 9.0483e-05, -8.06e-08, -3.5e-10});
    setPolynomial(inclinationPoly, {1.849726, -0.000601, -1.276e-05, -6e-09});
    setPolynomial(nodePoly, {49.558093, 0.7720923, 1.605e-05, 2.325e-06});
    setPolynomial(perihelionPoly, {336.060234, 1.8410331, 0.00013515, 3.18e-07});
}

void Mars::computeHeliocentric(double t) {
    heliocentricFrom(kVsopMars, t);
    seasonAngle = static_cast<float>(L * kDegPerRad + 270.0 + 5.0);
}

void Mars::computeElements(double T) { evaluateElementPolynomials(T); }

float reduceSeasonAngle(float s) {
    if (!std::isfinite(s)) return 0;
    s = std::fmod(s, 360.0f);
    if (s < 0) s += 360.0f;
    if (s >= 360.0f) s = 0;
    return s;
}

void Mars::computePhysical(DateTime& dt, const EarthSun& es) {
    const double T = dt.T;
    nodeLongitude = 49.5581 + 0.7721 * T;
    // The pole is given on the ecliptic.
    const double lambda0 = toRad(352.9065 + 1.1733 * T);
    const double beta0 = toRad(63.2818 - 0.00394 * T);

    rectangularFromEarth(es);
    const double lam = std::atan2(y, x);
    const double bet = std::atan(z / std::sqrt(x * x + y * y));
    poleInclination = std::asin(-std::sin(beta0) * std::sin(bet) -
                                std::cos(beta0) * std::cos(bet) * std::cos(lambda0 - lam));

    const double alpha0 = eclipticToRightAscension(dt.epsilon, lambda0, beta0);
    const double delta0 = eclipticToDeclination(dt.epsilon, lambda0, beta0);
    const Rotation rot = rotationFromPole(dt, alpha0, delta0);
    const double W = 11.504 + 350.89200025 * (dt.JD - tau - 2433282.5);
    centralLongitude = reduceDegrees(W - rot.xi * kDegPerRad);
    centralLongitudeDeg = centralLongitude;

    const PoleAndPlanet pp = positionAngleFromEcliptic(dt, es, lambda0, beta0, lam, bet);
    poleRa = pp.poleRa;
    planetRa = pp.planetRa;
    poleDec = pp.poleDec;
    planetDec = pp.planetDec;
    positionAngle = pp.P;

    seasonAngle = reduceSeasonAngle(seasonAngle);

    fillCommonResults(es, 9.36);
    magnitude = linearMagnitude(es, -1.52, 0.016);
}

}  // namespace vantorel
