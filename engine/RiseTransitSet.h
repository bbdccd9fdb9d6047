#pragma once

#include <functional>
#include <optional>

#include "engine/LocalDay.h"

// Rise, transit and set of one local date, searched in universal time.

namespace vantorel {

// A body's apparent place at an instant and the altitude of its centre at
// which it counts as rising or setting there (refraction and semi-diameter,
// and for the Moon its parallax, which changes with its distance).
struct SkyPlace {
    double raDeg = 0;
    double decDeg = 0;
    double riseAltitudeRad = 0;
};

// The place at a universal instant (Julian day).
using PlaceAtInstant = std::function<SkyPlace(double jdUt)>;

struct DayEvents {
    // Universal time of the first rise, upper transit and set within the day;
    // empty when the body has none there.
    std::optional<double> riseJd, transitJd, setJd;
    // With neither a rise nor a set: whether the body stayed above the
    // horizon all day (1) or below it (-1); 0 otherwise (DateTime's
    // RiseSetCondition values).
    int condition = 0;
    double riseHourAngleRad = 0;  // the hour angle at the rise
};

// The events of `day` at the site (degrees; longitude east positive): those
// whose time, rounded to the minute as it is shown, falls on the date. The
// place is taken at the day's start, middle and end and interpolated, which
// follows a planet or the Sun to well under a second; with
// `refineAtOwnPlace` each event found is then corrected with the body's own
// place at the trial instant until the correction is under a second (the
// Moon, 13 degrees a day, with its parallax at its distance then).
// No division by the cosine of the latitude and no unbounded loop: the poles
// and a body grazing the horizon answer as fast as any other case.
DayEvents findDayEvents(const LocalDay& day, const PlaceAtInstant& place, double latitudeDeg,
                        double longitudeEastDeg, bool refineAtOwnPlace = false);

// Greenwich mean sidereal time at a universal instant, degrees 0..360.
double greenwichMeanSiderealDeg(double jdUt);

}  // namespace vantorel
