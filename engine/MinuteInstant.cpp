#include "engine/MinuteInstant.h"

namespace vantorel {

CalendarTime localCalendarOfMinute(const DateTime& dt) {
    constexpr double kHalfSecondDays = 0.5 / 86400.0;
    return julianDayToCalendar(dt.JD + dt.zoneOffsetHours() / 24.0 + kHalfSecondDays);
}

}  // namespace vantorel
