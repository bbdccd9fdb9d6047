#include "moon/MoonPhaseRecord.h"

#include "engine/DateTime.h"

namespace vantorel {

MoonPhaseRecord MoonPhaseRecord::at(int kind, double localJd) {
    const CalendarTime c = julianDayToCalendar(localJd);
    MoonPhaseRecord r;
    r.kind = kind;
    r.julianDay = localJd;
    r.year = c.year;
    r.month = c.month;
    r.day = c.day;
    r.hour = c.hours;
    r.minute = c.minutes;
    return r;
}

}  // namespace vantorel
