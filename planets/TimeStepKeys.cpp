#include "planets/TimeStepKeys.h"

#include <cctype>

#include "engine/Clock.h"
#include "engine/DATE_TIME.h"

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

TimeStep TimeStepKeys::letter(char key) {
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
    count_ = 0;
    digits_ = 0;
    return step;
}

void applyTimeStep(DATE_TIME& dt, const TimeStep& step, const Clock& clock) {
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
