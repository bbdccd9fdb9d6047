#pragma once

// Mimas to Iapetus: the mean-motion model (circular orbits in the ring plane,
// Iapetus in its own plane), used where no fitted record covers a date; the
// turn of sky offsets into the ring's frame; and where the Saturn view draws
// the moons. Every tilt here is the Earth's saturnicentric latitude, positive
// when the Earth is north of the plane, as the ring tilt B of Saturn.

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
    double ringTilt = 0;                   // B of the model's ring pole (rad)
    double iapetusTilt = 0;                // B_I of Iapetus's orbit (rad)
    double poleAngle = 0;                  // rho, between the two projected poles (rad)
    double deltaAU = 0;                    // Earth-Saturn distance of the model
};

// Orbital radius (km) and period (days) of satellite i (0 Mimas .. 7 Iapetus).
double saturnSatelliteRadiusKm(int i);
double saturnSatellitePeriodDays(int i);

SaturnSatellitePositions computeSaturnSatellites(double jdUT, const SaturnOrbit& orbit);

// The model's place of satellite i in the ring's frame, equatorial radii:
// x along the ring line toward its western end, y along the projected pole
// toward the north. The near half of each orbit (where the moons move west)
// lies south of the centre when the Earth is north of the plane.
void saturnSatelliteOffsetRadii(const SaturnSatellitePositions& p, int i, double& x, double& y);

// A moon's place in the ring's frame (as above) and on the sky (equatorial
// radii east and north of Saturn's centre).
struct SaturnMoonPlace {
    double x = 0, y = 0;
    double east = 0, north = 0;
    bool approximate = true;  // from the model, not from a fitted record
};

// Saturn's equatorial radius (60330 km) in arc seconds at `deltaAU`.
double saturnRadiusArcsec(double deltaAU);

// Turns sky offsets (equatorial radii) into the ring's frame with the
// position angle P of Saturn's pole (radians, from north through east), and
// back.
SaturnMoonPlace ringPlaceFromSky(double east, double north, double positionAngle);
SaturnMoonPlace skyPlaceFromRing(double x, double y, double positionAngle);

struct SaturnPicture {
    int x[kSaturnSatellites] = {};
    int y[kSaturnSatellites] = {};
    int discRadiusX = 0;     // equatorial radius, pixels
    double discRadiusY = 0;  // polar radius, pixels
    double kmPerPixel = 0;
};

// Zoom level 0..7 makes that satellite's orbit fill half the width (its
// mean orbit radius spans `halfWidth` pixels). Code 0 draws the sky with
// north up and west right; bit 0 mirrors left-right, bit 1 up-down.
SaturnPicture placeSaturnSatellites(const SaturnMoonPlace (&places)[kSaturnSatellites], int cx,
                                    int cy, int halfWidth, int zoomLevel, int projection);

}  // namespace vantorel
