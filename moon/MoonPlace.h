#pragma once

#include "engine/BodySequence.h"
#include "moon/MoonTheory.h"

// The Moon as one body of the standard sequence (rise, transit, set and the
// instant's place), for the panels that list it beside the planets.

namespace vantorel {

// computeSun, computeSunPhysical, computeEarth, computeMoon (search mode off)
// and the illuminated fraction; the place is the Moon's apparent right
// ascension and declination.
BodyPlace moonPlace(MoonTheory& moon);

// Standard altitude of the Moon's centre at rise and set, radians: 0.7275
// times its horizontal parallax less 0.5667 degree (refraction and
// semi-diameter), the handbook's value for a body this near.
double moonRiseAltitude(double distanceKm);

// Correction steps allowed for the Moon's rise, transit and set: moving 13
// degrees a day, one step from the three-day interpolation leaves it minutes
// off; three or four at its own place bring it under 10 seconds.
constexpr int kMoonCorrections = 8;

}  // namespace vantorel
