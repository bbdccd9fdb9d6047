#include "satellites/GalileanPhenomenaSearch.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/DateTime.h"

namespace vantorel {

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date.
long daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(long z, int& y, int& m, int& d) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

// The fastest a satellite's point can move across the sky plane, in Jupiter
// radii per minute of the disc-distance measure: its orbital speed at 1 %
// beyond the mean distance (the radius perturbations stay below 1 %),
// stretched by the polar flattening factor, with a tenth more for the rest:
// the eccentricities and perturbations change the speed by under 1.5 %, and
// the view turns as Jupiter moves against the stars by at most 0.25 degree a
// day against Io's 203 degrees.
constexpr double kMeanDistance[4] = {5.9073, 9.39912, 14.9924, 26.3699};
constexpr double kMeanMotionDegPerDay[4] = {203.488955432, 101.37472455, 50.31760911,
                                           21.571071314};
double maxSpeedPerMinute(int j) {
    return 1.10 * kJupiterFlattening * 1.01 * kMeanDistance[j] *
           (kMeanMotionDegPerDay[j] / 57.29577951308232) / 1440.0;
}
// Longest skip: keeps every month and day of a generation visited.
constexpr long kMaxSkip = 240;

}  // namespace

LocalMinute addMinutes(int year, int month, int day, long minutes) {
    const long dayOffset = static_cast<long>(std::floor(minutes / 1440.0));
    const long inDay = minutes - dayOffset * 1440;
    LocalMinute m;
    civilFromDays(daysFromCivil(year, month, day) + dayOffset, m.year, m.month, m.day);
    m.hour = static_cast<int>(inDay / 60);
    m.minute = static_cast<int>(inDay % 60);
    return m;
}

long zoneInMinutes(int zoneHours, int zoneMinutes) {
    DateTime dt;
    dt.setLocal(2000, 1, 1, 0, 0, zoneHours, zoneMinutes);
    return std::lround(dt.zoneOffsetHours() * 60.0);
}

TimeZone zoneOfFields(int zoneHours, int zoneMinutes) {
    return TimeZone::fixed(static_cast<int>(zoneInMinutes(zoneHours, zoneMinutes)));
}

long localSpanMinutes(const TimeZone& zone, const LocalMinute& day, long days) {
    const LocalMinute end = addMinutes(day.year, day.month, day.day, days * 1440);
    return days * 1440 + zone.offsetMinutesForLocal(day.year, day.month, day.day, 0, 0) -
           zone.offsetMinutesForLocal(end.year, end.month, end.day, 0, 0);
}

long daysBetween(int ya, int ma, int da, int yb, int mb, int db) {
    return daysFromCivil(yb, mb, db) - daysFromCivil(ya, ma, da);
}

void formatDayLabel(char* out, int size, const LocalMinute& m) {
    std::snprintf(out, static_cast<size_t>(size), "%02.0f     %02.0f   %02.0f",
                  static_cast<double>(m.day), static_cast<double>(m.hour),
                  static_cast<double>(m.minute));
}

void formatFileLabel(char* out, int size, const LocalMinute& m) {
    std::snprintf(out, static_cast<size_t>(size), "%02.0f   %02.0f:%02.0f",
                  static_cast<double>(m.day), static_cast<double>(m.hour),
                  static_cast<double>(m.minute));
}

long GalileanPhenomenaSearch::safeSkip(const GalileanMoons& sat) {
    long skip = kMaxSkip;
    for (int e = 0; e < kSatelliteEntries; ++e) {
        const double gap = std::fabs(std::sqrt(sat.discDistance(e)) - 1.0);
        const double minutes = std::floor(gap / maxSpeedPerMinute(e % 4));
        if (!(minutes < static_cast<double>(skip))) continue;  // also skips a NaN gap
        skip = static_cast<long>(minutes);
    }
    return std::max(1L, skip);
}

void GalileanPhenomenaSearch::run(const LocalMinute& day, const TimeZone& zone,
                          long firstMinute, long count, long recordFrom, LabelFormat label,
                          const StepSink& sink) {
    sat_.resetDetector();
    sat_.rows.clear();
    evaluations_ = 0;
    stopped_ = false;
    DateTime dt;
    JupiterPlace place;
    char text[32];
    // The offset at the day's 00:00; minute 0 is that instant.
    const long startOffset = zone.offsetMinutesForLocal(day.year, day.month, day.day, 0, 0);
    long k = 0;
    while (k < count && !stopped_) {
        const long minute = firstMinute + k;
        const LocalMinute ut = addMinutes(day.year, day.month, day.day, minute - startOffset);
        dt.setLocal(ut.year, ut.month, ut.day, ut.hour, ut.minute, 0, 0);
        dt.computeDate();
        const long offset = zone.isFixed() ? startOffset : zone.offsetMinutesAtUtc(dt.JD);
        const LocalMinute m =
            addMinutes(day.year, day.month, day.day, minute - startOffset + offset);
        source_.placeAt(dt, place);
        label(text, sizeof text, m);
        sat_.recording = minute >= recordFrom;
        sat_.computeAll(place, dt, text);
        ++evaluations_;
        if (sink) sink(m);
        k += mode_ == SearchMode::Exhaustive ? 1 : safeSkip(sat_);
    }
}

void GalileanPhenomenaSearch::findDay(const LocalMinute& day, const TimeZone& zone) {
    sat_.rows.resetDropped();
    sat_.fileMode = false;
    run(day, zone, -60, 60 + localSpanMinutes(zone, day), 1, formatDayLabel, {});
}

}  // namespace vantorel
