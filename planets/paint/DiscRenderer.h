#pragma once

#include <array>
#include <utility>

#include <QImage>
#include <QRect>

#include "common/paint/DrawingSurface.h"

// Draws a body as the telescope shows it: points given in planetographic
// longitude and latitude (relative to the longitude at the disc centre) are
// projected orthographically onto a sphere of `radius` pixels, tilted by B
// toward the observer and, for the Moon, Mars and Uranus once a map is painted, turned
// by the position angle of the pole. On top of the projection sit the line,
// fill, marker and dot primitives, the map painter with its phase shading,
// the Red Spot outline and Saturn's rings.
//
// The renderer's sphere is the body as it appears on the screen: x grows to
// the right, latitude upwards. The projection codes reach it by negating
// longitudes (codes 0 and 2) and latitudes and the tilt (codes 2 and 3).

namespace vantorel {

// Phase shading inputs for paintMap: the terminator angle (degrees) and the
// longitude of the first of the seven fill seeds; kNoShading paints no phase.
struct DiscTerminator {
    static constexpr int kNoShading = -999;
    int angle = -1;
    int seedLongitude = kNoShading;
};

class DiscRenderer {
public:
    enum BodyKind : int {
        kMoon = 0,
        kMercuryVenus = 1,
        kMars = 4,
        kJupiter = 5,
        kSaturn = 6,
        kUranus = 7,
    };
    enum DrawMode : int {
        kLine = 0,
        kFlood = 1,
        kShadeLine = 2,
        kRedMarker = 4,
        kDot = 5,
    };
    enum class Mirror { TopBottom, LeftRight, Both };

    // The projected place of one point; `depth` is w, positive on the
    // hemisphere that faces the observer.
    struct Projected {
        int x = 0;
        int y = 0;
        double depth = 0.0;
        bool visible = false;
    };

    using Terminator = DiscTerminator;
    static constexpr int kNoShading = DiscTerminator::kNoShading;

    explicit DiscRenderer(int bodyKind) : bodyKind_(bodyKind) {}

    // ---- geometry set by the views before drawing ----------------------------
    void setCentre(float x, float y) { centreX_ = x; centreY_ = y; }
    void setRadius(float r) { radius_ = r; }
    float radius() const { return radius_; }
    float centreX() const { return centreX_; }
    float centreY() const { return centreY_; }
    void setTilt(double bRad);
    double tilt() const { return tilt_; }
    void setPositionAngle(double pRad);
    // Polar radius over equatorial radius of the drawn disc: 1 for a sphere,
    // 1 / 1.071374 for Jupiter's flattened globe.
    void setPolarScale(double scale) { polarScale_ = scale > 0.0 ? scale : 1.0; }
    double polarScale() const { return polarScale_; }
    double positionAngle() const { return positionAngle_; }
    int bodyKind() const { return bodyKind_; }
    void setBodyKind(int kind) { bodyKind_ = kind; }
    bool mapMode() const { return mapMode_; }

    // Printing draws on white; views read it to clear their background.
    bool whiteBackground = false;

    // ---- drawing state ---------------------------------------------------------
    void setDrawMode(int mode) { drawMode_ = mode; }
    int drawMode() const { return drawMode_; }
    void setSegments(int n) { segments_ = n < 1 ? 1 : n; }
    int segments() const { return segments_; }
    void setFillColour(Rgb c) { fillColour_ = c; }
    void setEdgeColour(Rgb c) { edgeColour_ = c; }
    int currentX() const { return currentX_; }
    int currentY() const { return currentY_; }

    // ---- projection ----------------------------------------------------------
    Projected project(double lonRad, double latRad) const;
    // The same from the sines and cosines, for callers that tabulate them.
    Projected projectTrig(double cosLon, double sinLon, double cosLat, double sinLat) const;
    // Projects one point and acts on it by the draw mode when it is visible
    // (`draw` false only moves the current point); it always becomes the
    // current point.
    void plot(DrawingSurface& s, double lonRad, double latRad, bool draw = true);

    // ---- primitives (angles in radians unless named in degrees) ---------------
    // Along one longitude from the larger to the smaller latitude of the range.
    void drawLongitudeSegment(DrawingSurface& s, double lonRad, double latFromRad,
                              double latToRad);
    void drawLongitudeLine(DrawingSurface& s, double lonRad);
    void drawParallel(DrawingSurface& s, double latRad);
    // Longitude runs upward from the smaller to the larger end, the short way
    // round; the latitude follows the great circle through both ends.
    void drawGreatCircleSegment(DrawingSurface& s, double lon1Rad, double lat1Rad,
                                double lon2Rad, double lat2Rad);
    // Joins two points given in whole degrees with a meridian piece (when a
    // pole, the same longitude or opposite longitudes are involved) or a
    // great-circle piece.
    void drawSegment(DrawingSurface& s, int lon1Deg, int lat1Deg, int lon2Deg, int lat2Deg);
    // Outlines from (longitude, latitude) degree pairs; longitudes 360..719
    // mark the first point of an outline, 720 and above its last, which is
    // joined back to the first.
    void drawPolylineTable(DrawingSurface& s, int centralLongitude, int projection,
                           const int* values, int count);
    void fillAtPoints(DrawingSurface& s, const int* values, int count, int projection,
                      int centralLongitude);

    // ---- whole pictures --------------------------------------------------------
    // Paints the 360 x 180 map (row j the latitudes from j - 90 to j - 89,
    // column i centred on longitude i) onto the visible hemisphere, writing straight into the picture, then
    // shades the night side unless the seed is kNoShading.
    void paintMap(DrawingSurface& s, double centralLongitudeDeg, double tiltRad, int projection,
                  const QImage& map, Terminator terminator = {});
    void shadePhase(DrawingSurface& s, Terminator terminator, int projection);
    // Darkens the night side of the disc of `radius` at the centre, pixel
    // by pixel, for a body whose bright limb stands at position angle
    // `brightLimbRad` (from celestial north through east) with the
    // illuminated fraction k. The projection code places north and east on
    // the screen as it places the satellites: east to the left for codes 0
    // and 2, north up for codes 0 and 1. Works at any radius and for any
    // direction of the Sun, so the planets turned by their pole use it.
    void shadeNightSide(DrawingSurface& s, double brightLimbRad, double illuminatedFraction,
                        int projection) const;
    // Position angle of the bright limb (radians, 0..2 pi, from north through
    // east) of a body at (alpha, delta) lit by the Sun at (alpha0, delta0).
    static double brightLimbAngle(double alpha0, double delta0, double alpha, double delta);
    // Terminator for a body lit by the Sun at (alpha0, delta0) seen at
    // (alpha, delta), all radians, with the illuminated fraction k.
    static Terminator terminatorAngle(double alpha0, double delta0, double alpha, double delta,
                                      double illuminatedFraction, int projection);

    void drawRedSpot(DrawingSurface& s, int centralLongitude, int projection,
                     int redSpotLongitude);
    void drawSaturnEquator(DrawingSurface& s, double ringTiltRad, int sameSideFlag,
                           int projection);
    void drawSaturnRings(DrawingSurface& s);
    // Radii in pixels of the edges of rings A and B, outer to inner, for a
    // globe of the given equatorial radius in pixels.
    static std::array<float, 4> saturnRingRadii(float globeRadius);

    static QImage mirrorPicture(const QImage& source, const QRect& rect, Mirror mirror);

    // Pictures are painted on black, which the phase shading's fill relies
    // on; printing then turns what lies beyond `margin` pixels outside the
    // disc white.
    void whitenAroundDisc(DrawingSurface& s, float margin = 6.0f) const;

private:
    // The Moon, Mars and Uranus are turned by the position angle of their
    // axis, so that the picture stands as the body does in the sky.
    bool turnsByPositionAngle() const {
        return bodyKind_ == kMoon || bodyKind_ == kMars || bodyKind_ == kUranus;
    }
    bool rotates() const { return mapMode_ && turnsByPositionAngle(); }
    void act(DrawingSurface& s, const Projected& p);
    void paintMapPixels(QImage& target, const QImage& map, int L0, int projection);

    int bodyKind_;
    float centreX_ = 0.0f;
    float centreY_ = 0.0f;
    float radius_ = 0.0f;
    double positionAngle_ = 0.0;
    double cosP_ = 1.0, sinP_ = 0.0;
    double tilt_ = 0.0;
    double polarScale_ = 1.0;
    double cosB_ = 1.0, sinB_ = 0.0;
    bool mapMode_ = false;
    bool ringsLit_ = false;
    int drawMode_ = kLine;
    int segments_ = 1;
    int currentX_ = 0;
    int currentY_ = 0;
    Rgb fillColour_{};
    Rgb edgeColour_{};
};

}  // namespace vantorel
