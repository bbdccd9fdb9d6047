// The sky chart's picture, checked by geometry: the bodies' marks at the
// pixels their places give, north down south of the equator, the ecliptic
// through the Sun, the star marks, and a chart without catalogues.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>

#include "common/settings/Settings.h"
#include "engine/Precession.h"
#include "sky/SkyChartDocument.h"
#include "sky/paint/SkyChartPicture.h"
#include "tests/support/TempWorkingDir.h"

using namespace vantorel;

namespace {

constexpr Rgb kEclipticColour{0, 125, 105};

Rgb at(DrawingSurface& s, int x, int y) { return s.pixel(x, y).value_or(Rgb{-1, -1, -1}); }

// A body whose mark and label no other body comes near.
bool alone(const SkyChartDescription& d, std::size_t i) {
    for (std::size_t j = 0; j < d.bodies.size(); ++j)
        if (j != i && std::abs(d.bodies[j].x - d.bodies[i].x) < 45 &&
            std::abs(d.bodies[j].y - d.bodies[i].y) < 45)
            return false;
    return true;
}

struct Chart {
    Settings settings;
    SkyChartDocument doc{settings};
    Chart() {
        settings.language = 0;
        settings.dateFormat = 0;
        doc.setDate(2026, 12, 8, 20, 0);
    }
};

}  // namespace

TEST(SkyChartPicture, WithoutCataloguesTheFrameBodiesAndLabelsRemain) {
    TempWorkingDir wd;  // no data directory here
    Chart c;
    DrawingSurface s(1600, 593);
    const SkyChartDescription d =
        paintSkyChart(s, c.doc, 45.0f, SkyCatalogues{"data/const.dat", "data/etoiles.dat"});
    EXPECT_EQ(d.stars, 0);
    EXPECT_EQ(d.figureSegments, 0);
    ASSERT_EQ(d.bodies.size(), 10u);
    // The equator across the whole width, the ticks at 6 h.
    int equator = 0;
    // (darkened where it is below the horizon)
    for (int x = 0; x < 1600; ++x)
        equator += at(s, x, d.mapping.y0) == Rgb{51, 51, 51} || at(s, x, d.mapping.y0) == Rgb{20, 20, 20};
    EXPECT_GT(equator, 1500);
    const int yTop = static_cast<int>(d.mapping.y0 - 56.0f * 1600 / 360);
    EXPECT_EQ(at(s, d.mapping.x(90), yTop + 2), (Rgb{0, 255, 0}));
}

TEST(SkyChartPicture, EachBodyIsMarkedAtThePixelItsPlaceGives) {
    TempWorkingDir wd;
    Chart c;
    for (float latitude : {45.0f, -30.0f}) {
        DrawingSurface s(1600, 593);
        const SkyChartDescription d = paintSkyChart(s, c.doc, latitude);
        const auto bodies = c.doc.bodies();
        int checked = 0;
        for (std::size_t i = 0; i < d.bodies.size(); ++i) {
            const auto& m = d.bodies[i];
            EXPECT_EQ(m.x, d.mapping.x(bodies[i].raDeg));
            EXPECT_EQ(m.y, d.mapping.y(bodies[i].decDeg));
            if (!alone(d, i)) continue;
            ++checked;
            const ChartColour col = bodies[i].colour;
            // The mark hangs below and right of its place, above and left of
            // it on the turned chart; the label starts at the mark's left.
            const int d = latitude < 0 ? -2 : 2;
            EXPECT_EQ(at(s, m.x + d, m.y + d), (Rgb{col.r, col.g, col.b})) << m.label;
            EXPECT_EQ(at(s, m.x - d, m.y - d), (Rgb{0, 0, 0})) << m.label;
            const int labelX = latitude < 0 ? m.x - 5 : m.x;
            if (labelX >= 0 && labelX + m.labelWidth <= s.width()) EXPECT_EQ(m.labelX, labelX) << m.label;
            EXPECT_EQ(m.labelY, bodies[i].labelAbove ? (latitude < 0 ? m.y + 6 : m.y - 20)
                                                     : (latitude < 0 ? m.y - 25 : m.y + 6));
        }
        EXPECT_GE(checked, 4);
        // Mars is north of the equator: above the middle, or below it on the
        // southern chart.
        EXPECT_EQ(d.bodies[3].y < d.mapping.y0, latitude > 0);
    }
}

TEST(SkyChartPicture, EveryLabelReadsOnBlackAndStaysWholeInsideTheChart) {
    TempWorkingDir wd;
    Chart c;
    c.doc.setDate(2026, 1, 15, 20, 0);  // Neptune at 0 h 01 m: at the right edge, the left one when turned
    for (float latitude : {45.0f, -30.0f}) {
        DrawingSurface s(1600, 593);
        const SkyChartDescription d = paintSkyChart(s, c.doc, latitude);
        const auto bodies = c.doc.bodies();
        for (std::size_t i = 0; i < d.bodies.size(); ++i) {
            const auto& m = d.bodies[i];
            const Rgb l = m.labelColour;
            EXPECT_GE(0.299 * l.r + 0.587 * l.g + 0.114 * l.b, kReadableLuminance) << m.label;
            // The hue is kept: the strongest channel of the mark stays the label's.
            const ChartColour col = bodies[i].colour;
            if (col.r > col.g && col.r > col.b) EXPECT_GE(l.r, std::max(l.g, l.b)) << m.label;
            EXPECT_GE(m.labelX, 0) << m.label;
            EXPECT_GE(m.labelY, 0) << m.label;
            EXPECT_LE(m.labelX + m.labelWidth, s.width()) << m.label;
            EXPECT_LE(m.labelY + m.labelHeight, s.height()) << m.label;
            EXPECT_GT(m.labelWidth, 0) << m.label;
        }
        // Neptune's mark is within 5 px of the edge, where its label was cut.
        const auto& neptune = d.bodies[8];
        EXPECT_TRUE(latitude > 0 ? neptune.x > s.width() - 5 : neptune.x < 5) << neptune.x;
    }
    EXPECT_EQ(readableOnBlack(Rgb{128, 0, 128}).r, readableOnBlack(Rgb{128, 0, 128}).b);
    EXPECT_EQ(readableOnBlack(Rgb{255, 255, 0}), (Rgb{255, 255, 0}));
}

TEST(SkyChartPicture, TheEclipticRunsThroughTheSun) {
    TempWorkingDir wd;
    Chart c;
    DrawingSurface s(1800, 667);
    const SkyChartDescription d = paintSkyChart(s, c.doc, 45.0f);
    // Longitude 45 degrees lies at right ascension 42.5 and declination 16.3,
    // not at 45 and 23.75 sin 45 = 16.8.
    double ra = 0, dec = 0;
    eclipticPlace(45, c.doc.dateTime.epsilon, ra, dec);
    EXPECT_NEAR(ra, 42.52, 0.02);
    EXPECT_NEAR(dec, 16.34, 0.01);
    EXPECT_EQ(at(s, d.mapping.x(ra), d.mapping.y(dec)), kEclipticColour);
    eclipticPlace(90, c.doc.dateTime.epsilon, ra, dec);
    EXPECT_NEAR(ra, 90.0, 1e-9);
    EXPECT_NEAR(dec, 23.44, 0.01);
    // The Sun's place is on the curve: the ecliptic pixel nearest its
    // right ascension is within a pixel of it.
    const auto& sun = d.bodies[0];
    double lambda = c.doc.earthSun.sunApparentLongitude * 57.295779513;
    eclipticPlace(lambda, c.doc.dateTime.epsilon, ra, dec);
    EXPECT_LE(std::abs(d.mapping.x(ra) - sun.x), 1);
    EXPECT_LE(std::abs(d.mapping.y(dec) - sun.y), 1);
}

TEST(SkyChartPicture, TheSunRisesOnTheHorizonAndTransitsOnTheMeridian) {
    TempWorkingDir wd;
    // Paris, 2024 June 21: rise 05:47, transit 13:53 (summer time, the
    // program's own rise and transit, which agree with the almanacs).
    Settings paris;
    paris.language = 0;
    paris.dateFormat = 0;
    paris.latitude = 48.85f;
    paris.longitude = 2.35;
    paris.zoneHours = 2;
    SkyChartDocument doc(paris);
    DrawingSurface s(1600, 593);

    doc.setDate(2024, 6, 21, 13, 53);
    SkyChartDescription d = paintSkyChart(s, doc, paris.latitude);
    EXPECT_LE(std::abs(d.meridianX - d.bodies[0].x), 2) << d.meridianX << " " << d.bodies[0].x;
    // The meridian's dots down the whole column.
    int dots = 0;
    for (int y = 0; y < s.height(); ++y) dots += at(s, d.meridianX, y) == Rgb{110, 110, 170};
    EXPECT_GT(dots, s.height() / 4);
    // The equator is bright on the meridian, darkened 12 h from it.
    const int lower = d.mapping.x(std::fmod(d.siderealTimeDeg + 180.0, 360.0));
    EXPECT_EQ(at(s, lower, d.mapping.y0), (Rgb{20, 20, 20}));
    EXPECT_EQ(at(s, d.meridianX + 3, d.mapping.y0), (Rgb{51, 51, 51}));

    doc.setDate(2024, 6, 21, 5, 47);
    d = paintSkyChart(s, doc, paris.latitude);
    const auto& sun = d.bodies[0];
    // At rise the Sun's centre is 0.8 degree under the horizon: a few pixels.
    bool found = false;
    for (const auto& p : d.horizon)
        if (p.x == sun.x) {
            found = true;
            EXPECT_LE(std::abs(p.y - sun.y), 6) << p.y << " " << sun.y;
            EXPECT_GT(sun.y, p.y);  // below it, north up
        }
    EXPECT_TRUE(found);
    // The horizon line runs across the whole chart at this latitude.
    EXPECT_EQ(d.horizon.size(), static_cast<std::size_t>(s.width()));

    // South of the equator the chart is turned and the horizon with it: the
    // equator on the meridian stays bright, 12 h away it is darkened.
    paris.latitude = -33.9f;
    doc.compute();
    d = paintSkyChart(s, doc, paris.latitude);
    ASSERT_TRUE(d.mapping.flipped());
    EXPECT_EQ(at(s, d.mapping.x(std::fmod(d.siderealTimeDeg + 180.0, 360.0)), d.mapping.y0), (Rgb{20, 20, 20}));
    EXPECT_EQ(at(s, d.meridianX + 3, d.mapping.y0), (Rgb{51, 51, 51}));
}

TEST(SkyChartPicture, StarMarksByMagnitude) {
    TempWorkingDir wd;
    std::ofstream("stars.dat") << "1200      +000      0.00\n"   // disc at 12 h, 0
                               << "0600      +300      6.00\n"   // not drawn
                               << "1800      +300      1.00\n";  // bright cross
    Chart c;
    c.doc.setDate(2026, 12, 8, 10, 0);  // sidereal time 15 h: both stars well up
    DrawingSurface s(3600, 1333);
    const auto d = paintSkyChart(s, c.doc, 45.0f, SkyCatalogues{"none.dat", "stars.dat"});
    EXPECT_EQ(d.stars, 2);
    // The catalogue's places are of J2000.0: each star stands at its place
    // of the chart's date, 0.37 degree (almost four pixels) further east.
    const Precession toDate(c.doc.dateTime.JDE);
    double ra = 180, dec = 0;
    toDate.apply(ra, dec);
    EXPECT_NEAR(ra, 180.34, 0.01);
    const int x = d.mapping.x(ra), y = d.mapping.y(dec);
    EXPECT_EQ(at(s, x - 1, y - 1), (Rgb{255, 255, 255}));  // filled, not a ring
    EXPECT_EQ(at(s, x - 3, y - 1), (Rgb{255, 255, 255}));
    EXPECT_EQ(at(s, x + 2, y + 1), (Rgb{0, 0, 0}));  // (the row above is the equator)
    ra = 270;
    dec = 30;
    toDate.apply(ra, dec);
    const int xb = d.mapping.x(ra), yb = d.mapping.y(dec);
    EXPECT_EQ(at(s, xb, yb), (Rgb{141, 207, 244}));
    EXPECT_EQ(at(s, xb + 1, yb), (Rgb{201, 255, 255}));
    EXPECT_EQ(at(s, xb, yb - 1), (Rgb{201, 255, 255}));
    EXPECT_EQ(at(s, d.mapping.x(90), d.mapping.y(30.0)), (Rgb{0, 0, 0}));
}
