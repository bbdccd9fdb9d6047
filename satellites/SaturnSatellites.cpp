#include "satellites/SaturnSatellites.h"

#include <algorithm>
#include <cmath>

namespace vantorel {

namespace {

constexpr double kTwoPiExact = 6.283185307179586;
constexpr double kPeriod[kSaturnSatellites] = {0.9425049, 1.3703731, 1.8880926, 2.7375218,
                                              4.5191631, 15.9669028, 21.3174647, 79.9208313};
constexpr double kPhase[kSaturnSatellites] = {0.319253881, 3.040599177, 3.016881897, 1.34117732,
                                             0.650231139, 1.007063705, 4.654752973, 3.451673085};
constexpr double kRadiusKm[kSaturnSatellites] = {185600, 238100, 294700, 377500,
                                                527200, 1221600, 1483000, 3560100};
constexpr double kObliquity = 0.40909261;
constexpr double kDegToRad = 1.0 / 57.295779513;

double reduce(double a) {
    a = std::fmod(a, kTwoPiExact);
    return a < 0 ? a + kTwoPiExact : a;
}

// Eccentric anomaly by three Newton steps from E = M, then the true anomaly.
double trueAnomaly(double M, double e) {
    double E = M;
    for (int k = 0; k < 3; ++k) E -= (E - e * std::sin(E) - M) / (1 - e * std::cos(E));
    return reduce(2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(E / 2)));
}

struct Vec {
    double x, y, z;
};
double dot(const Vec& a, const Vec& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec cross(const Vec& a, const Vec& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec pole(double ra, double polarDistance) {
    return {std::sin(polarDistance) * std::cos(ra), std::sin(polarDistance) * std::sin(ra),
            std::cos(polarDistance)};
}

}  // namespace

double saturnSatelliteRadiusKm(int i) { return kRadiusKm[std::clamp(i, 0, 7)]; }
double saturnSatellitePeriodDays(int i) { return kPeriod[std::clamp(i, 0, 7)]; }

SaturnSatellitePositions computeSaturnSatellites(double jd, const SaturnOrbit& o) {
    SaturnSatellitePositions p;
    const double d = jd - 2444238.5;
    // The Earth on a fixed Kepler orbit.
    const double Me = 0.017202103 * d + 1.724970684 - 1.790645033;
    double Ee = Me;
    for (int k = 0; k < 3; ++k) Ee -= (Ee - 0.016718 * std::sin(Ee) - Me) / (1 - 0.016718 * std::cos(Ee));
    const double nuE = reduce(2 * std::atan(std::sqrt(1.0340044870138985) * std::tan(Ee / 2)));
    const double L = reduce(nuE + 1.790645033);
    const double R = 0.99972050847600 / (1 + 0.016718 * std::cos(nuE));
    // Saturn on the orbit of date.
    const double e = o.eccentricity;
    const double M = o.meanAnomalyDeg * kDegToRad;
    const double nu = trueAnomaly(M, e);
    const double l = reduce(nu + o.perihelionDeg * kDegToRad);
    const double r = o.semiMajorAxisAU * (1 - e * e) / (1 + e * std::cos(nu));
    const double delta = std::sqrt(r * r + R * R - 2 * R * r * std::cos(L - l));
    p.deltaAU = delta;
    const double dLight = d - delta / 173.83;
    const double A = std::asin(R * std::sin(L - l) / delta);
    for (int i = 0; i < kSaturnSatellites; ++i) {
        const double turns = (M + A - nu + kTwoPiExact * dLight / kPeriod[i] + kPhase[i]) / kTwoPiExact;
        p.theta[i] = kTwoPiExact * (turns - std::trunc(turns));
    }
    // Saturn's direction from the Earth.
    const double node = o.nodeDeg * kDegToRad, inc = o.inclinationDeg * kDegToRad;
    const double psi = std::asin(std::sin(inc) * std::sin(l - node));
    const double lp = node + std::atan2(std::cos(inc) * std::sin(l - node), std::cos(l - node));
    const double rp = r * std::cos(psi);
    const double lambda = lp + std::atan2(R * std::sin(lp - L), rp - R * std::cos(lp - L));
    const double beta = std::atan(rp * std::tan(psi) * std::sin(lambda - lp) / (R * std::sin(lp - L)));
    const double alpha = std::atan2(std::sin(lambda) * std::cos(kObliquity) -
                                        std::tan(beta) * std::sin(kObliquity),
                                    std::cos(lambda));
    const double dec = std::asin(std::sin(beta) * std::cos(kObliquity) +
                                 std::cos(beta) * std::sin(kObliquity) * std::sin(lambda));
    const Vec u{std::cos(dec) * std::cos(alpha), std::cos(dec) * std::sin(alpha), std::sin(dec)};
    const Vec n1 = pole(0.702844089, 0.113271868);
    const Vec n2 = pole(0.09778219176444165, 0.251327412);
    // u points from the Earth to Saturn, so the Earth's latitude above each
    // plane is minus the elevation of u.
    p.ringTilt = -std::asin(dot(u, n1));
    p.iapetusTilt = -std::asin(dot(u, n2));
    p.poleAngle = -std::asin(dot(u, cross(n1, n2)));
    return p;
}

void saturnSatelliteOffsetRadii(const SaturnSatellitePositions& p, int i, double& x, double& y) {
    i = std::clamp(i, 0, 7);
    const double a = kRadiusKm[i] / kSaturnEquatorialRadiusKm;
    if (i < 7) {
        x = std::sin(p.theta[i]) * a;
        y = -std::cos(p.theta[i]) * a * std::sin(p.ringTilt);
        return;
    }
    const double x0 = std::sin(p.theta[7]) * a;
    const double y0 = -std::cos(p.theta[7]) * a * std::sin(p.iapetusTilt);
    x = x0 * std::cos(p.poleAngle) - y0 * std::sin(p.poleAngle);
    y = y0 * std::cos(p.poleAngle) + x0 * std::sin(p.poleAngle);
}

double saturnRadiusArcsec(double deltaAU) {
    constexpr double kAuKm = 149597870.7;
    constexpr double kArcsecPerRad = 206264.806;
    return kSaturnEquatorialRadiusKm / kAuKm * kArcsecPerRad / deltaAU;
}

// The turn between the sky and the ring frame: the pole points to (sin P,
// cos P) in (east, north), the ring line's western end to (-cos P, sin P).
// The matrix is its own inverse, so one product serves both ways.
namespace {
void turnByPole(double a, double b, double P, double& c, double& d) {
    c = -a * std::cos(P) + b * std::sin(P);
    d = a * std::sin(P) + b * std::cos(P);
}
}  // namespace

SaturnMoonPlace ringPlaceFromSky(double east, double north, double P) {
    SaturnMoonPlace m;
    m.east = east;
    m.north = north;
    turnByPole(east, north, P, m.x, m.y);
    return m;
}

SaturnMoonPlace skyPlaceFromRing(double x, double y, double P) {
    SaturnMoonPlace m;
    m.x = x;
    m.y = y;
    turnByPole(x, y, P, m.east, m.north);
    return m;
}

SaturnPicture placeSaturnSatellites(const SaturnMoonPlace (&places)[kSaturnSatellites], int cx,
                                    int cy, int halfWidth, int zoomLevel, int projection) {
    SaturnPicture pic;
    const int code = (projection >= 0 && projection <= 3) ? projection : 0;
    const double sx = (code & 1) ? 1.0 : -1.0;
    const double sy = (code & 2) ? 1.0 : -1.0;
    const double s = kRadiusKm[std::clamp(zoomLevel, 0, 7)] / std::max(1, halfWidth);
    pic.kmPerPixel = s;
    const double pixelsPerRadius = kSaturnEquatorialRadiusKm / s;
    for (int i = 0; i < kSaturnSatellites; ++i) {
        pic.x[i] = cx - static_cast<int>(std::trunc(sx * places[i].x * pixelsPerRadius));
        pic.y[i] = cy + static_cast<int>(std::trunc(sy * places[i].y * pixelsPerRadius));
    }
    pic.discRadiusX = static_cast<int>(std::trunc(pixelsPerRadius));
    pic.discRadiusY = pic.discRadiusX / kSaturnFlattening;
    return pic;
}

}  // namespace vantorel
