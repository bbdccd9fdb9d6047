#pragma once

#include <functional>
#include <vector>

// A body's altitude over an interval of time, and the one search every event
// of the night comes from: the curve is sampled at a fixed step, each change
// of side of a level is bracketed between two samples and refined by false
// position to about a second, and each culmination is refined by golden
// section. Rise, set, the twilights, "above 15 degrees" and the highest point
// are all questions to the same curve.
//
// A level crossed twice within one step (a body grazing it for a few minutes)
// is not seen; the default step of 20 minutes keeps that to grazes of no
// practical use at the eyepiece.

namespace vantorel {

// Degrees as a function of a universal instant (Julian day).
using AltitudeFunction = std::function<double(double jdUt)>;

struct TimeInterval {
    double begin = 0;  // Julian days, universal time
    double end = 0;
    double length() const { return end - begin; }
    bool contains(double jd) const { return jd >= begin && jd <= end; }
};

// The parts common to two sets of intervals, each in time order.
std::vector<TimeInterval> intersect(const std::vector<TimeInterval>& a,
                                    const std::vector<TimeInterval>& b);

struct LevelCrossing {
    double jd = 0;
    bool rising = false;  // from below the level to above it
};

struct Culmination {
    double jd = 0;
    double altitudeDeg = 0;
};

class AltitudeCurve {
public:
    static constexpr double kDefaultStepDays = 20.0 / 1440.0;
    static constexpr double kToleranceDays = 1.0 / 86400.0;

    // Samples `altitude` from `fromJd` to `toJd` (the last sample at `toJd`).
    AltitudeCurve(AltitudeFunction altitude, double fromJd, double toJd,
                  double stepDays = kDefaultStepDays);

    double from() const { return samples_.front().jd; }
    double to() const { return samples_.back().jd; }
    // The function itself at an instant (not a sample).
    double at(double jd) const;

    // Every crossing of the level within the interval, in time order.
    std::vector<LevelCrossing> crossings(double levelDeg) const;
    // The parts of the interval above (or below) the level.
    std::vector<TimeInterval> above(double levelDeg) const;
    std::vector<TimeInterval> below(double levelDeg) const;
    // The culminations strictly inside the interval, in time order.
    std::vector<Culmination> culminations() const;
    // The highest point of [a, b] (within the curve's interval): a
    // culmination inside it or one of its ends.
    Culmination highest(double a, double b) const;
    // The lowest and highest samples.
    double minimum() const;
    double maximum() const;

    // Function evaluations so far, samples included.
    long evaluations() const { return evaluations_; }

private:
    struct Sample {
        double jd;
        double value;
    };
    double refineCrossing(Sample lo, Sample hi, double levelDeg) const;
    Culmination refineMaximum(double a, double b) const;
    std::vector<TimeInterval> sideOf(double levelDeg, bool wantAbove) const;

    AltitudeFunction altitude_;
    std::vector<Sample> samples_;
    mutable long evaluations_ = 0;
};

}  // namespace vantorel
