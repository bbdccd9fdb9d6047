#pragma once

// The one way the program reads the computer's clock, so tests can replace it.

namespace vantorel {

struct LocalClockReading {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // The computer's local civil date and time.
    virtual LocalClockReading now() const = 0;
    // The same moment in universal time, as a Julian day (the creation stamp
    // of a calendar file).
    virtual double universalJd() const = 0;
};

class SystemClock final : public Clock {
public:
    LocalClockReading now() const override;
    double universalJd() const override;
};

// A clock that always reads the time it was given.
class FixedClock final : public Clock {
public:
    explicit FixedClock(LocalClockReading reading) : reading_(reading) {}
    LocalClockReading now() const override { return reading_; }
    // The reading taken as universal time.
    double universalJd() const override;
    void set(LocalClockReading reading) { reading_ = reading; }

private:
    LocalClockReading reading_;
};

class DateTime;
// Sets the record's local date and clock time from `clock` (seconds dropped).
void setFromClock(DateTime& dt, const Clock& clock);

}  // namespace vantorel
