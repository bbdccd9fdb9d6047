#include "engine/VsopSeries.h"

#include <cmath>

namespace vantorel {

double sumSeries(const VsopSeries& series, double t, int terms) {
    const int n = (terms < 0 || terms > series.count) ? series.count : terms;
    double sum = 0;
    for (int i = 0; i < n; ++i)
        sum += series.amplitudes[i] * std::cos(series.phases[i] + series.frequencies[i] * t);
    return sum;
}

double evaluateCoordinate(const VsopCoordinate& coordinate, double t) {
    double value = 0;
    for (int k = coordinate.seriesCount - 1; k >= 0; --k)
        value = value * t + sumSeries(coordinate.series[k], t);
    return value / 1e8;
}

HeliocentricPlace evaluateTheory(const VsopTheory& theory, double t) {
    return {evaluateCoordinate(theory.L, t), evaluateCoordinate(theory.B, t),
            evaluateCoordinate(theory.R, t)};
}

}  // namespace vantorel
