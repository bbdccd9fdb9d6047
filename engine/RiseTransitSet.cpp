// Rise, transit and set of a local date: the body's place interpolated
// through the day, the altitude compared with the rise altitude between the
// culminations, each crossing closed in on, then, for the Moon, corrected at
// its own place.
#include "engine/RiseTransitSet.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/Angles.h"
#include "engine/DateTime.h"

namespace vantorel {

namespace {

constexpr double kSecond = 1.0 / 86400.0;  // days
// Degrees the Earth turns in a day of universal time.
constexpr double kSiderealRate = 360.98564736629;
// Trial instants an hour apart besides the culminations: where the
// declination changes fast (the Moon at high latitudes) the altitude turns a
// little away from the culminations, and short stretches still hold one
// crossing each.
constexpr double kScanStep = 1.0 / 24.0;
// A correction of the Moon's time this large means the interpolated root was
// not a root of its own place (a grazing body): the root stays as found.
constexpr double kWildCorrection = 30.0 / 1440.0;

double wrap180(double deg) { return deg - 360.0 * std::floor((deg + 180.0) / 360.0); }

// y(n) = y0 + n d1 + n^2 d2 through three values at n = -1, 0, 1.
struct Parabola {
    double y0 = 0, d1 = 0, d2 = 0;
    Parabola() = default;
    Parabola(double yMinus, double yMid, double yPlus)
        : y0(yMid), d1((yPlus - yMinus) / 2.0), d2((yPlus - 2.0 * yMid + yMinus) / 2.0) {}
    double at(double n) const { return y0 + n * (d1 + n * d2); }
    double slope(double n) const { return d1 + 2.0 * n * d2; }
};

class DaySearch {
public:
    // An event belongs to the date on which its time, rounded to the minute
    // as it is shown, falls: the search runs half a minute early.
    DaySearch(const LocalDay& day, const PlaceAtInstant& place, double latitudeDeg,
              double longitudeEastDeg, bool refine)
        : start_(day.startJd - 30 * kSecond), end_(day.endJd - 30 * kSecond), place_(place),
          longitude_(longitudeEastDeg), refine_(refine) {
        sinPhi_ = std::sin(toRad(latitudeDeg));
        cosPhi_ = std::cos(toRad(latitudeDeg));
        middle_ = (start_ + end_) / 2.0;
        halfSpan_ = (end_ - start_) / 2.0;
        const SkyPlace p0 = place(start_), p1 = place(middle_), p2 = place(end_);
        // The right ascension made continuous through 0/360 around the middle.
        ra_ = Parabola(p1.raDeg + wrap180(p0.raDeg - p1.raDeg), p1.raDeg,
                       p1.raDeg + wrap180(p2.raDeg - p1.raDeg));
        dec_ = Parabola(p0.decDeg, p1.decDeg, p2.decDeg);
        h0_ = Parabola(p0.riseAltitudeRad, p1.riseAltitudeRad, p2.riseAltitudeRad);
    }

    DayEvents run() {
        DayEvents events;
        std::array<double, 64> bounds{};
        int count = 0;
        bounds[count++] = start_;
        for (double t = start_ + kScanStep; t < end_ - kSecond && count < 40;
             t += kScanStep)
            bounds[count++] = t;
        // The altitude turns at the culminations: between two bounds it runs
        // one way, so a sign change there is one crossing.
        double upper[4], lower[4];
        const int upperCount = crossings(0.0, upper);
        const int lowerCount = crossings(180.0, lower);
        for (int i = 0; i < upperCount; ++i) bounds[count++] = upper[i];
        for (int i = 0; i < lowerCount; ++i) bounds[count++] = lower[i];
        bounds[count++] = end_;
        std::sort(bounds.begin(), bounds.begin() + count);

        for (int i = 0; i < upperCount && !events.transitJd; ++i) {
            const double t = refine_ ? refineTransit(upper[i]) : upper[i];
            if (inDay(t)) events.transitJd = t;
        }

        double a = bounds[0];
        double fa = gap(interpolated(a), a);
        const double firstGap = fa;
        for (int i = 1; i < count && !(events.riseJd && events.setJd); ++i) {
            const double b = bounds[i];
            if (b <= a) continue;
            const double fb = gap(interpolated(b), b);
            const bool rising = fa < 0 && fb >= 0;
            const bool setting = fa >= 0 && fb < 0;
            if ((rising && !events.riseJd) || (setting && !events.setJd)) {
                double t = root(a, fa, b, fb);
                if (refine_) t = refineHorizon(t);
                if (inDay(t)) (rising ? events.riseJd : events.setJd) = t;
            }
            a = b;
            fa = fb;
        }
        if (events.riseJd)
            events.riseHourAngleRad = toRad(hourAngle(interpolated(*events.riseJd), *events.riseJd));
        if (!events.riseJd && !events.setJd)
            events.condition = firstGap >= 0 ? DateTime::kAlwaysAbove : DateTime::kAlwaysBelow;
        return events;
    }

private:
    bool inDay(double t) const { return t >= start_ && t < end_; }

    SkyPlace interpolated(double t) const {
        const double n = (t - middle_) / halfSpan_;
        return {ra_.at(n), dec_.at(n), h0_.at(n)};
    }

    // Degrees per day the hour angle grows at t.
    double hourAngleRate(double t) const {
        return kSiderealRate - ra_.slope((t - middle_) / halfSpan_) / halfSpan_;
    }

    double hourAngle(const SkyPlace& p, double t) const {
        return wrap180(greenwichMeanSiderealDeg(t) + longitude_ - p.raDeg);
    }

    // Altitude less the rise altitude, degrees.
    double gap(const SkyPlace& p, double t) const {
        const double dec = toRad(p.decDeg);
        const double s = sinPhi_ * std::sin(dec) +
                         cosPhi_ * std::cos(dec) * std::cos(toRad(hourAngle(p, t)));
        return toDeg(std::asin(std::clamp(s, -1.0, 1.0)) - p.riseAltitudeRad);
    }

    // The instants within the day at which the hour angle passes `target`
    // (0: upper transit, 180: lower), at most four.
    int crossings(double target, double out[4]) const {
        int n = 0;
        const double h = wrap180(hourAngle(interpolated(start_), start_) - target);
        double t = start_ + (h <= 0 ? -h : 360.0 - h) / hourAngleRate(start_);
        for (int turn = 0; turn < 6 && n < 4 && t < end_ + 0.1; ++turn) {
            for (int i = 0; i < 6; ++i) {
                const double step =
                    -wrap180(hourAngle(interpolated(t), t) - target) / hourAngleRate(t);
                t += step;
                if (std::fabs(step) < 0.1 * kSecond) break;
            }
            if (t >= end_) break;
            if (t >= start_) out[n++] = t;
            t += 360.0 / hourAngleRate(t);
        }
        return n;
    }

    // The crossing between a and b (the gap changes sign there), by regula
    // falsi with the Illinois halving, to a tenth of a second.
    double root(double a, double fa, double b, double fb) const {
        double c = a;
        int side = 0;
        for (int i = 0; i < 60 && b - a > 0.1 * kSecond; ++i) {
            c = (a * fb - b * fa) / (fb - fa);
            if (!(c > a && c < b)) c = (a + b) / 2.0;
            const double fc = gap(interpolated(c), c);
            if (fc == 0) return c;
            if ((fc < 0) == (fa < 0)) {
                a = c;
                fa = fc;
                if (side == -1) fb /= 2;
                side = -1;
            } else {
                b = c;
                fb = fc;
                if (side == 1) fa /= 2;
                side = 1;
            }
        }
        return (a + b) / 2.0;
    }

    // The Moon's own place at each trial instant, its rate of climb taken
    // from the interpolated curve.
    double refineHorizon(double t) const {
        for (int i = 0; i < 4; ++i) {
            const double dt = 60.0 * kSecond;
            const double slope =
                (gap(interpolated(t + dt), t + dt) - gap(interpolated(t - dt), t - dt)) / (2 * dt);
            if (slope == 0) break;
            const double step = -gap(place_(t), t) / slope;
            if (!(std::fabs(step) < kWildCorrection)) break;
            t += step;
            if (std::fabs(step) < kSecond) break;
        }
        return t;
    }

    double refineTransit(double t) const {
        for (int i = 0; i < 4; ++i) {
            const double step = -hourAngle(place_(t), t) / hourAngleRate(t);
            if (!(std::fabs(step) < kWildCorrection)) break;
            t += step;
            if (std::fabs(step) < kSecond) break;
        }
        return t;
    }

    double start_, end_;
    const PlaceAtInstant& place_;
    double longitude_;
    bool refine_;
    double sinPhi_ = 0, cosPhi_ = 1;
    double middle_ = 0, halfSpan_ = 0.5;
    Parabola ra_, dec_, h0_;
};

}  // namespace

double greenwichMeanSiderealDeg(double jdUt) {
    const double d = jdUt - 2451545.0;
    const double T = d / 36525.0;
    const double theta = 280.46061837 + kSiderealRate * d + 0.000387933 * T * T -
                         T * T * T / 38710000.0;
    return theta - 360.0 * std::floor(theta / 360.0);
}

DayEvents findDayEvents(const LocalDay& day, const PlaceAtInstant& place, double latitudeDeg,
                        double longitudeEastDeg, bool refineAtOwnPlace) {
    if (!(day.endJd > day.startJd) || !std::isfinite(latitudeDeg) ||
        !std::isfinite(longitudeEastDeg))
        return {};
    return DaySearch(day, place, latitudeDeg, longitudeEastDeg, refineAtOwnPlace).run();
}

void DateTime::setJulianDay(double jd) {
    const double offsetDays = zoneOffsetHours() / 24.0;
    const CalendarTime local = julianDayToCalendar(jd + offsetDays);
    localYear = local.year;
    localMonth = local.month;
    localDay = local.day;
    localHour = local.hours;
    localMinute = local.minutes;
    computeDate();
    JD = jd;
    t = (jd - 2451545.0) / 365250.0;
    T = (jd - 2451545.0) / 36525.0;
    JDE = JD + deltaT;
}

}  // namespace vantorel
