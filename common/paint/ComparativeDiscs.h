#pragma once

#include "common/paint/DrawingSurface.h"

// The data dialog's comparison of a body's apparent diameter now with its
// largest and smallest: three concentric discs, the largest 76 pixels across,
// and a legend oval of each colour beside the captions.

namespace vantorel {

struct ComparativeDiameters {
    float maximum = 0.0f;
    float current = 0.0f;
    float minimum = 0.0f;
};

constexpr Rgb kMaximumDiscColour{128, 0, 128};
constexpr Rgb kCurrentDiscColour{0, 255, 255};
constexpr Rgb kMinimumDiscColour{0, 0, 255};

// The disc centre and the maximum disc's size in the dialog's client area.
constexpr int kDiscCentreX = 48;
constexpr int kDiscCentreY = 312;
constexpr int kMaximumDiscSize = 76;

// Paints onto a surface the size of the dialog's client area, whose left
// edge is `clientLeft`. The discs go largest first, so a current diameter
// above the maximum covers the maximum disc. Without a positive maximum only
// the legend is drawn: nothing can be scaled.
void paintComparativeDiscs(DrawingSurface& surface, int clientLeft, int clientWidth,
                           int clientHeight, const ComparativeDiameters& diameters);

}  // namespace vantorel
