#include "engine/Coordinates.h"

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

}  // namespace vantorel
