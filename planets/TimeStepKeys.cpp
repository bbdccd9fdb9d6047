#include "planets/TimeStepKeys.h"

#include <cctype>

#include "engine/Clock.h"
#include "engine/DateTime.h"

namespace vantorel {

void TimeStepKeys::digit(int value) {
    if (value < 0 || value > 9) return;
    if (digits_ >= 3) {
        count_ = 0;
        digits_ = 0;
    }
    ++digits_;
    count_ = count_ * 10 + value;
}

TimeStep TimeStepKeys::letter(char key, bool backward) {
    TimeStep step;
    switch (std::toupper(static_cast<unsigned char>(key))) {
    case 'C': step.unit = TimeStepUnit::Now; break;
    case 'D':
    case 'J': step.unit = TimeStepUnit::Day; break;
    case 'H': step.unit = TimeStepUnit::Hour; break;
    case 'M': step.unit = TimeStepUnit::Minute; break;
    default: break;
    }
    if (rule_ == Rule::ClearAfterThreeDigits && digits_ >= 3) {
        count_ = 0;
        digits_ = 0;
    }
    if (step.unit == TimeStepUnit::None) return step;
    step.count = digits_ == 0 ? 1 : count_;
    if (backward && step.unit != TimeStepUnit::Now) step.count = -step.count;
    count_ = 0;
    digits_ = 0;
    return step;
}

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date, and back (the civil
// calendar algorithms of H. Hinnant): exact for any count of days.
long long daysFromCivil(long long y, long long m, long long d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(long long z, long long& y, long long& m, long long& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = yoe + era * 400 + (m <= 2 ? 1 : 0);
}

// Steps back by whole minutes across hours, days, months and years. The
// carry operations only move forward, so the instant is counted in minutes
// and turned back into a calendar date.
void stepBack(DateTime& dt, long long minutes) {
    long long total = daysFromCivil(static_cast<long long>(dt.localYear),
                                    static_cast<long long>(dt.localMonth),
                                    static_cast<long long>(dt.localDay)) *
                          1440 +
                      static_cast<long long>(dt.localHour) * 60 +
                      static_cast<long long>(dt.localMinute);
    total -= minutes;
    long long days = total >= 0 ? total / 1440 : -((-total + 1439) / 1440);
    const long long inDay = total - days * 1440;
    long long y = 0, m = 0, d = 0;
    civilFromDays(days, y, m, d);
    dt.localYear = static_cast<double>(y);
    dt.localMonth = static_cast<double>(m);
    dt.localDay = static_cast<double>(d);
    dt.localHour = static_cast<double>(inDay / 60);
    dt.localMinute = static_cast<double>(inDay % 60);
    dt.setFebruaryLength();
}

}  // namespace

void applyTimeStep(DateTime& dt, const TimeStep& step, const Clock& clock) {
    if (step.count < 0 && step.unit != TimeStepUnit::Now) {
        const long long unitMinutes = step.unit == TimeStepUnit::Day    ? 1440
                                      : step.unit == TimeStepUnit::Hour ? 60
                                                                        : 1;
        stepBack(dt, -static_cast<long long>(step.count) * unitMinutes);
        return;
    }
    switch (step.unit) {
    case TimeStepUnit::None: return;
    case TimeStepUnit::Now: setFromClock(dt, clock); break;
    case TimeStepUnit::Day: dt.localDay += step.count; break;
    case TimeStepUnit::Hour: dt.localHour += step.count; break;
    case TimeStepUnit::Minute: dt.localMinute += step.count; break;
    }
    dt.carryLocalTime();
    dt.carryHours();
    dt.normaliseLocalDate();
}

}  // namespace vantorel
