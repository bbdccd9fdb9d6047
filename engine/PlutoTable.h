#pragma once

namespace vantorel {

// One row of Pluto's periodic terms: multipliers of the arguments J, S, P and
// the sine and cosine coefficients of longitude, latitude and radius vector
// (longitude and latitude in 1e-6 degree, radius in 1e-7 AU).
struct PlutoRow {
    float multipliers[3];
    float coefficients[6];
};

constexpr int kPlutoRows = 43;
extern const PlutoRow kPlutoTable[kPlutoRows];

}  // namespace vantorel
