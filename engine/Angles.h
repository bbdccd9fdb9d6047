#pragma once

#include <string>

// Angle constants and the small angle and text routines the engine shares.

namespace vantorel {

// The engine converts with this divisor, not the exact 180/pi.
constexpr double kDegPerRad = 57.295779513;
constexpr double kTwoPi = 6.283185307;
constexpr double kPi = 3.141592654;

inline double toRad(double deg) { return deg / kDegPerRad; }
inline double toDeg(double rad) { return rad * kDegPerRad; }

// x - 360 floor(x / 360): 0 <= result < 360.
double reduceDegrees(double x);

// Right ascension (degrees) as truncated hours, minutes and seconds.
struct HoursMinutesSeconds {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
};
HoursMinutesSeconds splitHours(double raDeg);

// "+05° 00'", "-12° 15'", "-00° 30'" (UTF-8 degree sign).
std::string formatDeclination(double decDeg);

}  // namespace vantorel
