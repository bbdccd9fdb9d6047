#include "engine/Precession.h"

#include <cmath>

#include "engine/Angles.h"

namespace vantorel {

Precession::Precession(double jde) {
    const double t = (jde - 2451545.0) / 36525.0;
    zeta_ = ((0.017998 * t + 0.30188) * t + 2306.2181) * t;
    z_ = ((0.018203 * t + 1.09468) * t + 2306.2181) * t;
    theta_ = ((-0.041833 * t - 0.42665) * t + 2004.3109) * t;
    const double theta = toRad(theta_ / 3600.0);
    sinTheta_ = std::sin(theta);
    cosTheta_ = std::cos(theta);
}

void Precession::apply(double& raDeg, double& decDeg) const {
    const double a = toRad(raDeg + zeta_ / 3600.0);
    const double d = toRad(decDeg);
    const double A = std::cos(d) * std::sin(a);
    const double B = cosTheta_ * std::cos(d) * std::cos(a) - sinTheta_ * std::sin(d);
    const double C = sinTheta_ * std::cos(d) * std::cos(a) + cosTheta_ * std::sin(d);
    double ra = toDeg(std::atan2(A, B)) + z_ / 3600.0;
    ra = std::fmod(ra, 360.0);
    raDeg = ra < 0 ? ra + 360.0 : ra;
    // Near a pole the cosine form keeps its precision.
    decDeg = std::abs(C) > 0.99 ? std::copysign(toDeg(std::acos(std::hypot(A, B))), C) : toDeg(std::asin(C));
}

}  // namespace vantorel
