#pragma once

// One principal phase of the Moon: its kind, its instant as a Julian day in
// local time, and the local calendar date and clock time of that instant.

namespace vantorel {

enum MoonPhaseKind : int {
    kNewMoon = 0,
    kFirstQuarter = 1,
    kFullMoon = 2,
    kLastQuarter = 3,
    kNoPhase = 99,
};

struct MoonPhaseRecord {
    int kind = kNoPhase;
    double julianDay = 0.0;  // local time
    int year = kNoPhase, month = kNoPhase, day = kNoPhase, hour = kNoPhase, minute = kNoPhase;

    bool empty() const { return kind == kNoPhase; }
    void clear() { *this = MoonPhaseRecord{}; }
    // A phase of `kind` at the local Julian day `localJd`, with its calendar fields.
    static MoonPhaseRecord at(int kind, double localJd);
};

}  // namespace vantorel
