// The Jupiter pictures checked by their geometry at instants taken from the
// phenomenon search: Io and its shadow on the disc on 16 January 2024 near
// 18:00 UT (shadow ingress 17:44, transit egress 18:34), Io and Europa behind
// the disc on 15 January 2024 at 20:00 UT (occultations from 19:09 and 19:14).
#include <QImage>

#include <gtest/gtest.h>

#include "common/paint/DrawingSurface.h"
#include "common/settings/Settings.h"
#include "satellites/JupiterDocument.h"
#include "satellites/JupiterSystem.h"
#include "satellites/paint/JupiterPicture.h"
#include "tests/support/TempWorkingDir.h"

using namespace vantorel;

namespace {

struct Picture {
    TempWorkingDir wd;  // the Red Spot reference writes the settings file
    Settings settings;
    JupiterDocument doc;
    DrawingSurface surface{300, 280};
    DiscRenderer renderer{DiscRenderer::kJupiter};
    JupiterPictureLayout layout;

    Picture(int day, int hour, int minute, int projection = 0) : doc(DateTime{}, settings) {
        doc.dt.setLocal(2024, 1, day, hour, minute, 0, 0);
        doc.computeBody();
        doc.projection = projection;
    }
    // Level 0: the globe fills the picture.
    const JupiterPictureLayout& paint(int level = 0) {
        layout = paintJupiterPicture(surface, doc, renderer, level);
        return layout;
    }
    Rgb at(int x, int y) { return surface.pixel(x, y).value_or(Rgb{-1, -1, -1}); }
    bool onDisc(int x, int y) const {
        const double u = (x - layout.centreX) / layout.equatorialRadius;
        const double v = (y - layout.centreY) / layout.polarRadius;
        return u * u + v * v < 1.0;
    }
};

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kIoRed{255, 0, 0};
constexpr Rgb kSpot{234, 107, 72};

}  // namespace

TEST(JupiterPicture, ShadowTransitShowsTheShadowOnTheDiscAndIoInFront) {
    for (int code = 0; code <= 3; ++code) {
        Picture p(16, 18, 0, code);
        const JupiterPictureLayout& l = p.paint();
        ASSERT_TRUE(l.shadows[0].drawn) << code;
        EXPECT_TRUE(p.onDisc(l.shadows[0].x, l.shadows[0].y)) << code;
        EXPECT_EQ(p.at(l.shadows[0].x, l.shadows[0].y), kBlack) << code;
        ASSERT_TRUE(l.satellites[0].drawn) << code;
        EXPECT_TRUE(p.onDisc(l.satellites[0].x, l.satellites[0].y)) << code;
        EXPECT_EQ(p.at(l.satellites[0].x, l.satellites[0].y), kIoRed) << code;
        // No other shadow falls on Jupiter then.
        for (int i = 1; i < 4; ++i) EXPECT_FALSE(l.shadows[static_cast<size_t>(i)].drawn) << code;
    }
    // After the transit's egress Io stands beside the disc, its shadow still on it.
    Picture after(16, 19, 0);
    const JupiterPictureLayout& l = after.paint();
    EXPECT_TRUE(l.shadows[0].drawn);
    ASSERT_TRUE(l.satellites[0].drawn);
    EXPECT_FALSE(after.onDisc(l.satellites[0].x, l.satellites[0].y));
}

TEST(JupiterPicture, OccultedSatellitesAreNotDrawn) {
    Picture p(15, 20, 0);
    const JupiterPictureLayout& l = p.paint();
    EXPECT_FALSE(l.satellites[0].drawn);
    EXPECT_FALSE(l.satellites[1].drawn);
    EXPECT_TRUE(l.satellites[2].drawn);
    EXPECT_TRUE(l.satellites[3].drawn);
    // Behind the disc: no red dot anywhere off the globe.
    int red = 0;
    for (int y = 0; y < 280; ++y)
        for (int x = 0; x < 300; ++x)
            if (!p.onDisc(x, y) && p.at(x, y) == kIoRed) ++red;
    EXPECT_EQ(red, 0);
}

TEST(JupiterPicture, DiscIsFlattenedAndTheSatellitesShareItsScale) {
    Picture p(16, 18, 0, 3);
    const JupiterPictureLayout& l = p.paint();
    EXPECT_EQ(l.centreX, 150);
    EXPECT_EQ(l.centreY, 140);
    // The globe fills the height less two pixels either side.
    EXPECT_NEAR(l.polarRadius, 138.0, 0.01);
    EXPECT_NEAR(l.equatorialRadius, 138.0 * kJupiterFlattening, 0.01);
    // Its painted extent.
    const int rx = static_cast<int>(l.equatorialRadius);
    const int ry = static_cast<int>(l.polarRadius);
    EXPECT_NE(p.at(150 + rx - 2, 140), kBlack);
    EXPECT_EQ(p.at(150 + rx + 2, 140), kBlack);
    EXPECT_NE(p.at(150, 140 - ry + 3), kBlack);
    EXPECT_EQ(p.at(150, 140 - ry - 1), kBlack);
    // A satellite lands the disc's radius in pixels per Jupiter radius from
    // the centre, on every level.
    const JupiterSystem& j = p.doc.planet();
    for (int level = 0; level < JupiterZoom::kLevels; ++level) {
        const JupiterPictureLayout& z = p.paint(level);
        EXPECT_EQ(z.zoomLevel, level);
        EXPECT_DOUBLE_EQ(z.equatorialRadius, JupiterZoom::discRadius(level, 300, 280));
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(z.satellites[i].x, 150 - static_cast<int>(z.equatorialRadius * j.AX[i]))
                << level << " " << i;
            EXPECT_EQ(z.satellites[i].y, 140 + static_cast<int>(z.equatorialRadius * j.AY[i]))
                << level << " " << i;
        }
    }
}

TEST(JupiterPicture, RedSpotScalesWithTheLevelAndNeverFloodsTheGlobe) {
    Picture p(16, 18, 0, 0);
    const int cm = static_cast<int>(p.doc.planet().system2Deg);
    ASSERT_TRUE(p.doc.setRedSpotLongitude(cm));
    const JupiterPictureLayout filled = p.paint(0);
    ASSERT_TRUE(filled.redSpotFacing);
    const double across = (filled.redSpotY - filled.centreY) / filled.polarRadius;
    for (int level = 0; level < JupiterZoom::kLevels; ++level) {
        const JupiterPictureLayout& l = p.paint(level);
        ASSERT_TRUE(l.redSpotFacing) << level;
        // The same place in Jupiter radii, to the pixel.
        EXPECT_NEAR(l.redSpotY - l.centreY, across * l.polarRadius, 1.5) << level;
        EXPECT_NEAR(l.redSpotX, l.centreX, 1) << level;
        // The spot's colour covers a patch of the globe, never the globe
        // (a fill escaping its outline would take it all).
        int spot = 0;
        for (int y = 0; y < 280; ++y)
            for (int x = 0; x < 300; ++x) spot += p.at(x, y) == kSpot;
        const double globe = 3.14159 * l.equatorialRadius * l.polarRadius;
        EXPECT_LT(spot, 0.05 * globe + 4) << level;
        if (l.equatorialRadius > 20) EXPECT_GT(spot, 0) << level;
    }
}

TEST(JupiterPicture, StarsStayPutAndAvoidTheGlobe) {
    Picture p(16, 18, 0);
    p.paint(JupiterZoom::kDefaultLevel);
    const QImage first = p.surface.image().copy();
    p.doc.dt.setLocal(2024, 1, 16, 18, 1, 0, 0);
    p.doc.computeBody();
    p.paint(JupiterZoom::kDefaultLevel);
    const QImage second = p.surface.image().copy();
    int stars = 0;
    for (int y = 0; y < 280; ++y)
        for (int x = 0; x < 300; ++x) {
            const QRgb c = first.pixel(x, y);
            if (qRed(c) == 255 && qGreen(c) == 255 && !p.onDisc(x, y)) {
                ++stars;
                EXPECT_EQ(second.pixel(x, y), c);
            }
        }
    // Twenty are thrown; those that fall on the globe are not drawn.
    EXPECT_GE(stars, 8);
    EXPECT_LE(stars, 20);
}

TEST(JupiterPicture, RedSpotOutlineFollowsTheReferenceLongitude) {
    Picture p(16, 18, 0, 0);
    const int cm = static_cast<int>(p.doc.planet().system2Deg);
    ASSERT_TRUE(p.doc.setRedSpotLongitude(cm));
    const JupiterPictureLayout facing = p.paint();
    EXPECT_TRUE(facing.redSpotFacing);
    // On the central meridian, 22 degrees south: below the centre with north up.
    EXPECT_NEAR(facing.redSpotX, facing.centreX, 1);
    EXPECT_GT(facing.redSpotY, facing.centreY + 25);
    EXPECT_EQ(p.at(facing.redSpotX, facing.redSpotY), kSpot);

    // 40 degrees further in longitude the spot has yet to come round to the
    // central meridian: with north up it lies to the left, on the east side.
    ASSERT_TRUE(p.doc.setRedSpotLongitude((cm + 40) % 360));
    const JupiterPictureLayout moved = p.paint();
    EXPECT_TRUE(moved.redSpotFacing);
    EXPECT_LT(moved.redSpotX, facing.redSpotX - 40);
    EXPECT_EQ(p.at(moved.redSpotX, moved.redSpotY), kSpot);
    EXPECT_NE(p.at(facing.redSpotX, facing.redSpotY), kSpot);

    // On the far side it is not drawn at all.
    ASSERT_TRUE(p.doc.setRedSpotLongitude((cm + 180) % 360));
    EXPECT_FALSE(p.paint().redSpotFacing);
    int spot = 0;
    for (int y = 0; y < 280; ++y)
        for (int x = 0; x < 300; ++x) spot += p.at(x, y) == kSpot;
    EXPECT_EQ(spot, 0);
}

TEST(JupiterStrip, ScaleLegendAndSatellites) {
    TempWorkingDir wd;
    Settings settings;
    JupiterDocument doc(DateTime{}, settings);
    doc.dt.setLocal(2024, 1, 16, 18, 0, 0, 0);
    doc.computeBody();
    DrawingSurface s(640, 140);
    const JupiterPictureLayout l = paintJupiterStrip(s, doc, false);
    // 1883000 km over 634 pixels: 2970 km a pixel, a disc of 12 pixels.
    EXPECT_EQ(l.equatorialRadius, 12.0);
    EXPECT_EQ(s.pixel(320 + 11, 72), (Rgb{255, 255, 0}));
    EXPECT_EQ(s.pixel(320 + 14, 72), (Rgb{0, 0, 0}));
    EXPECT_EQ(s.pixel(320 + 5, 70), (Rgb{0, 0, 0}));  // the equator line
    const JupiterSystem& j = doc.planet();
    for (int i = 0; i < 4; ++i) {
        const GalileanSpot& sat = l.satellites[static_cast<size_t>(i)];
        EXPECT_EQ(sat.x, 320 + static_cast<int>(12.0 * j.AX[i])) << i;  // code 0: west to the right
        EXPECT_GE(sat.x, 0);
        EXPECT_LT(sat.x, 640);
    }
    // Callisto's mean distance, 26.3 radii, reaches close to the edge.
    EXPECT_NEAR(26.33 * 12.0, 317.0, 4.0);
    // The legend's first name in red at the top left.
    const auto reddish = [](DrawingSurface& d) {
        int n = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                const Rgb c = *d.pixel(x, y);
                n += c.r > 120 && c.g < 60 && c.b < 60;
            }
        return n;
    };
    EXPECT_GT(reddish(s), 5);
    // Printing leaves the legend out.
    DrawingSurface paper(640, 140);
    paintJupiterStrip(paper, doc, true);
    EXPECT_EQ(reddish(paper), 0);
}
