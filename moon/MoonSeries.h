#pragma once

#include <cmath>

// The published series of the lunar theory, generated from the Debian package
// python3-pymeeus by tools/gen_tables.py (moon/generated/MoonSeries.cpp).

namespace vantorel {

// One row of the longitude and distance table: multiples of D, M, M', F; the
// sine coefficient of the longitude (1e-6 degree) and the cosine coefficient of
// the distance (1e-3 km).
struct MoonLongitudeDistanceTerm {
    int multiples[4];
    double longitude;
    double distance;
};
// One row of the latitude table: multiples of D, M, M', F; sine coefficient
// in 1e-6 degree.
struct MoonLatitudeTerm {
    int multiples[4];
    double latitude;
};
constexpr int kMoonTableRows = 60;
extern const MoonLongitudeDistanceTerm kMoonLongitudeDistanceTerms[kMoonTableRows];
extern const MoonLatitudeTerm kMoonLatitudeTerms[kMoonTableRows];

// Function codes of the generated terms.
enum SeriesFunction : int { kSeriesConstant = 0, kSeriesSine = 1, kSeriesCosine = 2 };

// A term coefficient * E^ePower * f(argument), the argument an integer
// combination of N angles.
template <int N> struct AngleTerm {
    double coefficient;
    int ePower;
    int function;
    int multiples[N];
};

// The sum of a series of such terms for the angles `args` (radians).
template <int N, int Count>
double sumAngleTerms(const AngleTerm<N> (&terms)[Count], const double (&args)[N], double E) {
    double sum = 0.0;
    for (const AngleTerm<N>& term : terms) {
        double argument = 0.0;
        for (int i = 0; i < N; ++i)
            argument += term.multiples[i] * args[i];
        double value = term.coefficient;
        for (int p = 0; p < term.ePower; ++p)
            value *= E;
        if (term.function == kSeriesSine)
            value *= std::sin(argument);
        else if (term.function == kSeriesCosine)
            value *= std::cos(argument);
        sum += value;
    }
    return sum;
}

// A correction of a phase instant (days); the angles are M, M', F and Omega
// of the phase.
using PhaseTerm = AngleTerm<4>;
extern const PhaseTerm kNewMoonTerms[25];
extern const PhaseTerm kFullMoonTerms[25];
extern const PhaseTerm kQuarterTerms[25];
// The W term of the quarters: added for the first quarter, subtracted for the last.
extern const PhaseTerm kQuarterWTerms[6];

// The additional corrections common to every phase:
// amplitude * sin(a0 + aK k + aT2 T^2), the argument in degrees.
struct PlanetaryPhaseTerm {
    double amplitude;
    double a0;
    double aK;
    double aT2;
};
extern const PlanetaryPhaseTerm kPlanetaryPhaseTerms[14];

// A term of the physical libration rho, sigma or tau (degrees); the angles are
// D, M, M', F, Omega, K1 and K2.
using LibrationTerm = AngleTerm<7>;
extern const LibrationTerm kLibrationRhoTerms[10];
extern const LibrationTerm kLibrationSigmaTerms[13];
extern const LibrationTerm kLibrationTauTerms[19];

}  // namespace vantorel
