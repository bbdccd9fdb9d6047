#pragma once

#include <functional>

#include "engine/RiseTransitSet.h"

namespace vantorel {

class DateTime;
class EarthSun;
class Planet;

// Puts one body's apparent right ascension and declination (degrees) for the
// instant the record holds; the record's date, nutation and the Earth/Sun are
// computed by the caller of the function, which runs everything after them.
using BodyPlace = std::function<void(DateTime&, EarthSun&, double& raDeg, double& decDeg)>;

// Standard altitude of a planet's centre at rise and set, radians (-0.5667 deg).
constexpr double kPlanetRiseAltitude = -0.009890781;

// The Sun's: refraction and its semi-diameter (-0.8333 deg).
constexpr double kSunRiseAltitude = -0.014543828;

// The body's place for a planet: computeSun, computeEarth, computePosition and
// its physical operation.
BodyPlace planetPlace(Planet& planet);
// The Sun's apparent place as the panels show it (computeSun, computeEarth,
// computeSunPhysical).
BodyPlace sunPlace();

// The standard sequence for the instant the record holds: computeDate,
// computeNutation, then `place`.
void computeInstant(DateTime& dt, EarthSun& earthSun, const BodyPlace& place);

// The body's place at any universal instant, computed in a copy of `like`
// (its zone and delta T) through `place`, with a fixed rise altitude (radians).
// Keeps a reference to `earthSun` only.
PlaceAtInstant placeAtInstant(const DateTime& like, EarthSun& earthSun, const BodyPlace& place,
                              double h0);

// Rise, transit and set of the record's local date at its longitude (the
// site's, else the zone's centre) by findDayEvents, written into the record
// as local clock times with the flags of those found; then computeDate and
// computeSiderealTime for the record's own instant. Every panel, table and
// the command line take their times from here.
void computeRiseTransitSetDay(DateTime& dt, const PlaceAtInstant& place, double latitudeDeg,
                              bool refineAtOwnPlace = false);
// The same for a planet or the Sun at a fixed rise altitude.
void computeRiseTransitSetDay(DateTime& dt, EarthSun& earthSun, const BodyPlace& place,
                              double latitudeDeg, double h0 = kPlanetRiseAltitude);

// For the instant the record already holds (computeDate or setJulianDay
// done): computeNutation, `place`, then the altitude at the local sidereal
// time of the last computeSiderealTime.
void computePlaceAndAltitude(DateTime& dt, EarthSun& earthSun, const BodyPlace& place,
                             double latitudeDeg);

// What a body document runs for one date: the rise/transit/set day, the
// instant, then the altitude.
void computeBodyDocument(DateTime& dt, EarthSun& earthSun, const BodyPlace& place,
                         double latitudeDeg, double h0 = kPlanetRiseAltitude);

}  // namespace vantorel
