// DateTime's nutation, obliquity and altitude operations.
#include <cmath>

#include "engine/Angles.h"
#include "engine/DateTime.h"
#include "engine/NutationTable.h"

namespace vantorel {

void DateTime::computeNutation() {
    const double T2 = T * T;
    const double T3 = T2 * T;
    // Fundamental arguments in degrees, deliberately not reduced.
    const double d = 297.85036 + 445267.11148 * T - 0.0019142 * T2 + T3 / 189474.0;
    const double m = 357.52772 + 35999.05034 * T - 0.0001603 * T2 - T3 / 300000.0;
    const double mp = 134.96298 + 477198.867398 * T + 0.0086972 * T2 + T3 / 56250.0;
    const double f = 93.27191 + 483202.017538 * T - 0.0036825 * T2 + T3 / 327270.0;
    const double om = 125.04452 - 1934.136261 * T + 0.0020708 * T2 + T3 / 450000.0;

    double psi = 0;
    double eps = 0;
    for (const NutationRow& row : kNutationTable) {
        const double arg = (row.multipliers[0] * d + row.multipliers[1] * m +
                            row.multipliers[2] * mp + row.multipliers[3] * f +
                            row.multipliers[4] * om) /
                           kDegPerRad;
        psi += (row.psiCoefficient + row.psiRate * T) * std::sin(arg) * 0.0001;
        eps += (row.epsilonCoefficient + row.epsilonRate * T) * std::cos(arg) * 0.0001;
    }
    D = d / kDegPerRad;
    M = m / kDegPerRad;
    Mprime = mp / kDegPerRad;
    F = f / kDegPerRad;
    Omega = om / kDegPerRad;
    deltaPsi = psi;
    deltaEpsilon = eps;
    epsilon0 = 0.409092804 - (46.815 * T + 0.00059 * T2 - 0.001813 * T3) / 3600.0 / kDegPerRad;
    epsilon = epsilon0 + deltaEpsilon / 3600.0 / kDegPerRad;
}

void DateTime::computeAltitude(double raDeg, double decRad, double latitudeDeg) {
    const double H = (localSiderealTime - raDeg) / kDegPerRad;
    const double phi = latitudeDeg / kDegPerRad;
    const double h = std::asin(std::sin(phi) * std::sin(decRad) +
                               std::cos(phi) * std::cos(decRad) * std::cos(H));
    const double hDeg = h * kDegPerRad;
    altitudeDegrees = std::trunc(hDeg);
    altitudeHundredths = (hDeg - altitudeDegrees) * 100.0;
    // -10.25 is held as (-10, 25) and -0.5 as (0, -50).
    if (altitudeDegrees != 0) altitudeHundredths = std::abs(altitudeHundredths);
}

double DateTime::altitude() const {
    const double fraction = std::abs(altitudeHundredths) / 100.0;
    if (altitudeDegrees < 0) return altitudeDegrees - fraction;
    if (altitudeDegrees > 0) return altitudeDegrees + fraction;
    return altitudeHundredths / 100.0;
}

}  // namespace vantorel
