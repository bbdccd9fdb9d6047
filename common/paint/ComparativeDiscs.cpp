#include "common/paint/ComparativeDiscs.h"

#include <cmath>

namespace vantorel {

namespace {

void disc(DrawingSurface& s, Rgb colour, int left, int top, int right, int bottom) {
    s.setPen(PenStyle::Solid, 3, colour);
    s.setBrush(colour);
    s.ellipse(left, top, right, bottom);
}

void scaledDisc(DrawingSurface& s, Rgb colour, float diameter, float maximum) {
    const double size = static_cast<double>(diameter) * kMaximumDiscSize / maximum;
    if (!(size > 0.0) || !std::isfinite(size)) return;
    // Twice the largest disc is more than the dialog shows.
    const int half = static_cast<int>(std::min(size, 2.0 * kMaximumDiscSize) / 2.0);
    disc(s, colour, kDiscCentreX - half, kDiscCentreY - half, kDiscCentreX + half,
         kDiscCentreY + half);
}

}  // namespace

void paintComparativeDiscs(DrawingSurface& s, int clientLeft, int clientWidth, int clientHeight,
                           const ComparativeDiameters& d) {
    if (d.maximum > 0.0f && std::isfinite(d.maximum)) {
        disc(s, kMaximumDiscColour, clientLeft + 10, kDiscCentreY - kMaximumDiscSize / 2,
             kDiscCentreX + kMaximumDiscSize / 2, kDiscCentreY + kMaximumDiscSize / 2);
        scaledDisc(s, kCurrentDiscColour, d.current, d.maximum);
        scaledDisc(s, kMinimumDiscColour, d.minimum, d.maximum);
    }
    const int x = static_cast<int>(clientWidth / 1.8);
    const int y = static_cast<int>(clientHeight / 1.44);
    const Rgb colours[3] = {kMaximumDiscColour, kCurrentDiscColour, kMinimumDiscColour};
    const int offsets[3] = {10, 23, 36};
    for (int i = 0; i < 3; ++i) {
        s.setPen(PenStyle::Solid, 1, colours[i]);
        s.setBrush(colours[i]);
        s.ellipse(x + 10, y + offsets[i], x + 14, y + offsets[i] + 6);
    }
}

}  // namespace vantorel
