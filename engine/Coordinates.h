#pragma once

// Ecliptic to equatorial conversion of date; every angle in radians.

namespace vantorel {

// Right ascension in 0 .. 2 pi.
double eclipticToRightAscension(double epsilon, double lambda, double beta);
double eclipticToDeclination(double epsilon, double lambda, double beta);

}  // namespace vantorel
