#pragma once

// A plain scan of a local date, every 30 seconds, for the rise, upper transit
// and set: the slow way the search must agree with.

#include <cmath>
#include <optional>

#include "engine/Angles.h"
#include "engine/LocalDay.h"
#include "engine/RiseTransitSet.h"

namespace vantorel::test {

struct ScannedEvents {
    std::optional<double> riseJd, transitJd, setJd;
};

// The first sign change of each kind within the date (the minutes shown
// rounded, so from 30 s before its 00:00 to 30 s before the next), placed by
// linear interpolation between two steps.
inline ScannedEvents scanDay(const LocalDay& day, const PlaceAtInstant& place, double latitudeDeg,
                             double longitudeEastDeg) {
    constexpr double kHalfMinute = 30.0 / 86400.0;
    const double from = day.startJd - kHalfMinute, to = day.endJd - kHalfMinute;
    const double phi = toRad(latitudeDeg);
    auto state = [&](double t, double& gapDeg, double& hourAngleDeg) {
        const SkyPlace p = place(t);
        hourAngleDeg = greenwichMeanSiderealDeg(t) + longitudeEastDeg - p.raDeg;
        hourAngleDeg -= 360.0 * std::floor((hourAngleDeg + 180.0) / 360.0);
        const double dec = toRad(p.decDeg);
        const double s = std::sin(phi) * std::sin(dec) +
                         std::cos(phi) * std::cos(dec) * std::cos(toRad(hourAngleDeg));
        gapDeg = toDeg(std::asin(std::fmax(-1.0, std::fmin(1.0, s))) - p.riseAltitudeRad);
    };
    ScannedEvents found;
    double t0 = from, g0 = 0, h0 = 0;
    state(t0, g0, h0);
    while (t0 < to) {
        const double t1 = std::fmin(t0 + kHalfMinute, to);
        double g1 = 0, h1 = 0;
        state(t1, g1, h1);
        const auto at = [&](double a, double b) { return t0 + (t1 - t0) * (-a) / (b - a); };
        if (!found.riseJd && g0 < 0 && g1 >= 0) found.riseJd = at(g0, g1);
        if (!found.setJd && g0 >= 0 && g1 < 0) found.setJd = at(g0, g1);
        if (!found.transitJd && h0 < 0 && h1 >= 0 && h1 - h0 < 180) found.transitJd = at(h0, h1);
        t0 = t1;
        g0 = g1;
        h0 = h1;
    }
    return found;
}

}  // namespace vantorel::test
