// The planet window pictures: the disc at the window's centre and size, and
// the satellites placed by their offsets for each projection.
#include <QImage>

#include <gtest/gtest.h>

#include "common/paint/DrawingSurface.h"
#include "common/settings/Settings.h"
#include "engine/Planet.h"
#include "planets/MarsDocument.h"
#include "planets/UranusDocument.h"
#include "planets/VenusDocument.h"
#include "planets/paint/PlanetPicture.h"
#include "tests/support/TempWorkingDir.h"

namespace vantorel {
namespace {

Settings site() {
    Settings s;
    s.language = 0;
    s.latitude = 45.0f;
    s.zoneHours = 1;
    return s;
}

TEST(PlanetPicture, DiscFillsTheZoomAtTheCentre) {
    TempWorkingDir dir;
    Settings settings = site();
    MarsDocument doc(DateTime{}, settings);
    doc.dt.setLocal(2005, 11, 7, 23, 0, 1, 0);
    doc.computeBody();
    EXPECT_FALSE(doc.satellitesAvailable);  // no record files here
    for (float zoom : {20.0f, 80.0f}) {
        DrawingSurface s(241, 201);
        DiscRenderer r(planetStyle(doc).rendererKind);
        EXPECT_TRUE(paintPlanetPicture(s, doc, r, zoom).empty());
        const QImage img = s.image();
        int minX = 1000, maxX = -1, minY = 1000, maxY = -1;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if ((img.pixel(x, y) & 0xffffffu) != 0) {
                    minX = std::min(minX, x);
                    maxX = std::max(maxX, x);
                    minY = std::min(minY, y);
                    maxY = std::max(maxY, y);
                }
        EXPECT_NEAR((minX + maxX) / 2.0, 120.0, 1.5) << zoom;
        EXPECT_NEAR((minY + maxY) / 2.0, 100.0, 1.5) << zoom;
        EXPECT_NEAR(maxX - minX, 2 * zoom, 3.0) << zoom;
        EXPECT_NEAR(maxY - minY, 2 * zoom, 3.0) << zoom;
    }
}

TEST(PlanetPicture, SatellitesFollowTheirOffsetsAndTheProjection) {
    TempWorkingDir dir;
    Settings settings = site();
    MarsDocument doc(DateTime{}, settings);
    doc.dt.setLocal(2005, 11, 7, 23, 0, 1, 0);
    doc.computeBody();
    doc.satellitesAvailable = true;
    // Phobos 10" east and 4" north of the centre; Deimos not known.
    doc.satellites = {{true, 10.0, 4.0}, {false, 0.0, 0.0}};
    const double k = 2.0 * 80.0 / doc.body().diameterArcsec;
    struct Case {
        int code, xSign, ySign;
    };
    for (const Case c : {Case{0, -1, -1}, Case{1, 1, -1}, Case{2, -1, 1}, Case{3, 1, 1}}) {
        doc.projection = c.code;
        DrawingSurface s(300, 300);
        DiscRenderer r(DiscRenderer::kMars);
        const auto spots = paintPlanetPicture(s, doc, r, 80.0f);
        ASSERT_EQ(spots.size(), 1u);
        EXPECT_EQ(spots[0].index, 0);
        EXPECT_EQ(spots[0].x, 150 + static_cast<int>(c.xSign * 10.0 * k)) << c.code;
        EXPECT_EQ(spots[0].y, 150 + static_cast<int>(c.ySign * 4.0 * k)) << c.code;
        // Phobos is red where it is drawn.
        EXPECT_EQ(s.pixel(spots[0].x, spots[0].y), (Rgb{255, 0, 0})) << c.code;
    }
    doc.satellitesAvailable = false;
    DrawingSurface s(300, 300);
    DiscRenderer r(DiscRenderer::kMars);
    EXPECT_TRUE(paintPlanetPicture(s, doc, r, 80.0f).empty());
}

// Mars on 2024-10-15 is 87.8 % lit with the Sun far to its east: the
// picture is a gibbous disc, dark on the western limb, whichever way the
// projection turns it.
TEST(PlanetPicture, MarsShowsItsPhaseOnTheSideAwayFromTheSun) {
    Settings settings = site();
    MarsDocument doc(DateTime{}, settings);
    doc.dt.setLocal(2024, 10, 15, 22, 0, 2, 0);
    doc.computeBody();
    ASSERT_NEAR(doc.body().illumination, 0.878, 0.002);
    for (int code : {0, 3}) {
        doc.projection = code;
        DrawingSurface s(260, 260);
        DiscRenderer r(DiscRenderer::kMars);
        paintPlanetPicture(s, doc, r, 80.0f);
        // The same disc without shading, for the share.
        DrawingSurface full(260, 260);
        DiscRenderer unshaded(DiscRenderer::kMars);
        unshaded.setCentre(130.0f, 130.0f);
        unshaded.setRadius(80.0f);
        unshaded.setPositionAngle(doc.body().positionAngle);
        unshaded.paintMap(full, doc.body().centralLongitudeDeg, doc.body().poleInclination, code,
                          bodyMap(BodyMap::Mars));
        int lit = 0;
        int whole = 0;
        double darkX = 0.0;
        int dark = 0;
        for (int y = 0; y < 260; ++y)
            for (int x = 0; x < 260; ++x) {
                const bool painted = !(full.pixel(x, y) == Rgb{0, 0, 0});
                const bool shown = !(s.pixel(x, y) == Rgb{0, 0, 0});
                whole += painted;
                lit += shown && painted;
                if (painted && !shown) {
                    darkX += x;
                    ++dark;
                }
            }
        EXPECT_NEAR(static_cast<double>(lit) / whole, 0.878, 0.015) << code;
        ASSERT_GT(dark, 0) << code;
        // East is left with code 0 and right with code 3; the night side
        // is on the west.
        if (code == 0) {
            EXPECT_GT(darkX / dark, 130.0 + 40.0);
        } else {
            EXPECT_LT(darkX / dark, 130.0 - 40.0);
        }
    }
}

TEST(PlanetPicture, UranusStaysFull) {
    Settings settings = site();
    UranusDocument doc(DateTime{}, settings);
    doc.dt.setLocal(2024, 10, 15, 22, 0, 2, 0);
    doc.computeBody();
    DrawingSurface s(200, 200);
    DiscRenderer r(planetStyle(doc).rendererKind);
    EXPECT_FALSE(planetStyle(doc).shadesNightSide);
    paintPlanetPicture(s, doc, r, 80.0f);
    // Both limbs on the middle row are painted.
    EXPECT_FALSE(s.pixel(100 - 75, 100) == (Rgb{0, 0, 0}));
    EXPECT_FALSE(s.pixel(100 + 75, 100) == (Rgb{0, 0, 0}));
}

TEST(PlanetPicture, PrintingDrawsOnWhite) {
    Settings settings = site();
    VenusDocument doc(DateTime{}, settings);
    doc.dt.setLocal(2020, 5, 20, 12, 0, 1, 0);
    doc.computeBody();
    DrawingSurface s(260, 260);
    DiscRenderer r(DiscRenderer::kMercuryVenus);
    r.whiteBackground = true;
    paintPlanetPicture(s, doc, r, 100.0f);
    EXPECT_EQ(s.pixel(2, 2), (Rgb{255, 255, 255}));
    // Venus four days before inferior conjunction: a thin crescent, most
    // of the disc dark.
    EXPECT_LT(doc.body().illumination, 0.1);
    EXPECT_EQ(s.pixel(130, 130), (Rgb{0, 0, 0}));
    // The night side's fill stayed inside the disc.
    EXPECT_EQ(s.pixel(130, 20), (Rgb{255, 255, 255}));
    EXPECT_EQ(s.pixel(250, 130), (Rgb{255, 255, 255}));
}

}  // namespace
}  // namespace vantorel
