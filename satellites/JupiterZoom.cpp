#include "satellites/JupiterZoom.h"

#include <algorithm>
#include <cmath>

#include "satellites/GalileanMoons.h"

namespace vantorel {

namespace {

// Room kept at the edges: a little round the filling globe; beside Callisto
// its dot and letter (which stands to its right and 15 pixels above).
constexpr double kGlobeMargin = 2.0;
constexpr double kSideMargin = 10.0;
constexpr double kTopMargin = 16.0;

}  // namespace

double JupiterZoom::discRadius(int level, int width, int height) {
    const double halfWidth = std::max(1, width) / 2.0;
    const double halfHeight = std::max(1, height) / 2.0;
    // The globe is flattened: its polar radius is the equatorial one over
    // the flattening.
    const double filling = std::max(
        1.0, std::min(halfWidth - kGlobeMargin, (halfHeight - kGlobeMargin) * kJupiterFlattening));
    const double widest = std::clamp(std::min((halfWidth - kSideMargin) / kWidestElongation,
                                              (halfHeight - kTopMargin) / kHighestOffset),
                                     1.0, filling);
    const int k = std::clamp(level, 0, kLevels - 1);
    return filling * std::pow(widest / filling, static_cast<double>(k) / (kLevels - 1));
}

}  // namespace vantorel
