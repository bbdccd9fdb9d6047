#include "engine/Coordinates.h"

#include <algorithm>
#include <cmath>

#include "engine/Angles.h"

namespace vantorel {

double eclipticToRightAscension(double epsilon, double lambda, double beta) {
    double ra = std::atan2(std::sin(lambda) * std::cos(epsilon) - std::tan(beta) * std::sin(epsilon),
                           std::cos(lambda));
    if (ra < 0) ra += kTwoPi;
    return ra;
}

double eclipticToDeclination(double epsilon, double lambda, double beta) {
    return std::asin(std::sin(beta) * std::cos(epsilon) +
                     std::cos(beta) * std::sin(epsilon) * std::sin(lambda));
}

namespace {

struct PrecessionAngles {
    double zeta, z, theta;
};

PrecessionAngles precessionAngles(double T) {
    constexpr double kArcsec = 1.0 / 206264.80624709636;
    return {(2306.2181 * T + 0.30188 * T * T + 0.017998 * T * T * T) * kArcsec,
            (2306.2181 * T + 1.09468 * T * T + 0.018203 * T * T * T) * kArcsec,
            (2004.3109 * T - 0.42665 * T * T - 0.041833 * T * T * T) * kArcsec};
}

}  // namespace

void precessFromJ2000(double T, double& alpha, double& delta) {
    const auto [zeta, z, theta] = precessionAngles(T);
    const double a = std::cos(delta) * std::sin(alpha + zeta);
    const double b = std::cos(theta) * std::cos(delta) * std::cos(alpha + zeta) -
                     std::sin(theta) * std::sin(delta);
    const double c = std::sin(theta) * std::cos(delta) * std::cos(alpha + zeta) +
                     std::cos(theta) * std::sin(delta);
    alpha = std::atan2(a, b) + z;
    delta = std::asin(std::clamp(c, -1.0, 1.0));
}

void precessToJ2000(double T, double& alpha, double& delta) {
    // The same three rotations undone in the reverse order.
    const auto [zeta, z, theta] = precessionAngles(T);
    const double x = std::cos(delta) * std::cos(alpha - z);
    const double y = std::cos(delta) * std::sin(alpha - z);
    const double w = std::sin(delta);
    alpha = std::atan2(y, std::cos(theta) * x + std::sin(theta) * w) - zeta;
    delta = std::asin(std::clamp(-std::sin(theta) * x + std::cos(theta) * w, -1.0, 1.0));
}

}  // namespace vantorel
