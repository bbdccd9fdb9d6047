#pragma once

#include "engine/DateTime.h"

// The local calendar date and clock time of a record's instant when the
// searches have stepped it to a whole minute: its Julian day plus the zone,
// read back with julianDayToCalendar half a second late, because the Julian
// day of a whole minute often falls a hair short of it and would read as the
// minute before.

namespace vantorel {

CalendarTime localCalendarOfMinute(const DateTime& dt);

}  // namespace vantorel
