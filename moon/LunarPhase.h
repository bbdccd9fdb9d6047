#pragma once

// Instants of the principal phases of the Moon (Meeus, Astronomical
// Algorithms, 1st edition, chapter on the phases of the Moon).

namespace vantorel {

// The lunation number k of the phase table for a month (1..12) and year:
// floor((month / 12 + year - 2000) * 12.3685).
double lunationNumber(int month, int year);

// The corrected instant (JDE) of the phase k (whole for a new moon, + 0.25
// first quarter, + 0.5 full moon, + 0.75 last quarter) of `kind` (0..3). T is
// the phase table's time argument and E the eccentricity factor to use.
double phaseJDE(double k, int kind, double T, double E);

}  // namespace vantorel
