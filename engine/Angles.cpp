#include "engine/Angles.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vantorel {

double reduceDegrees(double x) {
    double r = x - 360.0 * std::floor(x / 360.0);
    // Rounding can leave exactly 360 for tiny negative inputs.
    if (r >= 360.0) r -= 360.0;
    return r;
}

HoursMinutesSeconds splitHours(double raDeg) {
    double v = raDeg / 15.0;
    HoursMinutesSeconds r;
    r.hours = static_cast<int>(v);
    v = (v - r.hours) * 60.0;
    r.minutes = static_cast<int>(v);
    v = (v - r.minutes) * 60.0;
    r.seconds = static_cast<int>(v);
    return r;
}

std::string formatDeclination(double decDeg) {
    const int h = static_cast<int>(decDeg);
    const int m = std::abs(static_cast<int>((decDeg - h) * 60.0));
    char buf[32];
    if (decDeg < 0 && h == 0)
        std::snprintf(buf, sizeof buf, "-%02d\u00b0 %02d'", h, m);
    else if (h < 0)
        std::snprintf(buf, sizeof buf, "%03d\u00b0 %02d'", h, m);
    else
        std::snprintf(buf, sizeof buf, "+%02d\u00b0 %02d'", h, m);
    return buf;
}

}  // namespace vantorel
