#include "engine/Clock.h"

#include <ctime>

#include "engine/DateTime.h"

namespace vantorel {

LocalClockReading SystemClock::now() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

void setFromClock(DateTime& dt, const Clock& clock) {
    const LocalClockReading r = clock.now();
    dt.localYear = r.year;
    dt.localMonth = r.month;
    dt.localDay = r.day;
    dt.localHour = r.hour;
    dt.localMinute = r.minute;
}

}  // namespace vantorel
