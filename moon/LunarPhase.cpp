#include "moon/LunarPhase.h"

#include <cmath>

#include "engine/Angles.h"
#include "moon/MoonPhaseRecord.h"
#include "moon/MoonSeries.h"

namespace vantorel {

double lunationNumber(int month, int year) {
    return std::floor((month / 12.0 + year - 2000.0) * 12.3685);
}

double phaseJDE(double k, int kind, double T, double E) {
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double T4 = T3 * T;
    // Mean phase and arguments with the first-edition polynomials.
    double jde =
        2451550.09765 + 29.530588853 * k + 0.0001337 * T2 - 0.00000015 * T3 + 0.00000000073 * T4;
    const double M = 2.5534 + 29.10535669 * k - 0.0000218 * T2 - 0.00000011 * T3;
    const double Mp =
        201.5643 + 385.81693528 * k + 0.0107438 * T2 + 0.00001239 * T3 - 0.000000058 * T4;
    const double F =
        160.7108 + 390.67050274 * k - 0.0016341 * T2 - 0.00000227 * T3 + 0.000000011 * T4;
    const double Omega = 124.77436 - 1.5637558 * k + 0.0020691 * T2 + 0.00000215 * T3;
    const double args[4] = {toRad(reduceDegrees(M)), toRad(reduceDegrees(Mp)),
                            toRad(reduceDegrees(F)), toRad(reduceDegrees(Omega))};

    switch (kind) {
    case kNewMoon:
        jde += sumAngleTerms(kNewMoonTerms, args, E);
        break;
    case kFullMoon:
        jde += sumAngleTerms(kFullMoonTerms, args, E);
        break;
    case kFirstQuarter:
        jde += sumAngleTerms(kQuarterTerms, args, E) + sumAngleTerms(kQuarterWTerms, args, E);
        break;
    case kLastQuarter:
        jde += sumAngleTerms(kQuarterTerms, args, E) - sumAngleTerms(kQuarterWTerms, args, E);
        break;
    default:
        break;
    }
    for (const PlanetaryPhaseTerm& term : kPlanetaryPhaseTerms)
        jde +=
            term.amplitude * std::sin(toRad(reduceDegrees(term.a0 + term.aK * k + term.aT2 * T2)));
    return jde;
}

}  // namespace vantorel
