#pragma once

namespace vantorel {

// One row of the 1980 IAU nutation series: multipliers of D, M, M', F, Omega
// and the coefficients in units of 0.0001".
struct NutationRow {
    float multipliers[5];
    double psiCoefficient;
    double psiRate;  // per Julian century
    double epsilonCoefficient;
    double epsilonRate;
};

constexpr int kNutationRows = 63;
extern const NutationRow kNutationTable[kNutationRows];

}  // namespace vantorel
