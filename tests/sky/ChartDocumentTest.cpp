// The sky chart's and the heliocentric view's documents against an
// independent ephemeris (Swiss Ephemeris, swetest, apparent places of date
// for 2026-12-08 20:00 UT), and the heliocentric view's layout.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/settings/Settings.h"
#include "engine/Clock.h"
#include "sky/HeliocentricDocument.h"
#include "sky/SkyChartDocument.h"

using namespace vantorel;

namespace {

// Right ascensions compared across 0/360.
double raGap(double a, double b) {
    double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

Settings site(int language = 0) {
    Settings s;
    s.language = language;
    s.dateFormat = 0;
    s.latitude = 45.0f;
    return s;
}

struct Reference {
    const char* label;
    double ra, dec, tolerance;
};

}  // namespace

TEST(SkyChartDocument, BodiesInTheChartsOrderWhereTheSkyHasThem) {
    const Settings s = site();
    SkyChartDocument doc(s);
    doc.setDate(2026, 12, 8, 20, 0);
    EXPECT_TRUE(doc.redraw);
    // swetest -b8.12.2026 -ut20:00 -p0123456789 -fPad; Pluto's place is
    // astrometric J2000 here, 26 years of precession from the date's.
    const Reference ref[] = {
        {"Sun", 255.5959, -22.7772, 0.01},   {"M", 241.8766, -20.2980, 0.01},
        {"V", 211.6568, -10.3396, 0.01},     {"Ma", 157.4514, 12.1614, 0.01},
        {"J", 149.5012, 13.2970, 0.01},      {"S", 8.2955, 0.8002, 0.01},
        {"Moon", 252.5972, -27.1861, 0.05},  {"U", 61.1318, 20.6406, 0.01},
        {"N", 2.0384, -0.6352, 0.01},        {"P", 307.1294, -23.4493, 0.5},
    };
    const auto bodies = doc.bodies();
    ASSERT_EQ(bodies.size(), static_cast<std::size_t>(SkyChartDocument::kBodyCount));
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        EXPECT_STREQ(bodies[i].label, ref[i].label);
        EXPECT_LE(raGap(bodies[i].raDeg, ref[i].ra), ref[i].tolerance) << ref[i].label;
        EXPECT_NEAR(bodies[i].decDeg, ref[i].dec, ref[i].tolerance) << ref[i].label;
        EXPECT_GE(bodies[i].raDeg, 0.0);
        EXPECT_LT(bodies[i].raDeg, 360.0);
        EXPECT_EQ(bodies[i].labelAbove, i < 5) << ref[i].label;
    }
    EXPECT_EQ(bodies[3].colour, (ChartColour{255, 0, 0}));
    EXPECT_EQ(bodies[7].colour, (ChartColour{128, 0, 128}));
}

TEST(SkyChartDocument, TitleStatusAndLabelsInTheLanguage) {
    const Settings s = site(1);
    SkyChartDocument doc(s);
    doc.setDate(2026, 12, 8, 20, 5);
    EXPECT_EQ(doc.windowTitleText(), "Ciel -- 2026/12/08     ");
    EXPECT_EQ(doc.statusTexts().time, "Heure: 20: 05");
    EXPECT_TRUE(doc.statusTexts().rise.empty());
    EXPECT_STREQ(doc.bodies()[0].label, "Soleil");
    EXPECT_STREQ(doc.bodies()[6].label, "Lune");
}

TEST(SkyChartDocument, TakesTheCommonDateOrTheClock) {
    Settings s = site();
    SkyChartDocument doc(s);
    const FixedClock clock({2030, 5, 6, 7, 8, 9});
    doc.newDocument(clock);
    EXPECT_EQ(doc.dateTime.localYear, 2030);
    EXPECT_EQ(doc.dateTime.localMinute, 8);
    s.commonDate.setLocal(1999, 8, 11, 10, 30, 0, 0);
    s.useCommonDate = true;
    doc.redraw = false;
    doc.takeCommonDate();
    EXPECT_EQ(doc.dateTime.localYear, 1999);
    EXPECT_EQ(doc.dateTime.localHour, 10);
    EXPECT_TRUE(doc.redraw);
    // The total eclipse of 1999 August 11: the Moon on the Sun.
    const auto b = doc.bodies();
    EXPECT_LT(raGap(b[0].raDeg, b[6].raDeg), 1.0);
    EXPECT_NEAR(b[0].decDeg, b[6].decDeg, 1.0);
}

TEST(HelioLayout, ScaleAndCirclesForTheWidth) {
    const HelioLayout l = HelioLayout::forWidth(370);
    EXPECT_EQ(l.X, 185);
    EXPECT_EQ(l.K, 2223714);
    EXPECT_EQ(l.circles[4].r, 175);  // Jupiter
    EXPECT_EQ(l.circles[0].r, 13);   // Mercury
    EXPECT_EQ(l.circles[0].cx, 195);
    EXPECT_EQ(l.circles[3].cy, 183);  // Mars, 2 pixels up
    // No room for a scale: defined, no division by zero.
    for (int w : {20, 0, -5}) {
        const HelioLayout tiny = HelioLayout::forWidth(w);
        EXPECT_GE(tiny.K, 1);
    }
}

TEST(HelioLayout, LongitudeZeroToTheRightNinetyAbove) {
    const HelioCircle c{100, 100, 50};
    int x = 0, y = 0;
    // pi / 2 is taken as 1.570796 and the pixel truncated: a hair short of
    // the circle at longitude 0.
    HelioLayout::place(c, 0.0, x, y);
    EXPECT_EQ(x, 149);
    EXPECT_EQ(y, 100);
    HelioLayout::place(c, 1.5707963, x, y);
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 50);
    HelioLayout::place(c, 3.1415927, x, y);
    EXPECT_EQ(x, 50);
}

TEST(HeliocentricDocument, LongitudesWhereTheSkyHasThemAndTheOuterBodiesOnJupitersCircle) {
    const Settings s = site(2);
    HeliocentricDocument doc(s);
    doc.setDate(2026, 12, 8, 20, 0);
    // swetest -hel -fPl; the Earth opposite the Sun's true longitude
    // 256.7464. The planets' longitudes are those of the light-time epoch:
    // Mercury moves 0.02 degree in its 7 minutes.
    const double ref[] = {213.1069, 104.2452, 76.7464, 118.4132, 136.9729,
                          13.5374,  63.8183,  3.4430, 304.8959};
    const double tol[] = {0.03, 0.02, 0.01, 0.02, 0.02, 0.02, 0.02, 0.02, 0.5};
    const auto bodies = doc.bodies();
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        double lon = std::fmod(bodies[i].longitudeRad * 57.295779513, 360.0);
        if (lon < 0) lon += 360;
        EXPECT_LE(raGap(lon, ref[i]), tol[i]) << i;
        EXPECT_EQ(bodies[i].orbit, i < 5 ? static_cast<int>(i) : 4);
    }
    EXPECT_STREQ(bodies[2].name(2), "Tierra");
    EXPECT_STREQ(bodies[1].name(1), "Vénus");
    EXPECT_EQ(bodies[7].text, (ChartColour{0, 160, 221}));
    EXPECT_EQ(bodies[7].pen, (ChartColour{0, 128, 128}));
}
