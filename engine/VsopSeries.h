#pragma once

// Truncated VSOP87 series (heliocentric ecliptic coordinates of date; the
// Earth also in the J2000 form Pluto's place needs). A term is A cos(B + C t),
// t in Julian millennia from J2000.0; A in 1e-8 rad or 1e-8 AU.

namespace vantorel {

struct VsopSeries {
    const double* amplitudes;
    const double* phases;
    const double* frequencies;
    int count;
};

// L0..L5 (or B, R) of one coordinate; absent series count as zero.
struct VsopCoordinate {
    VsopSeries series[6];
    int seriesCount;
};

struct VsopTheory {
    VsopCoordinate L, B, R;
};

extern const VsopTheory kVsopEarth;
extern const VsopTheory kVsopEarthJ2000;
extern const VsopTheory kVsopMercury;
extern const VsopTheory kVsopVenus;
extern const VsopTheory kVsopMars;
extern const VsopTheory kVsopJupiter;
extern const VsopTheory kVsopSaturn;
extern const VsopTheory kVsopUranus;
extern const VsopTheory kVsopNeptune;

// Sum of the first `terms` terms of a series (all when terms < 0), in table order.
double sumSeries(const VsopSeries& series, double t, int terms = -1);

// (S0 + S1 t + S2 t^2 ...) / 1e8, nested from the highest power.
double evaluateCoordinate(const VsopCoordinate& coordinate, double t);

// L, B (radians) and R (AU) of a whole theory at t.
struct HeliocentricPlace {
    double L, B, R;
};
HeliocentricPlace evaluateTheory(const VsopTheory& theory, double t);

}  // namespace vantorel
