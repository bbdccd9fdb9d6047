#pragma once

#include <functional>

// One local date as a stretch of universal time, for the events that belong
// to it (rise, transit and set are those whose clock time falls on the date).

namespace vantorel {

class DateTime;

// A zone's offset from universal time in minutes, east positive, in force at
// a universal instant (Julian day).
using ZoneOffsetAt = std::function<int(double jdUt)>;

struct LocalDay {
    double startJd = 0;          // universal time of the date's 00:00
    double endJd = 0;            // universal time of the next date's 00:00
    double midnightClockJd = 0;  // the date's 00:00 read on the clock, as a Julian day
    ZoneOffsetAt offsetMinutesAt;

    // The clock time of an instant in minutes after the date's 00:00, rounded
    // to the nearest minute, kept within 0..1439.
    int clockMinute(double jdUt) const;
};

// Julian day of 00:00 of a Gregorian calendar date; a day 0 or one beyond the
// month counts on from the month's first day.
double calendarMidnightJd(int year, int month, int day);

// A date in a zone of fixed offset (minutes east).
LocalDay localDay(int year, int month, int day, int offsetMinutes);
// A date in a zone whose offset may change during the day (summer time): the
// day then lasts 23 or 25 hours.
LocalDay localDay(int year, int month, int day, const ZoneOffsetAt& offsetMinutesAt);
// The record's local date in its zone.
LocalDay localDayOf(const DateTime& dt);

}  // namespace vantorel
