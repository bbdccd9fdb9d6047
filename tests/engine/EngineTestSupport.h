#pragma once

#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/Planet.h"

namespace vantorel::test {

// The record set to a Julian day taken as its JD (the handbook's instants are
// in dynamical time; the theories here run on the record's JD), with nutation.
inline DateTime recordAt(double jd) {
    DateTime dt;
    dt.setLocal(2000, 1, 1, 0, 0, 0, 0);
    dt.setJulianDay(jd);
    dt.computeNutation();
    return dt;
}

// Standard sequence after the date: Sun, Earth, position, physical data.
inline void runPlanet(DateTime& dt, EarthSun& es, Planet& planet) {
    es.computeSun(dt.T);
    es.computeEarth(dt);
    planet.computePosition(dt, es);
    planet.computePhysical(dt, es);
}

inline double hms(double h, double m, double s) { return (h + m / 60.0 + s / 3600.0) * 15.0; }
inline double dms(double d, double m, double s) {
    const double v = std::abs(d) + m / 60.0 + s / 3600.0;
    return d < 0 ? -v : v;
}
constexpr double kArcsec = 1.0 / 3600.0;

}  // namespace vantorel::test
