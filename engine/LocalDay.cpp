#include "engine/LocalDay.h"

#include <cmath>

#include "engine/DateTime.h"

namespace vantorel {

namespace {
constexpr double kMinutesPerDay = 1440.0;
}

int LocalDay::clockMinute(double jdUt) const {
    const int offset = offsetMinutesAt ? offsetMinutesAt(jdUt) : 0;
    const double minutes = (jdUt - midnightClockJd) * kMinutesPerDay + offset;
    const long rounded = std::lround(minutes);
    if (!(rounded > 0)) return 0;
    return rounded > 1439 ? 1439 : static_cast<int>(rounded);
}

double calendarMidnightJd(int year, int month, int day) {
    double y = year, m = month;
    if (m < 3) {
        y -= 1;
        m += 12;
    }
    const double a = std::floor(y / 100.0);
    const double b = 2 - a + std::floor(a / 4.0);
    return std::floor(365.25 * (y + 4716)) + std::floor(30.6001 * (m + 1)) + day + b - 1524.5;
}

LocalDay localDay(int year, int month, int day, int offsetMinutes) {
    return localDay(year, month, day, [offsetMinutes](double) { return offsetMinutes; });
}

LocalDay localDay(int year, int month, int day, const ZoneOffsetAt& offsetMinutesAt) {
    LocalDay d;
    d.offsetMinutesAt = offsetMinutesAt;
    d.midnightClockJd = calendarMidnightJd(year, month, day);
    // The instant whose clock reads a given midnight: the offset taken at the
    // clock reading read as universal time, then once more at the instant found,
    // which settles it unless the offset changes within the offset's own width
    // of midnight.
    auto instantOf = [&](double clockJd) {
        double ut = clockJd - offsetMinutesAt(clockJd) / kMinutesPerDay;
        ut = clockJd - offsetMinutesAt(ut) / kMinutesPerDay;
        return ut;
    };
    d.startJd = instantOf(d.midnightClockJd);
    d.endJd = instantOf(d.midnightClockJd + 1.0);
    return d;
}

LocalDay localDayOf(const DateTime& dt) {
    // No zone lies a day or more from Greenwich; a record holding one is kept
    // from reaching the calendar arithmetic.
    double hours = dt.zoneOffsetHours();
    if (!(std::fabs(hours) < 24)) hours = 0;
    const int offset = static_cast<int>(std::lround(hours * 60.0));
    return localDay(static_cast<int>(dt.localYear), static_cast<int>(dt.localMonth),
                    static_cast<int>(dt.localDay), offset);
}

}  // namespace vantorel
