// The Saturn window's picture: the near half of the rings on the side the sky
// shows, rings edge-on as the equator alone, grey rings when the Sun lights
// the other face, the zoom levels and the moons hidden behind the globe.
#include <QImage>

#include <cmath>

#include <gtest/gtest.h>

#include "common/paint/DrawingSurface.h"
#include "satellites/paint/SaturnSatPicture.h"

namespace vantorel {
namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kGrey = qRgb(128, 128, 128);

SaturnMoonSet ringsOnly(double tilt, int sameSide) {
    SaturnMoonSet set;
    set.ringTilt = tilt;
    set.sameSide = sameSide;
    // Every moon far outside the picture, so only the planet is drawn.
    for (SaturnMoonPlace& m : set.moons) m.x = 1000.0;
    return set;
}

SaturnSatDrawing paint(DrawingSurface& s, const SaturnMoonSet& set, int level, int projection) {
    DiscRenderer r(DiscRenderer::kSaturn);
    return paintSaturnSatPicture(s, set, r, level, projection);
}

// Black (ring edges in front) or blue (equator) pixels crossing the globe on
// the centre column, above and below the centre.
void countFrontLines(const QImage& img, const SaturnSatDrawing& d, int& above, int& below) {
    above = below = 0;
    const int ry = static_cast<int>(d.discRadiusY);
    for (int y = d.centreY - ry + 1; y < d.centreY + ry; ++y) {
        const QRgb c = img.pixel(d.centreX, y);
        if (c == kYellow || y == d.centreY) continue;
        (y < d.centreY ? above : below)++;
    }
}

TEST(SaturnSatPicture, NearHalfOfTheRingsOnTheSideTheSkyShows) {
    // The Earth 20 degrees north of the rings: with code 0 (north up) the
    // rings pass in front of the globe below its centre; code 2 turns that over.
    for (int code : {0, 1, 2, 3}) {
        DrawingSurface s(400, 300);
        const SaturnSatDrawing d = paint(s, ringsOnly(0.35, 1), 1, code);
        int above = 0, below = 0;
        countFrontLines(s.image(), d, above, below);
        const bool northUp = code == 0 || code == 1;
        EXPECT_GT(northUp ? below : above, 2) << "code " << code;
        EXPECT_EQ(northUp ? above : below, 0) << "code " << code;
    }
    // The Earth south of the rings: the near half is above with code 0.
    DrawingSurface s(400, 300);
    const SaturnSatDrawing d = paint(s, ringsOnly(-0.35, 1), 1, 0);
    int above = 0, below = 0;
    countFrontLines(s.image(), d, above, below);
    EXPECT_GT(above, 2);
    EXPECT_EQ(below, 0);
}

TEST(SaturnSatPicture, EdgeOnRingsDrawOnlyTheEquatorAndTheFarSideGreysThem) {
    auto ringPixels = [](const QImage& img, const SaturnSatDrawing& d, QRgb colour) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = d.centreX + d.discRadiusX + 2; x < img.width(); ++x)
                n += img.pixel(x, y) == colour;
        return n;
    };
    DrawingSurface edgeOn(400, 300);
    const SaturnSatDrawing e = paint(edgeOn, ringsOnly(0.0015, 1), 1, 0);  // 0.09 degree
    EXPECT_EQ(ringPixels(edgeOn.image(), e, kYellow), 0);
    EXPECT_EQ(ringPixels(edgeOn.image(), e, kGrey), 0);

    DrawingSurface lit(400, 300);
    const SaturnSatDrawing l = paint(lit, ringsOnly(0.2, 1), 1, 0);
    EXPECT_GT(ringPixels(lit.image(), l, kYellow), 200);
    EXPECT_EQ(ringPixels(lit.image(), l, kGrey), 0);

    DrawingSurface dark(400, 300);
    const SaturnSatDrawing g = paint(dark, ringsOnly(0.2, 0), 1, 0);
    EXPECT_GT(ringPixels(dark.image(), g, kGrey), 200);
    EXPECT_EQ(ringPixels(dark.image(), g, kYellow), 0);
}

TEST(SaturnSatPicture, ZoomLevelsAndMoonsBehindTheGlobe) {
    SaturnMoonSet set = ringsOnly(0.3, 1);
    set.moons[0] = {185600.0 / 60330.0, 0.0};  // Mimas at its western elongation
    set.moons[7] = {-3560100.0 / 60330.0, 0.0};  // Iapetus at its eastern one
    set.moons[3] = {0.2, 0.3};   // Dione behind the globe (north, Earth north)
    set.moons[4] = {0.2, -0.3};  // Rhea in front of it
    DrawingSurface s(400, 300);
    SaturnSatDrawing d = paint(s, set, 0, 0);
    EXPECT_NEAR(d.moonX[0], 200 + 200, 1);  // Mimas's orbit across half the width
    EXPECT_FALSE(d.moonDrawn[3]);
    EXPECT_TRUE(d.moonDrawn[4]);
    EXPECT_EQ(s.image().pixel(d.moonX[4], d.moonY[4]), qRgb(255, 0, 0));
    EXPECT_EQ(d.discRadiusX, static_cast<int>(60330.0 / (185600.0 / 200)));
    d = paint(s, set, 7, 0);
    EXPECT_NEAR(d.moonX[7], 0, 1);  // Iapetus's orbit across half the width
    EXPECT_EQ(d.discRadiusX, static_cast<int>(60330.0 / (3560100.0 / 200)));
}

TEST(SaturnSatPicture, EightMoonsInEightColoursAndTheLegendInTheLanguage) {
    // Relative luminance of a colour, for its contrast against black.
    const auto luminance = [](Rgb c) {
        const auto channel = [](int v) {
            const double x = v / 255.0;
            return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
    };
    for (int i = 0; i < kSaturnSatellites; ++i) {
        const Rgb a = saturnMoonColour(i);
        // Readable on the black sky: a contrast of at least 4.5 to 1.
        EXPECT_GE((luminance(a) + 0.05) / 0.05, 4.5) << i;
        for (int k = i + 1; k < kSaturnSatellites; ++k) {
            const Rgb b = saturnMoonColour(k);
            EXPECT_GE(std::hypot(a.r - b.r, a.g - b.g, a.b - b.b), 100.0) << i << " and " << k;
        }
    }
    // The legend's names follow one another inside the picture in each
    // language, every name in its moon's colour.
    for (int language = 0; language < 3; ++language) {
        DrawingSurface s(440, 300);
        DiscRenderer r(DiscRenderer::kSaturn);
        const SaturnSatDrawing d = paintSaturnSatPicture(s, ringsOnly(0.3, 1), r, 5, 0, language);
        EXPECT_LE(d.legendRight, 440) << language;
        for (int i = 1; i < kSaturnSatellites; ++i) EXPECT_GT(d.legendX[i], d.legendX[i - 1]);
        for (int i = 0; i < kSaturnSatellites; ++i) {
            const Rgb c = saturnMoonColour(i);
            const QRgb wanted = qRgb(c.r, c.g, c.b);
            const int right = i + 1 < kSaturnSatellites ? d.legendX[i + 1] : d.legendRight;
            int found = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = d.legendX[i]; x < right; ++x) found += (s.image().pixel(x, y) & 0xffffff) == (wanted & 0xffffff);
            EXPECT_GT(found, 10) << language << " " << i;
        }
    }
}

}  // namespace
}  // namespace vantorel
