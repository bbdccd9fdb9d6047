#include "sky/SkyHorizon.h"

#include <cmath>

#include "engine/Angles.h"

namespace vantorel {

namespace {

// A latitude of exactly 0 makes the horizon an hour circle: a hair north
// keeps one formula and moves no pixel.
double siteLatitudeRad(double latitudeDeg) {
    const double lat = std::abs(latitudeDeg) < 1e-4 ? 1e-4 : latitudeDeg;
    return toRad(lat);
}

}  // namespace

double altitudeDeg(double raDeg, double decDeg, double lstDeg, double latitudeDeg) {
    const double h = toRad(lstDeg - raDeg), d = toRad(decDeg), phi = toRad(latitudeDeg);
    return toDeg(std::asin(std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(h)));
}

double horizonDeclinationDeg(double raDeg, double lstDeg, double latitudeDeg) {
    // sin(phi) sin(dec) + cos(phi) cos(dec) cos(H) = 0
    const double phi = siteLatitudeRad(latitudeDeg);
    const double h = toRad(lstDeg - raDeg);
    return toDeg(std::atan(-std::cos(h) / std::tan(phi)));
}

bool belowHorizonIsSouth(double latitudeDeg) { return siteLatitudeRad(latitudeDeg) > 0; }

}  // namespace vantorel
