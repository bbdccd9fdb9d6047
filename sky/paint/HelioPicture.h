#pragma once

#include <string>
#include <vector>

#include "common/paint/DrawingSurface.h"
#include "sky/HeliocentricDocument.h"

// The heliocentric view's picture: the orbits of Mercury to Jupiter, the
// planets on them, the outer bodies on Jupiter's circle in their directions,
// the legend and the Sun. For the printer everything is black on white.

namespace vantorel {

struct HelioDescription {
    struct Body {
        std::string label;
        int x = 0, y = 0;
        double longitudeDeg = 0;  // 0..360
    };
    HelioLayout layout;
    std::vector<Body> bodies;  // Mercury, Venus, Earth, Mars, Jupiter .. Pluto
};

HelioDescription paintHelio(DrawingSurface& s, const HeliocentricDocument& doc, int language, bool printing);

}  // namespace vantorel
