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

}  // namespace vantorel
