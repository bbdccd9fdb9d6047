#pragma once

// Mimas to Iapetus on circular orbits in the ring plane (Iapetus in its own
// plane), the tilt of the rings, and where the Saturn view draws them.

namespace vantorel {

constexpr int kSaturnSatellites = 8;
constexpr double kSaturnEquatorialRadiusKm = 60330.0;
constexpr double kSaturnFlattening = 1.097962;  // equatorial / polar radius

// Saturn's orbital elements of date (degrees, AU).
struct SaturnOrbit {
    double meanAnomalyDeg = 0;
    double eccentricity = 0;
    double semiMajorAxisAU = 0;
    double perihelionDeg = 0;  // longitude of perihelion
    double nodeDeg = 0;
    double inclinationDeg = 0;
};

struct SaturnSatellitePositions {
    double theta[kSaturnSatellites] = {};  // orbital angle of each satellite (rad)
    double ringTilt = 0;                   // B, toward the Earth (rad)
    double iapetusTilt = 0;                // B_I of Iapetus's orbit (rad)
    double poleAngle = 0;                  // rho, between the two projected poles (rad)
    double deltaAU = 0;                    // Earth-Saturn distance of the model
};

// Orbital radius (km) and period (days) of satellite i (0 Mimas .. 7 Iapetus).
double saturnSatelliteRadiusKm(int i);
double saturnSatellitePeriodDays(int i);

SaturnSatellitePositions computeSaturnSatellites(double jdUT, const SaturnOrbit& orbit);

// Offsets from Saturn's centre in equatorial radii, x toward the west (the
// side a positive sine of the angle puts on the left of an unmirrored
// picture), y toward the north.
void saturnSatelliteOffsetRadii(const SaturnSatellitePositions& p, int i, double& x, double& y);

struct SaturnPicture {
    int x[kSaturnSatellites] = {};
    int y[kSaturnSatellites] = {};
    int discRadiusX = 0;     // equatorial radius, pixels
    double discRadiusY = 0;  // polar radius, pixels
    double kmPerPixel = 0;
};

// Zoom level 0..7 makes that satellite's orbit fill half the width.
SaturnPicture placeSaturnSatellites(const SaturnSatellitePositions& p, int cx, int cy,
                                    int halfWidth, int zoomLevel, int projection);

}  // namespace vantorel
