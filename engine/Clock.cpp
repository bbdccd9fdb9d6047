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

double SystemClock::universalJd() const {
    return 2440587.5 + static_cast<double>(std::time(nullptr)) / 86400.0;
}

double FixedClock::universalJd() const {
    DateTime dt;
    dt.setLocal(reading_.year, reading_.month, reading_.day, reading_.hour, reading_.minute, 0, 0);
    dt.computeDate();
    return dt.JD + reading_.second / 86400.0;
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
