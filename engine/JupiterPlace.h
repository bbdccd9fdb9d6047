#pragma once

namespace vantorel {

// Jupiter's place for one instant, as the satellite theory needs it.
struct JupiterPlace {
    double l = 0, b = 0, r = 0;   // heliocentric longitude, latitude (rad), radius (AU), at t - tau
    double delta = 0;             // distance from the Earth (AU)
    double inclinationDeg = 0;    // i of Jupiter's orbit on the ecliptic of date
    double nodeDeg = 0;           // Omega of Jupiter's orbit
    double sunLongitude = 0;      // geometric geocentric longitude of the Sun (rad, FK5)
    double sunLatitude = 0;       // rad
    double sunDistance = 0;       // R (AU)
};

}  // namespace vantorel
