#pragma once

// Ecliptic to equatorial conversion of date, and the precession from J2000;
// every angle in radians.

namespace vantorel {

// Right ascension in 0 .. 2 pi.
double eclipticToRightAscension(double epsilon, double lambda, double beta);
double eclipticToDeclination(double epsilon, double lambda, double beta);

// Carries a right ascension and declination of the mean equator and equinox
// of J2000.0 to those of date, T Julian centuries after J2000.0 (the rigorous
// rotation by zeta, z and theta). The planets' rotation poles are published
// for J2000 while their places here are of date; without this the pole
// drifts by the precession, a quarter of a degree by 2050.
void precessFromJ2000(double T, double& alpha, double& delta);
// The reverse: a place of date to the equator and equinox of J2000.0.
void precessToJ2000(double T, double& alpha, double& delta);

}  // namespace vantorel
