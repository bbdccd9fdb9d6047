#pragma once

#include <initializer_list>

namespace vantorel {

// Writes up to four coefficients; missing ones are zero.
inline void setPolynomial(double (&poly)[4], std::initializer_list<double> coefficients) {
    int k = 0;
    for (double c : coefficients)
        if (k < 4) poly[k++] = c;
    while (k < 4) poly[k++] = 0;
}

}  // namespace vantorel
