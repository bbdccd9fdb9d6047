#include "engine/Planet.h"

#include <cmath>

#include "engine/Angles.h"
#include "engine/Coordinates.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/VsopSeries.h"

namespace vantorel {

namespace {
constexpr double kArcsecPerRad = 3600.0 * kDegPerRad;
constexpr double kLightDaysPerAU = 0.0057755183;
constexpr int kLightTimePasses = 3;
}  // namespace

void Planet::computePosition(DateTime& dt, const EarthSun& es) {
    computeElements(dt.T);
    computeApparentPlace(es, dt);
}

void Planet::computeApparentPlace(const EarthSun& es, DateTime& dt) {
    const double jd = dt.JD;
    for (int pass = 0; pass < kLightTimePasses; ++pass) {
        computeHeliocentric(dt.t);
        rectangularFromEarth(es);
        tau = kLightDaysPerAU * Delta;
        dt.setEpoch(jd - tau);
    }
    lambda = std::atan2(y, x);
    beta = std::atan(z / std::sqrt(x * x + y * y));

    // Annual aberration.
    const double T = dt.T;
    const double kappa = 20.49552;
    const double e = 0.016708617 - 0.000042037 * T - 0.0000001236 * T * T;
    const double pi = toRad(102.93735 + 1.71953 * T + 0.00046 * T * T);
    const double sun = toRad(es.sunTrueLongitude);
    const double dLambda =
        (e * kappa * std::cos(pi - lambda) - kappa * std::cos(sun - lambda)) / std::cos(beta);
    const double dBeta =
        -kappa * std::sin(beta) * (std::sin(sun - lambda) - e * std::sin(pi - lambda));
    lambda += dLambda / kArcsecPerRad;
    beta += dBeta / kArcsecPerRad;

    // FK5, from the planet's heliocentric place.
    const double lp = toRad(L * kDegPerRad - 1.397 * T - 0.00031 * T * T);
    lambda += -4.37e-7 + 1.89e-7 * (std::cos(lp) + std::sin(lp)) * std::tan(B);
    beta += 1.89e-7 * (std::cos(lp) - std::sin(lp));

    lambda += dt.deltaPsi / kArcsecPerRad;
    ra = eclipticToRightAscension(dt.epsilon, lambda, beta) * kDegPerRad;
    dec = eclipticToDeclination(dt.epsilon, lambda, beta) * kDegPerRad;
}

void Planet::geometricEquatorial(double epsilon0, double& alpha, double& delta) const {
    const double yp = y * std::cos(epsilon0) - z * std::sin(epsilon0);
    const double zp = y * std::sin(epsilon0) + z * std::cos(epsilon0);
    alpha = std::atan2(yp, x);
    delta = std::atan(zp / std::sqrt(x * x + yp * yp));
}

Planet::PoleView Planet::poleView(double alpha0, double delta0, double alpha, double delta) {
    PoleView v;
    v.DE = std::asin(-std::sin(delta0) * std::sin(delta) -
                     std::cos(delta0) * std::cos(delta) * std::cos(alpha0 - alpha));
    v.xi = std::atan2(std::sin(delta0) * std::cos(delta) * std::cos(alpha0 - alpha) -
                          std::cos(delta0) * std::sin(delta),
                      std::cos(delta) * std::sin(alpha0 - alpha));
    return v;
}

double Planet::positionAngleOf(double alpha0, double delta0, double alpha, double delta) {
    return std::atan2(std::cos(delta0) * std::sin(alpha0 - alpha),
                      std::sin(delta0) * std::cos(delta) -
                          std::cos(delta0) * std::sin(delta) * std::cos(alpha0 - alpha));
}

Planet::PoleAndPlanet Planet::positionAngleFromEcliptic(const DateTime& dt, const EarthSun& es, double lambda0,
                                          double beta0, double lambdaPlanet,
                                          double betaPlanet) const {
    constexpr double kAberration = 0.000099361;  // 0.005693 degrees
    const double le = es.earthL;
    double lp = lambdaPlanet + kAberration * std::cos(le - lambdaPlanet) / std::cos(betaPlanet);
    const double bp = betaPlanet + kAberration * std::sin(le - lambdaPlanet) * std::sin(betaPlanet);
    const double nutation = dt.deltaPsi / kArcsecPerRad;
    const double l0 = lambda0 + nutation;
    lp += nutation;
    PoleAndPlanet out{};
    out.poleRa = eclipticToRightAscension(dt.epsilon, l0, beta0);
    out.poleDec = eclipticToDeclination(dt.epsilon, l0, beta0);
    out.planetRa = eclipticToRightAscension(dt.epsilon, lp, bp);
    out.planetDec = eclipticToDeclination(dt.epsilon, lp, bp);
    out.P = positionAngleOf(out.poleRa, out.poleDec, out.planetRa, out.planetDec);
    return out;
}

Planet::Rotation Planet::rotationFromPole(const DateTime& dt, double alpha0,
                                            double delta0) const {
    Rotation rot{};
    geometricEquatorial(dt.epsilon0, rot.alpha, rot.delta);
    const PoleView v = poleView(alpha0, delta0, rot.alpha, rot.delta);
    rot.DE = v.DE;
    rot.xi = v.xi;
    return rot;
}

double Planet::centralLongitudeFromPole(const DateTime& dt, double alpha0Deg, double delta0Deg,
                                         double wDeg, double lightTermDegPerAU) {
    // The pole and W are of J2000, so the place goes to J2000 too: the pole
    // inclination then agrees with a pole of date (Saturn's with its ring
    // tilt) and xi is counted from the node W is counted from.
    Rotation rot{};
    geometricEquatorial(dt.epsilon0, rot.alpha, rot.delta);
    precessToJ2000(dt.T, rot.alpha, rot.delta);
    const PoleView v = poleView(toRad(alpha0Deg), toRad(delta0Deg), rot.alpha, rot.delta);
    rot.DE = v.DE;
    rot.xi = v.xi;
    poleInclination = rot.DE;
    centralLongitude = reduceDegrees(wDeg - rot.xi * kDegPerRad - lightTermDegPerAU * Delta);
    centralLongitudeDeg = centralLongitude;
    return centralLongitude;
}

void Planet::heliocentricFrom(const VsopTheory& theory, double t) {
    const HeliocentricPlace p = evaluateTheory(theory, t);
    L = p.L;
    B = p.B;
    r = p.R;
}

void Planet::splitDisplayPlace() {
    const HoursMinutesSeconds hms = splitHours(ra);
    raHours = hms.hours;
    raMinutes = hms.minutes;
    raSeconds = hms.seconds;
    decDegrees = static_cast<int>(dec);
    decMinutes = std::abs(static_cast<int>((dec - decDegrees) * 60.0));
    decText = formatDeclination(dec);
}

void Planet::fillCommonResults(const EarthSun& es, double diameterConstant) {
    splitDisplayPlace();
    distanceAU = Delta;
    illumination = illuminatedFraction(es.earthR);
    diameterArcsec = diameterConstant / Delta;
    earthLongitude = es.earthL;
}

}  // namespace vantorel
