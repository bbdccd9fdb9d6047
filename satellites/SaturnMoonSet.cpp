#include "satellites/SaturnMoonSet.h"

#include "engine/DateTime.h"
#include "engine/Saturn.h"
#include "satellites/SatelliteRecordTable.h"

namespace vantorel {

SaturnMoonSet computeSaturnMoons(const Saturn& saturn, const DateTime& dt,
                                 SatelliteRecordTable& table) {
    SaturnMoonSet set;
    set.ringTilt = saturn.ringTilt;
    set.sameSide = saturn.sameSide;
    set.positionAngle = saturn.positionAngle;
    set.deltaAU = saturn.distanceAU;

    SaturnOrbit orbit;
    orbit.meanAnomalyDeg = saturn.meanAnomaly;
    orbit.eccentricity = saturn.eccentricity;
    orbit.semiMajorAxisAU = saturn.semiMajorAxis;
    orbit.perihelionDeg = saturn.perihelion;
    orbit.nodeDeg = saturn.node;
    orbit.inclinationDeg = saturn.inclination;
    SaturnSatellitePositions model = computeSaturnSatellites(dt.JD, orbit);
    // The fallback orbits lie in the rings the window draws, so they take the
    // rings' own tilt rather than the model's cruder pole.
    model.ringTilt = saturn.ringTilt;

    const double radius = saturnRadiusArcsec(saturn.distanceAU > 0 ? saturn.distanceAU : 1.0);
    for (int i = 0; i < kSaturnSatellites; ++i) {
        double east = 0, north = 0;
        if (table.offsets(i + 1, static_cast<int>(dt.utYear), static_cast<int>(dt.utMonth),
                          static_cast<int>(dt.utDay), static_cast<int>(dt.utHour),
                          static_cast<int>(dt.utMinute), east, north)) {
            set.moons[i] = ringPlaceFromSky(east / radius, north / radius, set.positionAngle);
            set.moons[i].approximate = false;
            continue;
        }
        double x = 0, y = 0;
        saturnSatelliteOffsetRadii(model, i, x, y);
        set.moons[i] = skyPlaceFromRing(x, y, set.positionAngle);
        set.moons[i].approximate = true;
    }
    return set;
}

}  // namespace vantorel
