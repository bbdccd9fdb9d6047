#include "tonight/NightClock.h"

#include <cmath>
#include <cstdlib>

#include "engine/DateTime.h"

namespace vantorel {

LocalMinute localClock(double jdUt, const TimeZone& zone) {
    const double local = jdUt + zone.offsetMinutesAtUtc(jdUt) / 1440.0;
    // To the nearest minute, then a hundredth of a second on so that the
    // calendar's truncation keeps that minute.
    const double minutes = std::floor((local + 0.5) * 1440.0 + 0.5);
    const CalendarTime c = julianDayToCalendar(minutes / 1440.0 - 0.5 + 1e-7);
    return {c.year, c.month, c.day, c.hours, c.minutes};
}

double universalJd(const LocalMinute& m, const TimeZone& zone) {
    return zone.toUniversalJd(m.year, m.month, m.day, m.hour, m.minute);
}

LocalMinute shiftClock(const LocalMinute& m, long minutes) {
    return addMinutes(m.year, m.month, m.day, m.hour * 60L + m.minute + minutes);
}

long daysApart(const LocalMinute& a, const LocalMinute& b) {
    return daysBetween(a.year, a.month, a.day, b.year, b.month, b.day);
}

void recordZone(int offsetMinutes, int& zoneHours, int& zoneMinutes) {
    const int magnitude = std::abs(offsetMinutes);
    if (offsetMinutes >= 0) {
        zoneHours = magnitude / 60;
        zoneMinutes = magnitude % 60;
    } else if (magnitude < 60) {
        zoneHours = 50;
        zoneMinutes = magnitude;
    } else {
        zoneHours = -(magnitude / 60);
        zoneMinutes = magnitude % 60;
    }
}

}  // namespace vantorel
