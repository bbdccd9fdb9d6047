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

PlaceAtInstant moonPlaceAtInstant(const DateTime& like, MoonTheory& scratch) {
    return [like, &scratch](double jdUt) {
        DateTime at = like;
        at.setJulianDay(jdUt);
        at.computeNutation();
        scratch.computePlace(at);
        return SkyPlace{toDeg(scratch.rightAscension), toDeg(scratch.declination),
                        moonRiseAltitude(scratch.distance)};
    };
}

void computeMoonRiseTransitSet(DateTime& dt, double latitudeDeg) {
    MoonTheory scratch;
    computeRiseTransitSetDay(dt, moonPlaceAtInstant(dt, scratch), latitudeDeg, true);
}

}  // namespace vantorel
