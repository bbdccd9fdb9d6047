#pragma once

// The keys that step a body window's clock: digits typed first make a count,
// then C sets the computer's time, D or J adds the count (1 when none was
// typed) to the day, H to the hour and M to the minute.

namespace vantorel {

class Clock;
class DateTime;

enum class TimeStepUnit { None, Now, Day, Hour, Minute };

struct TimeStep {
    TimeStepUnit unit = TimeStepUnit::None;
    int count = 0;  // negative to step back
};

class TimeStepKeys {
public:
    // The planet windows restart the count when a fourth digit comes; the
    // Moon window clears a three-digit count at whatever key comes next, so a
    // command key after three digits steps by 1.
    enum class Rule { RestartAtFourthDigit, ClearAfterThreeDigits };

    explicit TimeStepKeys(Rule rule = Rule::RestartAtFourthDigit) : rule_(rule) {}

    // A digit 0-9; the count so far is kept.
    void digit(int value);
    // A letter key (upper or lower case). C, D, J, H and M give their step
    // and clear the count; any other key gives no step and, by the planets'
    // rule, leaves the typed digits as they were. `backward` (Shift held)
    // makes D, J, H and M step back by the same count.
    TimeStep letter(char key, bool backward = false);

    int count() const { return count_; }
    int digitsTyped() const { return digits_; }

private:
    Rule rule_;
    int count_ = 0;
    int digits_ = 0;
};

// Applies a step to the record's local date and clock time, then carries the
// minutes, hours and days into their units. `Now` reads the clock.
void applyTimeStep(DateTime& dt, const TimeStep& step, const Clock& clock);

}  // namespace vantorel
