// The satellite side of JUPITER: the planet part supplies its place.
#include "engine/DATE_TIME.h"
#include "engine/EARTH_SUN.h"
#include "engine/JUPITER.h"

namespace vantorel {

JupiterPlace JUPITER::satellitePlace(const EARTH_SUN& es) const {
    JupiterPlace p;
    p.l = L;
    p.b = B;
    p.r = r;
    p.delta = Delta;
    p.inclinationDeg = inclination;
    p.nodeDeg = node;
    p.sunLongitude = es.sunGeometricLongitude;
    p.sunLatitude = -es.earthB;
    p.sunDistance = es.earthR;
    return p;
}

void JUPITER::observerDirections(EARTH_SUN& es) { setObserverDirections(satellitePlace(es)); }

void JUPITER::computeSatellites(DATE_TIME& dt, const char* label, EARTH_SUN& es) {
    observerDirections(es);
    computeFromPlace(satellitePlace(es), dt, label);
}

}  // namespace vantorel
