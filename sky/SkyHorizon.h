#pragma once

// The site's horizon and meridian among the stars: where a place of right
// ascension and declination stands for an observer at a latitude and a local
// sidereal time. All angles in degrees.

namespace vantorel {

// Altitude above the geometric horizon (no refraction).
double altitudeDeg(double raDeg, double decDeg, double lstDeg, double latitudeDeg);

// The declination at which the hour circle of `raDeg` meets the horizon.
// North of the equator the sky below it is the horizon's, south of the
// equator the sky above it. On the equator itself the horizon runs along the
// hour circles 6 h from the meridian; the site is then taken a hair north.
double horizonDeclinationDeg(double raDeg, double lstDeg, double latitudeDeg);

// True when the places of that hour circle south of the horizon declination
// (smaller declinations) are below the horizon: a northern site.
bool belowHorizonIsSouth(double latitudeDeg);

}  // namespace vantorel
