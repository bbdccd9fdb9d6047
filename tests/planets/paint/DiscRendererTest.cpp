// Geometry of the disc renderer: where map pixels land for each projection
// code, tilt and pole angle, the phase shading against the illuminated
// fraction, the outlines, the rings and the mirrored pictures.
#include <QImage>

#include <cmath>
#include <functional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "common/paint/DrawingSurface.h"
#include "engine/Angles.h"
#include "planets/paint/DiscRenderer.h"

namespace vantorel {
namespace {

constexpr Rgb kGreyMap{128, 128, 128};
constexpr Rgb kMark{255, 0, 255};

QRgb qrgb(Rgb c) { return qRgb(c.r, c.g, c.b); }

// A 360 x 180 map of one colour, with `paint` choosing other colours.
QImage makeMap(Rgb base, const std::function<bool(int col, int row)>& marked = {},
               Rgb mark = kMark) {
    QImage map(360, 180, QImage::Format_RGB32);
    for (int j = 0; j < 180; ++j)
        for (int i = 0; i < 360; ++i)
            map.setPixel(i, j, (marked && marked(i, j)) ? qrgb(mark) : qrgb(base));
    return map;
}

struct Stats {
    int count = 0;
    double meanX = 0.0;
    double meanY = 0.0;
    int minX = 1 << 30, maxX = -1, minY = 1 << 30, maxY = -1;
};

Stats statsOf(const QImage& img, const std::function<bool(QRgb)>& pick) {
    Stats s;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (pick(img.pixel(x, y) | 0xff000000u)) {
                ++s.count;
                s.meanX += x;
                s.meanY += y;
                s.minX = std::min(s.minX, x);
                s.maxX = std::max(s.maxX, x);
                s.minY = std::min(s.minY, y);
                s.maxY = std::max(s.maxY, y);
            }
    if (s.count) {
        s.meanX /= s.count;
        s.meanY /= s.count;
    }
    return s;
}

Stats statsOfColour(const QImage& img, Rgb c) {
    return statsOf(img, [c](QRgb p) { return p == (qrgb(c) | 0xff000000u); });
}
Stats statsOfNonBlack(const QImage& img) {
    return statsOf(img, [](QRgb p) { return (p & 0xffffffu) != 0; });
}

// Renders a map on a 200 x 200 black picture centred at (100, 100).
QImage render(DiscRenderer& r, const QImage& map, double lcDeg, double tiltRad, int code,
              float radius = 80.0f, DiscTerminator shading = {}) {
    DrawingSurface s(200, 200);
    r.setCentre(100.0f, 100.0f);
    r.setRadius(radius);
    r.paintMap(s, lcDeg, tiltRad, code, map, shading);
    return s.image().copy();
}

TEST(DiscRendererProjection, LimbPointIsNotDrawnExceptForSaturn) {
    DiscRenderer r(DiscRenderer::kMercuryVenus);
    r.setCentre(50.0f, 50.0f);
    r.setRadius(40.0f);
    r.setTilt(0.0);
    // cos(longitude) = 0 on the equator: the point sits exactly on the limb.
    const auto limb = r.projectTrig(0.0, 1.0, 1.0, 0.0);
    EXPECT_EQ(limb.depth, 0.0);
    EXPECT_FALSE(limb.visible);
    EXPECT_EQ(limb.x, 90);
    EXPECT_TRUE(r.project(toRad(89.9), 0.0).visible);
    EXPECT_FALSE(r.project(toRad(90.1), 0.0).visible);

    // A dot plotted a hair behind the limb leaves the picture untouched.
    DrawingSurface s(100, 100);
    r.setDrawMode(DiscRenderer::kDot);
    r.setFillColour(kMark);
    r.plot(s, toRad(90.01), 0.0);
    EXPECT_EQ(statsOfNonBlack(s.image()).count, 0);
    r.plot(s, toRad(89.99), 0.0);
    EXPECT_EQ(statsOfColour(s.image(), kMark).count, 4);
    // The point became the current point in both cases.
    EXPECT_EQ(r.currentX(), 89);

    DiscRenderer saturn(DiscRenderer::kSaturn);
    saturn.setRadius(40.0f);
    EXPECT_TRUE(saturn.projectTrig(0.0, 1.0, 1.0, 0.0).visible);
    EXPECT_TRUE(saturn.project(toRad(170.0), 0.0).visible);
}

TEST(DiscRendererMap, CentralColumnOnVerticalAndTopRowAtTopWithCode3) {
    const int lc = 40;
    const Rgb red{255, 0, 0};
    const Rgb green{0, 255, 0};
    QImage map = makeMap(kGreyMap, [&](int i, int) { return i == lc; }, red);
    // The first twenty rows (latitudes within 20 degrees of the pole; seen
    // edge-on at tilt 0, later rows cover much of the first ones).
    for (int j = 0; j < 20; ++j)
        for (int i = 0; i < 360; ++i) map.setPixel(i, j, qrgb(green));

    DiscRenderer r(DiscRenderer::kMercuryVenus);
    const QImage img = render(r, map, lc, 0.0, 3);
    const Stats column = statsOfColour(img, red);
    ASSERT_GT(column.count, 100);
    EXPECT_GE(column.minX, 99);
    EXPECT_LE(column.maxX, 100);
    // Toward the poles the next columns' dots cover it, but it runs through
    // the middle latitudes of both hemispheres.
    EXPECT_LE(column.minY, 100 - 40);
    EXPECT_GE(column.maxY, 100 + 40);

    const Stats top = statsOfColour(img, green);
    ASSERT_GT(top.count, 0);
    EXPECT_LE(top.maxY, 100 - static_cast<int>(80 * std::sin(toRad(70.0))));
    EXPECT_NEAR(top.meanX, 99.5, 1.0);
    const Stats disc = statsOfNonBlack(img);
    EXPECT_EQ(disc.minY, top.minY);

    // Code 0 turns the picture round: the same column still at the centre,
    // the top row now at the bottom.
    const QImage turned = render(r, map, lc, 0.0, 0);
    const Stats column0 = statsOfColour(turned, red);
    EXPECT_GE(column0.minX, 99);
    EXPECT_LE(column0.maxX, 100);
    EXPECT_GE(statsOfColour(turned, green).minY, 100 + static_cast<int>(80 * std::sin(toRad(70.0))) - 1);
}

// The Uranus map's bright band at 30 degrees north, seen nearly pole-on, is
// the arc the window shows: it must stand at its own latitude. Row j of a
// map holds latitudes j - 90 to j - 89; every pixel of a one-row band is
// checked by the latitude at its centre, seen along the central meridian
// and, tilted, all round the pole.
TEST(DiscRendererMap, AOneRowBandLandsOnItsOwnDegreeOfLatitude) {
    const Rgb white{255, 255, 255};
    const int bandRow = 150;  // latitudes 60 to 61
    const QImage map = makeMap(kGreyMap, [&](int, int j) { return j == bandRow; }, white);
    for (double tiltDeg : {0.0, 73.0}) {
        for (int code : {0, 3}) {
            SCOPED_TRACE(testing::Message() << "tilt " << tiltDeg << " code " << code);
            DiscRenderer r(DiscRenderer::kMercuryVenus);
            const QImage img = render(r, map, 0.0, toRad(tiltDeg), code, 90.0f);
            // The latitude at a pixel's centre, by the inverse of the
            // projection (north up for code 0, down for code 3).
            const double sign = code == 0 ? 1.0 : -1.0;
            const double b = sign * toRad(tiltDeg);
            int band = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    if ((img.pixel(x, y) & 0xffffffu) != (qrgb(white) & 0xffffffu)) continue;
                    const double X = (x + 0.5 - 100.0) / 90.0;
                    const double Y = (100.0 - (y + 0.5)) / 90.0;
                    const double Z = std::sqrt(std::max(0.0, 1.0 - X * X - Y * Y));
                    const double lat = sign * std::asin(Y * std::cos(b) + Z * std::sin(b)) * 180.0 / kPi;
                    EXPECT_GE(lat, 60.0 - 1e-9) << x << "," << y;
                    EXPECT_LT(lat, 61.0 + 1e-9) << x << "," << y;
                    ++band;
                }
            EXPECT_GT(band, 20);
        }
    }
}

TEST(DiscRendererMap, ProjectionCodesMirrorThePicture) {
    // A mark off the centre in both directions, on a tilted globe.
    const QImage map = makeMap(kGreyMap, [](int i, int j) {
        return i >= 28 && i <= 32 && j >= 118 && j <= 122;
    });
    DiscRenderer r(DiscRenderer::kMercuryVenus);
    const double tilt = 0.3;
    const Stats s3 = statsOfColour(render(r, map, 10, tilt, 3), kMark);
    const Stats s1 = statsOfColour(render(r, map, 10, tilt, 1), kMark);
    const Stats s2 = statsOfColour(render(r, map, 10, tilt, 2), kMark);
    const Stats s0 = statsOfColour(render(r, map, 10, tilt, 0), kMark);
    ASSERT_GT(s3.count, 10);
    // Code 3 is the map as stored: longitude grows to the right, row 120
    // (latitude +30) lies in the lower half, lowered further by the tilt.
    EXPECT_GT(s3.meanX, 110.0);
    EXPECT_GT(s3.meanY, 115.0);
    // The 2 x 2 dots reach one pixel up and left, so mirrored places agree
    // within a pixel and a half.
    const double c = 99.5;
    EXPECT_NEAR(s1.meanX, s3.meanX, 1.5);
    EXPECT_NEAR(s1.meanY, 2 * c - s3.meanY, 1.5);
    EXPECT_NEAR(s2.meanX, 2 * c - s3.meanX, 1.5);
    EXPECT_NEAR(s2.meanY, s3.meanY, 1.5);
    EXPECT_NEAR(s0.meanX, 2 * c - s3.meanX, 1.5);
    EXPECT_NEAR(s0.meanY, 2 * c - s3.meanY, 1.5);
}

TEST(DiscRendererMap, PoleAngleTurnsMarsAndTheMoonTowardTheEastOfTheSky) {
    // A mark near the north pole (rows 168..172 are latitudes +78..+82).
    const QImage map = makeMap(kGreyMap, [](int, int j) { return j >= 168 && j <= 172; });
    // The Moon's axis is turned on the sky as the planets' poles are.
    for (const int kind : {DiscRenderer::kMars, DiscRenderer::kMoon}) {
        SCOPED_TRACE(kind);
        DiscRenderer body(kind);
        body.setPositionAngle(toRad(30.0));
        // Code 0: north up, east on the left; the pole leans to the left.
        const Stats s0 = statsOfColour(render(body, map, 0, 0.0, 0), kMark);
        EXPECT_LT(s0.meanX, 99.5 - 30.0);
        EXPECT_LT(s0.meanY, 50.0);
        // Code 1 mirrors left and right: the pole leans to the right.
        const Stats s1 = statsOfColour(render(body, map, 0, 0.0, 1), kMark);
        EXPECT_GT(s1.meanX, 99.5 + 30.0);
        EXPECT_LT(s1.meanY, 50.0);
        // Code 3 is code 0 turned half round.
        const Stats s3 = statsOfColour(render(body, map, 0, 0.0, 3), kMark);
        EXPECT_NEAR(s3.meanX, 199.0 - s0.meanX, 1.5);
        EXPECT_NEAR(s3.meanY, 199.0 - s0.meanY, 1.5);
    }

    // Mercury and Venus are never turned.
    DiscRenderer venus(DiscRenderer::kMercuryVenus);
    venus.setPositionAngle(toRad(30.0));
    EXPECT_NEAR(statsOfColour(render(venus, map, 0, 0.0, 0), kMark).meanX, 99.5, 1.0);
}

// ---- phases ---------------------------------------------------------------------

const Rgb kWhite{255, 255, 255};

// The Sun east (chi = 90) or west (chi = 270) of a body on the equator.
DiscTerminator shadingFor(double k, bool sunEast, int code) {
    const double alpha = 1.0;
    return DiscRenderer::terminatorAngle(sunEast ? alpha + 0.5 : alpha - 0.5, 0.0, alpha, 0.0, k,
                                         code);
}

int litCount(double k, bool sunEast, int code, double tilt = 0.0) {
    DiscRenderer r(DiscRenderer::kMercuryVenus);
    const QImage img =
        render(r, makeMap(kWhite), 0, tilt, code, 100.0f, shadingFor(k, sunEast, code));
    return statsOfColour(img, kWhite).count;
}

TEST(DiscRendererPhase, FullDiscStaysLitWhicheverSideTheSunIs) {
    DiscRenderer r(DiscRenderer::kMercuryVenus);
    const int whole = statsOfColour(render(r, makeMap(kWhite), 0, 0.0, 0, 100.0f), kWhite).count;
    for (int code = 0; code <= 3; ++code) {
        for (bool east : {true, false}) {
            const DiscTerminator t = shadingFor(1.0, east, code);
            EXPECT_EQ(t.angle, 0);
            // Terminator on the limb: every seed lies behind it.
            EXPECT_GE(std::abs(t.seedLongitude), 90) << "code " << code << " east " << east;
            // Only the terminator's pen, drawn just outside the limb, may
            // graze a few edge pixels.
            EXPECT_GT(litCount(1.0, east, code), whole - 20) << "code " << code << " east " << east;
        }
    }
}

TEST(DiscRendererPhase, HalfDiscIsCutByTheLineThroughThePoles) {
    struct Case {
        int code;
        bool sunEast;
        bool litOnLeft;
    };
    // East is on the left with codes 0 and 2, on the right with 1 and 3.
    for (const Case c : {Case{0, true, true}, Case{3, true, false}, Case{1, true, false},
                         Case{2, true, true}, Case{0, false, false}, Case{3, false, true}}) {
        DiscRenderer r(DiscRenderer::kMercuryVenus);
        const QImage img = render(r, makeMap(kWhite), 0, 0.0, c.code, 100.0f,
                                  shadingFor(0.5, c.sunEast, c.code));
        for (int y = 30; y <= 170; y += 10) {
            int leftLit = 0;
            int rightLit = 0;
            for (int x = 0; x < 200; ++x) {
                if ((img.pixel(x, y) & 0xffffffu) == 0xffffffu) (x < 100 ? leftLit : rightLit)++;
            }
            const int lit = c.litOnLeft ? leftLit : rightLit;
            const int dark = c.litOnLeft ? rightLit : leftLit;
            EXPECT_EQ(dark, 0) << "code " << c.code << " row " << y;
            // The lit half reaches the central vertical within two pixels.
            const int halfChord = static_cast<int>(std::sqrt(100.0 * 100.0 - (y - 100.0) * (y - 100.0)));
            EXPECT_GE(lit, halfChord - 3) << "code " << c.code << " row " << y;
        }
    }
}

TEST(DiscRendererPhase, LitPixelsFollowTheIlluminatedFraction) {
    DiscRenderer r(DiscRenderer::kMercuryVenus);
    const double whole = statsOfColour(render(r, makeMap(kWhite), 0, 0.2, 0, 100.0f), kWhite).count;
    for (double k : {0.1, 0.25, 0.4, 0.6, 0.75, 0.9}) {
        for (int code : {0, 3}) {
            for (bool east : {true, false}) {
                const double lit = litCount(k, east, code, 0.2) / whole;
                EXPECT_NEAR(lit, k, 0.03) << "k " << k << " code " << code << " east " << east;
            }
        }
    }
}

TEST(DiscRendererPhase, CrescentLitOnTheSideOfTheSun) {
    // Sun east: with code 0 (east on the left) the lit crescent is on the left.
    DiscRenderer r(DiscRenderer::kMercuryVenus);
    const QImage img =
        render(r, makeMap(kWhite), 0, 0.0, 0, 100.0f, shadingFor(0.2, true, 0));
    const Stats lit = statsOfColour(img, kWhite);
    EXPECT_LT(lit.meanX, 40.0);
    // The cusps reach the poles, on the central vertical.
    EXPECT_LE(lit.maxX, 100);
}

// Counts the 8-connected groups of pixels of one colour.
int componentsOfColour(const QImage& img, Rgb c) {
    const QRgb want = qrgb(c) | 0xff000000u;
    std::vector<char> seen(static_cast<size_t>(img.width() * img.height()), 0);
    int groups = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if ((img.pixel(x, y) | 0xff000000u) != want || seen[static_cast<size_t>(y * img.width() + x)]) continue;
            ++groups;
            std::vector<std::pair<int, int>> stack{{x, y}};
            seen[static_cast<size_t>(y * img.width() + x)] = 1;
            while (!stack.empty()) {
                const auto [px, py] = stack.back();
                stack.pop_back();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = px + dx, ny = py + dy;
                        if (nx < 0 || ny < 0 || nx >= img.width() || ny >= img.height()) continue;
                        const size_t k = static_cast<size_t>(ny * img.width() + nx);
                        if (seen[k] || (img.pixel(nx, ny) | 0xff000000u) != want) continue;
                        seen[k] = 1;
                        stack.push_back({nx, ny});
                    }
            }
        }
    return groups;
}

TEST(DiscRendererPhase, ThinCrescentIsOneContinuousLitLimb) {
    // Mercury a day from inferior conjunction shows 2 % of its disc lit.
    for (int code : {0, 3}) {
        for (bool east : {true, false}) {
            for (double k : {0.019, 0.005}) {
                DiscRenderer r(DiscRenderer::kMercuryVenus);
                const QImage img =
                    render(r, makeMap(kWhite), 0, 0.1, code, 100.0f, shadingFor(k, east, code));
                const Stats lit = statsOfColour(img, kWhite);
                ASSERT_GT(lit.count, 50) << "k " << k << " code " << code;
                EXPECT_EQ(componentsOfColour(img, kWhite), 1) << "k " << k << " code " << code;
                // From cusp to cusp: almost the whole height of the disc.
                EXPECT_LE(lit.minY, 100 - 90) << "k " << k << " code " << code;
                EXPECT_GE(lit.maxY, 100 + 89) << "k " << k << " code " << code;
                // A sliver at the limb: 2k of the radius at the equator,
                // no wider than a pixel towards the cusps.
                EXPECT_LT(lit.count, 2.5 * k * 100 * 200 + 2 * 200) << "k " << k << " code " << code;
                // (A half circle of the limb has its centroid 2r/pi from the centre.)
                EXPECT_TRUE(lit.meanX < 40 || lit.meanX > 159) << "k " << k << " code " << code;
            }
        }
    }
}

TEST(DiscRendererMap, SmallDiscIsRoundAndCentred) {
    // Uranus at the smallest zoom, turned by its pole angle.
    for (int kind : {DiscRenderer::kUranus, DiscRenderer::kMercuryVenus}) {
        DiscRenderer r(kind);
        r.setPositionAngle(toRad(-90.3));
        const QImage img = render(r, makeMap(kWhite), 282, 1.05, 0, 10.0f);
        int mismatches = 0;
        for (int y = 80; y < 120; ++y)
            for (int x = 80; x < 120; ++x) {
                const double dx = x + 0.5 - 100.0, dy = y + 0.5 - 100.0;
                const bool inside = dx * dx + dy * dy < 100.0;
                const bool painted = (img.pixel(x, y) & 0xffffffu) != 0;
                if (inside != painted) ++mismatches;
            }
        EXPECT_EQ(mismatches, 0) << "kind " << kind;
        // An octagon has long straight sides; a circle of radius 10 has its
        // widest row only a few pixels long.
        int widestRows = 0;
        const Stats disc = statsOfNonBlack(img);
        for (int y = disc.minY; y <= disc.maxY; ++y) {
            int width = 0;
            for (int x = 0; x < 200; ++x) width += (img.pixel(x, y) & 0xffffffu) != 0;
            if (width == disc.maxX - disc.minX + 1) ++widestRows;
        }
        EXPECT_LE(widestRows, 6);
        EXPECT_EQ(disc.minX + disc.maxX, 199);
        EXPECT_EQ(disc.minY + disc.maxY, 199);
    }
}

TEST(DiscRendererMap, PolarScaleFlattensTheGlobe) {
    DiscRenderer r(DiscRenderer::kJupiter);
    r.setPolarScale(1.0 / 1.071374);
    const Stats disc = statsOfNonBlack(render(r, makeMap(kWhite), 0, 0.0, 0, 98.0f));
    EXPECT_EQ(disc.maxX - disc.minX + 1, 196);
    EXPECT_NEAR(disc.maxY - disc.minY + 1, 2 * 98.0 / 1.071374, 1.0);
}

// The night side of a planet turned by its pole is shaded toward the Sun's
// true direction on the sky: any position angle of the bright limb, any
// radius, each projection code placing east and north on the screen.
TEST(DiscRendererPhase, NightSideShareAndDirectionFollowTheSun) {
    const QImage map = makeMap(kWhite);
    for (float radius : {40.0f, 80.0f}) {
        for (int code = 0; code <= 3; ++code) {
            const double eastX = (code == 1 || code == 3) ? 1.0 : -1.0;
            const double northY = (code == 0 || code == 1) ? -1.0 : 1.0;
            for (double chiDeg : {0.0, 60.0, 135.0, 250.0}) {
                for (double k : {0.5, 0.84, 0.95}) {
                    DiscRenderer r(DiscRenderer::kMars);
                    r.setPositionAngle(toRad(-20.0));
                    DrawingSurface s(200, 200);
                    r.setCentre(100.0f, 100.0f);
                    r.setRadius(radius);
                    r.paintMap(s, 40.0, 0.3, code, map);
                    const QImage full = s.image().copy();
                    const double whole = statsOfColour(full, kWhite).count;
                    r.shadeNightSide(s, toRad(chiDeg), k, code);
                    const Stats lit = statsOfColour(s.image(), kWhite);
                    const char* what = "radius/code/chi/k";
                    // A pixel at the limb weighs more on the smaller disc.
                    EXPECT_NEAR(lit.count / whole, k, radius < 50.0f ? 0.03 : 0.015)
                        << what << " " << radius << " " << code << " " << chiDeg << " " << k;
                    // What was darkened lies away from the bright limb.
                    const QImage shaded = s.image();
                    double dx = 0.0;
                    double dy = 0.0;
                    int dark = 0;
                    for (int y = 0; y < 200; ++y)
                        for (int x = 0; x < 200; ++x)
                            if (full.pixel(x, y) != shaded.pixel(x, y)) {
                                dx -= x - 99.5;
                                dy -= y - 99.5;
                                ++dark;
                            }
                    ASSERT_GT(dark, 0);
                    const double ex = eastX * std::sin(toRad(chiDeg));
                    const double ey = northY * std::cos(toRad(chiDeg));
                    const double off = std::atan2(dx * ey - dy * ex, dx * ex + dy * ey) * kDegPerRad;
                    EXPECT_LT(std::fabs(off), 5.0)
                        << what << " " << radius << " " << code << " " << chiDeg << " " << k;
                }
            }
        }
    }
}

TEST(DiscRendererPhase, BrightLimbAngleOfABodyWestOfTheSun) {
    // The Sun due east of the body on the equator: the bright limb faces
    // east (90 deg); due west, 270; north of it, 0.
    EXPECT_NEAR(DiscRenderer::brightLimbAngle(toRad(30.0), 0.0, toRad(10.0), 0.0) * kDegPerRad, 90.0, 1e-6);
    EXPECT_NEAR(DiscRenderer::brightLimbAngle(toRad(350.0), 0.0, toRad(10.0), 0.0) * kDegPerRad, 270.0, 1e-6);
    EXPECT_NEAR(DiscRenderer::brightLimbAngle(toRad(10.0), toRad(20.0), toRad(10.0), 0.0) * kDegPerRad, 0.0, 1e-6);
}

// ---- outlines ----------------------------------------------------------------------

TEST(DiscRendererOutline, SegmentChoiceDrawsMeridiansAndBothDirections) {
    DiscRenderer r(DiscRenderer::kMercuryVenus);
    r.setCentre(100.0f, 100.0f);
    r.setRadius(80.0f);
    r.setTilt(0.0);
    r.setSegments(20);
    r.setDrawMode(DiscRenderer::kLine);
    auto drawn = [&](int lon1, int lat1, int lon2, int lat2) {
        DrawingSurface s(200, 200);
        s.setPen(PenStyle::Solid, 1, kMark);
        r.drawSegment(s, lon1, lat1, lon2, lat2);
        return statsOfColour(s.image(), kMark);
    };
    // Same longitude: a vertical line at that longitude's column.
    const Stats meridian = drawn(0, -30, 0, 40);
    EXPECT_EQ(meridian.minX, 100);
    EXPECT_EQ(meridian.maxX, 100);
    EXPECT_NEAR(meridian.minY, 100 - 80 * std::sin(toRad(40.0)), 1.0);
    EXPECT_NEAR(meridian.maxY, 100 + 80 * std::sin(toRad(30.0)), 1.0);
    // A great circle runs whichever end comes first.
    const Stats east = drawn(-30, 10, 30, 10);
    const Stats west = drawn(30, 10, -30, 10);
    ASSERT_GT(east.count, 40);
    EXPECT_EQ(west.count, east.count);
    EXPECT_EQ(west.minX, east.minX);
    EXPECT_EQ(west.maxX, east.maxX);
    // Opposite longitudes go over the nearer pole: from (0, 60) over the north
    // pole to (180, 60) stays on the central meridian's line.
    const Stats overPole = drawn(0, 60, 180, 60);
    EXPECT_EQ(overPole.minX, 100);
    EXPECT_EQ(overPole.maxX, 100);
    EXPECT_LE(overPole.minY, 21);
}

TEST(DiscRendererOutline, RedSpotLandsOnItsLongitudeFilledAndClosed) {
    const Rgb spot{234, 107, 72};
    for (int longitude : {0, 42, 300}) {
        DiscRenderer r(DiscRenderer::kJupiter);
        DrawingSurface s(200, 200);
        s.setPen(PenStyle::Solid, 1, kGreyMap);
        s.setBrush(kGreyMap);
        s.ellipse(4, 4, 196, 196);
        r.setCentre(100.0f, 100.0f);
        r.setRadius(96.0f);
        // Central longitude on the spot: it sits on the central meridian,
        // south of the equator, which code 3 shows at the top.
        r.drawRedSpot(s, longitude, 3, longitude);
        const Stats filled = statsOfColour(s.image(), spot);
        ASSERT_GT(filled.count, 100) << longitude;
        EXPECT_LT(filled.count, 1500) << "the fill leaked, longitude " << longitude;
        EXPECT_NEAR(filled.meanX, 100.0, 3.0) << longitude;
        EXPECT_NEAR(filled.meanY, 100.0 - 96.0 * std::sin(toRad(22.0)), 4.0) << longitude;
        // No black border is left round it.
        EXPECT_EQ(statsOfColour(s.image(), Rgb{0, 0, 0}).count,
                  statsOfColour([] {
                      DrawingSurface blank(200, 200);
                      blank.setPen(PenStyle::Solid, 1, kGreyMap);
                      blank.setBrush(kGreyMap);
                      blank.ellipse(4, 4, 196, 196);
                      return blank.image().copy();
                  }(), Rgb{0, 0, 0}).count)
            << longitude;
    }
    // Code 0 puts the south at the bottom and east-west round.
    DiscRenderer r(DiscRenderer::kJupiter);
    DrawingSurface s(200, 200);
    s.setPen(PenStyle::Solid, 1, kGreyMap);
    s.setBrush(kGreyMap);
    s.ellipse(4, 4, 196, 196);
    r.setCentre(100.0f, 100.0f);
    r.setRadius(96.0f);
    r.drawRedSpot(s, 20, 0, 0);
    const Stats filled = statsOfColour(s.image(), spot);
    ASSERT_GT(filled.count, 100);
    EXPECT_GT(filled.meanY, 120.0);
    // Central longitude 20 and the spot at 0: with code 0 lower longitudes lie
    // to the right of the centre.
    EXPECT_NEAR(filled.meanX, 100.0 + 96.0 * std::sin(toRad(20.0)) * std::cos(toRad(22.0)), 4.0);
}

// ---- Saturn and pictures --------------------------------------------------------------

TEST(DiscRendererSaturn, RingRadiiForAGlobeOf60Pixels) {
    const auto ring = DiscRenderer::saturnRingRadii(60.0f);
    EXPECT_FLOAT_EQ(ring[0], 151.0f);
    EXPECT_FLOAT_EQ(ring[1], 136.0f);
    EXPECT_FLOAT_EQ(ring[2], 131.5f);
    EXPECT_FLOAT_EQ(ring[3], 106.5f);
}

TEST(DiscRendererSaturn, RingsFilledBetweenTheirEdgesAndEquatorInFront) {
    const Rgb yellow{255, 255, 0};
    DiscRenderer r(DiscRenderer::kSaturn);
    DrawingSurface s(400, 200);
    s.setPen(PenStyle::Solid, 1, yellow);
    s.setBrush(yellow);
    s.ellipse(140, 45, 260, 155);
    r.setCentre(200.0f, 100.0f);
    r.setRadius(60.0f);
    r.drawSaturnEquator(s, 0.4, 1, 0);
    const QImage img = s.image();
    auto at = [&](int x, int y) { return Rgb{qRed(img.pixel(x, y)), qGreen(img.pixel(x, y)), qBlue(img.pixel(x, y))}; };
    // Ring A between 136 and 151 pixels, the Cassini division black, ring B
    // from 106.5 to 131.5.
    EXPECT_EQ(at(200 + 143, 100), yellow);
    EXPECT_EQ(at(200 - 143, 100), yellow);
    EXPECT_EQ(at(200 + 134, 100), (Rgb{0, 0, 0}));
    EXPECT_EQ(at(200 + 119, 100), yellow);
    EXPECT_EQ(at(200 + 100, 100), (Rgb{0, 0, 0}));
    // The equator crosses the front of the globe in blue: with the rings'
    // north face seen (code 0, tilt > 0) the near side lies below the centre.
    const Stats blue = statsOfColour(img, Rgb{0, 0, 255});
    ASSERT_GT(blue.count, 40);
    EXPECT_GT(blue.meanY, 110.0);
    EXPECT_GT(blue.minY, 95);
    EXPECT_EQ(r.bodyKind(), DiscRenderer::kSaturn);
    EXPECT_FLOAT_EQ(r.radius(), 60.0f);

    // Rings edge-on: only the equator is drawn.
    DrawingSurface flat(400, 200);
    r.drawSaturnEquator(flat, 0.005, 1, 0);
    EXPECT_EQ(statsOfColour(flat.image(), yellow).count, 0);
    EXPECT_GT(statsOfColour(flat.image(), Rgb{0, 0, 255}).count, 40);
}

TEST(DiscRendererPicture, MirrorVariants) {
    QImage src(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) src.setPixel(x, y, qRgb(x * 10, y * 10, 0));
    const QRect rect(1, 0, 3, 2);  // columns 1..3, rows 0..1
    const QImage lr = DiscRenderer::mirrorPicture(src, rect, DiscRenderer::Mirror::LeftRight);
    ASSERT_EQ(lr.size(), QSize(3, 2));
    EXPECT_EQ(lr.pixel(0, 0), qRgb(30, 0, 0));
    EXPECT_EQ(lr.pixel(2, 1), qRgb(10, 10, 0));
    const QImage tb = DiscRenderer::mirrorPicture(src, rect, DiscRenderer::Mirror::TopBottom);
    EXPECT_EQ(tb.pixel(0, 0), qRgb(10, 10, 0));
    EXPECT_EQ(tb.pixel(2, 1), qRgb(30, 0, 0));
    const QImage both = DiscRenderer::mirrorPicture(src, rect, DiscRenderer::Mirror::Both);
    EXPECT_EQ(both.pixel(0, 0), qRgb(30, 10, 0));
    EXPECT_EQ(both.pixel(2, 1), qRgb(10, 0, 0));
}

}  // namespace
}  // namespace vantorel
