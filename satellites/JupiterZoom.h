#pragma once

// The zoom levels of the Jupiter disc window. Level 0 fills the window with
// the globe; the last puts Callisto's widest elongation inside it, so that
// all four moons are in view; the levels between step by one ratio. A level
// gives the disc's equatorial radius in pixels, which is also the moons'
// scale (pixels per Jupiter radius): the moons, their shadows and the Red
// Spot keep their offsets in Jupiter radii on every level.

namespace vantorel {

class JupiterZoom {
public:
    static constexpr int kLevels = 8;
    // A new window shows all four moons.
    static constexpr int kDefaultLevel = kLevels - 1;
    // Callisto's greatest apparent distance from Jupiter's centre, in
    // equatorial radii (apocentre 1 896 600 km), and the most any moon
    // stands north or south of the centre (the Earth's jovicentric
    // declination reaches 4 degrees).
    static constexpr double kWidestElongation = 26.6;
    static constexpr double kHighestOffset = 2.2;

    // The equatorial radius, pixels, at `level` (clamped to 0..kLevels - 1)
    // in a picture of width x height; at least one pixel.
    static double discRadius(int level, int width, int height);
};

}  // namespace vantorel
