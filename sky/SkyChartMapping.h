#pragma once

// The sky chart's rectangular mapping of right ascension and declination to
// pixels: right ascension 0 at the right edge growing to the left, 360
// degrees over the whole width, the same scale in declination, declination 0
// in the middle. South of the equator (a latitude of -1 degree or less) the
// chart is turned by 180 degrees, as an observer there sees the sky facing
// north: north down and right ascension 0 at the left edge growing to the
// right (east stays on the side it rises, not mirrored). Computed in single
// precision and truncated toward zero, so the catalogues and the bodies land
// alike.

namespace vantorel {

struct SkyChartMapping {
    int x0 = 0;      // x of right ascension 0: the right edge, the left one when turned
    int y0 = 0;      // y of declination 0
    int width = 0;   // pixels for 360 degrees
    int flipSign = 0;  // the latitude truncated to whole degrees

    // From the client rectangle and the site's latitude (degrees).
    static SkyChartMapping fromClient(int left, int top, int right, int bottom, float latitudeDeg);

    // Turned by 180 degrees: north down, right ascension growing to the right.
    bool flipped() const { return flipSign < 0; }
    int leftEdge() const { return flipped() ? x0 : x0 - width; }
    int rightEdge() const { return flipped() ? x0 + width : x0; }
    float scale() const { return static_cast<float>(width) / 360.0f; }
    int x(double raDeg) const;
    int y(double decDeg) const;
};

}  // namespace vantorel
