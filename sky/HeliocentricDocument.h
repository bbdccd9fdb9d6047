#pragma once

#include <array>
#include <string>

#include "common/text/LanguageText.h"
#include "sky/ChartDocument.h"

// The heliocentric view's document: its own date, the Earth and the eight
// planets, and the layout that puts them on their circles seen from the
// north pole of the ecliptic.

namespace vantorel {

// One body of the view, Mercury to Pluto with the Earth third.
struct HelioBody {
    TextTriple name;  // the legend's name (inner planets) or the label
    ChartColour pen;
    ChartColour text;
    double longitudeRad;  // heliocentric ecliptic longitude
    int orbit;            // index of its circle: 0..4, the outer bodies 4 (Jupiter's)
};

struct HelioCircle {
    int cx = 0, cy = 0, r = 0;
};

// The circles of a view `width` pixels wide: X = width / 2, the scale K in
// km per pixel, and Mercury, Venus, Earth, Mars and Jupiter's circles.
struct HelioLayout {
    static constexpr int kCircleCount = 5;
    int X = 0;
    int K = 1;
    std::array<HelioCircle, kCircleCount> circles{};

    static HelioLayout forWidth(int width);
    // Where a body at heliocentric longitude L (radians) stands on `circle`:
    // longitude 0 to the right of the centre, 90 degrees above it.
    static void place(const HelioCircle& circle, double longitudeRad, int& x, int& y);
};

class HeliocentricDocument : public ChartDocument {
public:
    static constexpr int kBodyCount = 9;

    explicit HeliocentricDocument(const Settings& settings) : ChartDocument(settings) {}

    // Mercury, Venus, Earth, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto.
    std::array<HelioBody, kBodyCount> bodies() const;
};

}  // namespace vantorel
