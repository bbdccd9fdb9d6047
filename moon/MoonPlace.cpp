#include "moon/MoonPlace.h"

#include <cmath>

#include "engine/Angles.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"

namespace vantorel {

BodyPlace moonPlace(MoonTheory& moon) {
    return [&moon](DateTime& dt, EarthSun& es, double& raDeg, double& decDeg) {
        es.computeSun(dt.T);
        es.computeSunPhysical(dt);
        es.computeEarth(dt);
        moon.computeMoon(dt, es.sunDiscLongitude, false);
        moon.computeIlluminatedFraction(es.sunRa, es.sunDec, es.sunDistance);
        raDeg = toDeg(moon.rightAscension);
        decDeg = toDeg(moon.declination);
    };
}

double moonRiseAltitude(double distanceKm) {
    const double parallax = std::asin(6378.14 / distanceKm);
    return 0.7275 * parallax - toRad(0.5667);
}

}  // namespace vantorel
