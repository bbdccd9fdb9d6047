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

// The Moon's apparent place and rise altitude at any universal instant
// (nutation and the position series only), computed in a copy of `like`;
// keeps a reference to `scratch`, which it overwrites.
PlaceAtInstant moonPlaceAtInstant(const DateTime& like, MoonTheory& scratch);

// The Moon's rise, transit and set of the record's local date, each corrected
// at the Moon's own place and distance: what its window, the data table and
// `ephem` show.
void computeMoonRiseTransitSet(DateTime& dt, double latitudeDeg);

}  // namespace vantorel
