#pragma once

#include <functional>

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

// Rise, transit and set of the local date: the places at 0 h UT of the day
// before, the day and the day after, then computeSiderealTime,
// computeRiseTransitSet at the record's longitude (the site's, else the
// zone's) with at most `corrections` correction steps, and riseSetToLocal.
// With more than one step the corrections use the body's own place at each
// trial instant (the Moon's way to the exact root).
// Leaves the record at its own date, clock and zone.
void computeRiseTransitSetDay(DateTime& dt, EarthSun& earthSun, const BodyPlace& place,
                              double latitudeDeg, double h0 = kPlanetRiseAltitude,
                              int corrections = 1);

// For the instant the record already holds (computeDate or setJulianDay
// done): computeNutation, `place`, then the altitude at the local sidereal
// time of the last computeSiderealTime.
void computePlaceAndAltitude(DateTime& dt, EarthSun& earthSun, const BodyPlace& place,
                             double latitudeDeg);

// What a body document runs for one date: the rise/transit/set day, the
// instant, then the altitude.
void computeBodyDocument(DateTime& dt, EarthSun& earthSun, const BodyPlace& place,
                         double latitudeDeg, double h0 = kPlanetRiseAltitude, int corrections = 1);

}  // namespace vantorel
