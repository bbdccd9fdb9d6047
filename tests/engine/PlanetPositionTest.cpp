// Heliocentric and apparent places against the handbook's worked examples.
#include <gtest/gtest.h>

#include <cmath>

#include "EngineTestSupport.h"
#include "engine/Angles.h"
#include "engine/Mercury.h"
#include "engine/Pluto.h"
#include "engine/Venus.h"
#include "engine/VsopSeries.h"

namespace vantorel {
namespace {

using test::dms;
using test::hms;
using test::kArcsec;
using test::recordAt;

// Venus 1992 December 20, 0h TD.
TEST(PlanetPosition, VenusHeliocentricAndApparent) {
    DateTime dt = recordAt(2448976.5);
    EarthSun es;
    Venus venus;

    venus.computeHeliocentric(dt.t);
    EXPECT_NEAR(reduceDegrees(toDeg(venus.L)), 26.11428, 1e-5);
    EXPECT_NEAR(toDeg(venus.B), -2.62070, 1e-5);
    EXPECT_NEAR(venus.r, 0.724603, 1e-6);

    es.computeSun(dt.T);
    es.computeEarth(dt);
    venus.computePosition(dt, es);
    EXPECT_NEAR(venus.ra, hms(21, 4, 41.45), 1 * kArcsec);
    EXPECT_NEAR(venus.dec, dms(-18, 53, 16.8), 1 * kArcsec);
    // Light time of the example: 0.0052... days at Delta 0.9109 AU.
    EXPECT_NEAR(venus.Delta, 0.910947, 2e-5);
    EXPECT_NEAR(venus.tau, 0.0057755183 * venus.Delta, 1e-7);
}

// Sun 1992 October 13, 0h TD: the truncated Earth series give the handbook's figures.
TEST(PlanetPosition, SunApparentLongitudeAndDistance) {
    DateTime dt = recordAt(2448908.5);
    EarthSun es;
    es.computeSun(dt.T);
    es.computeEarth(dt);
    EXPECT_NEAR(reduceDegrees(toDeg(es.sunApparentLongitude)), dms(199, 54, 21.82), 0.02 * kArcsec);
    EXPECT_NEAR(es.earthR, 0.99760775, 1e-8);
    EXPECT_NEAR(es.sunDistance, es.earthR, 0);
    // The displayed place is the apparent one: 13h13m30.749s, -7°47'01.74" in
    // the handbook's worked example of the full theory; the abridged latitude
    // series differ from it by a few tenths of an arc second. (The geometric
    // place with the mean obliquity is 20" away.)
    EXPECT_NEAR(es.sunRa, 15 * dms(13, 13, 30.749), 0.5 * kArcsec);
    EXPECT_NEAR(es.sunDec, -dms(7, 47, 1.74), 0.3 * kArcsec);
}

// Pluto 1992 October 13, 0h TD: astrometric J2000 place.
TEST(PlanetPosition, PlutoAstrometricPlace) {
    DateTime dt = recordAt(2448908.5);
    Pluto pluto;
    pluto.PlutoPosition(dt);
    EXPECT_NEAR(pluto.ra, hms(15, 31, 43.7), 0.5 * 15 * kArcsec);
    EXPECT_NEAR(pluto.dec, dms(-4, 27, 29), 5 * kArcsec);
    EXPECT_NEAR(pluto.r, 29.711, 0.01);
    EXPECT_EQ(pluto.raHours, 15);
    EXPECT_EQ(pluto.raMinutes, 31);
    EXPECT_EQ(pluto.decText, "-04\u00b0 27'");
}

TEST(PlanetPosition, PlutoRadiusStaysInItsRangeOverTheYears) {
    Pluto pluto;
    for (double jd = 2446066.5; jd < 2470172.5; jd += 365.25) {
        DateTime dt = recordAt(jd);
        pluto.PlutoPosition(dt);
        EXPECT_GT(pluto.r, 29.0);
        EXPECT_LT(pluto.r, 50.0);
    }
}

// A planet whose theory counts its passes and records each epoch it is asked for.
class CountingVenus : public Venus {
public:
    void computeHeliocentric(double t) override {
        epochs[passes < 4 ? passes : 3] = t;
        ++passes;
        Venus::computeHeliocentric(t);
    }
    int passes = 0;
    double epochs[4] = {};
};

TEST(PlanetPosition, ExactlyThreeLightTimePasses) {
    DateTime dt = recordAt(2448976.5);
    EarthSun es;
    es.computeSun(dt.T);
    es.computeEarth(dt);
    CountingVenus venus;
    const double t0 = dt.t;
    venus.computePosition(dt, es);
    EXPECT_EQ(venus.passes, 3);
    EXPECT_DOUBLE_EQ(venus.epochs[0], t0);
    // Each later pass runs at the instant minus the light time just found,
    // and the record keeps the last epoch.
    EXPECT_LT(venus.epochs[1], t0);
    EXPECT_NEAR((venus.epochs[2] - venus.epochs[1]) * 365250.0, 0, 1e-6);  // days
    EXPECT_NEAR((t0 - dt.t) * 365250.0, venus.tau, 1e-9);
}

TEST(PlanetPosition, RightAscensionInOneTurnFarFromJ2000) {
    EarthSun es;
    Mercury mercury;
    for (double jd : {2446066.5, 2470000.5, 2469807.9}) {
        DateTime dt = recordAt(jd);
        test::runPlanet(dt, es, mercury);
        EXPECT_GE(mercury.ra, 0);
        EXPECT_LT(mercury.ra, 360);
        EXPECT_GE(mercury.centralLongitude, 0);
        EXPECT_LT(mercury.centralLongitude, 360);
    }
}

TEST(PlanetPosition, IlluminatedFractionAtConjunctions) {
    Venus venus;
    venus.r = 0.72;
    venus.Delta = 1.72;  // beyond the Sun
    EXPECT_NEAR(venus.illuminatedFraction(1.0), 1.0, 1e-12);
    venus.Delta = 0.28;  // between the Earth and the Sun
    EXPECT_NEAR(venus.illuminatedFraction(1.0), 0.0, 1e-12);
}

TEST(PlanetPosition, TheoriesKeepTheirTermCounts) {
    // The Earth's first terms and Mars's last L0 term of the published truncation.
    const VsopSeries& earthL0 = kVsopEarth.L.series[0];
    ASSERT_EQ(earthL0.count, 64);
    EXPECT_NEAR(earthL0.amplitudes[0], 175347046, 1);
    EXPECT_NEAR(earthL0.amplitudes[1], 3341656, 1);
    EXPECT_NEAR(earthL0.frequencies[1], 6283.07585, 1e-5);
    EXPECT_NEAR(earthL0.amplitudes[63], 25, 1);
    EXPECT_NEAR(earthL0.frequencies[63], 4690.48, 0.01);
    EXPECT_NEAR(kVsopEarth.L.series[1].amplitudes[0], 628331966747, 1);
    const VsopSeries& marsL0 = kVsopMars.L.series[0];
    ASSERT_EQ(marsL0.count, 69);
    EXPECT_NEAR(marsL0.amplitudes[68], 100, 1);
    EXPECT_NEAR(marsL0.frequencies[68], 11773.377, 1e-3);
    EXPECT_EQ(kVsopSaturn.R.series[5].count, 18);
    EXPECT_EQ(kVsopNeptune.R.seriesCount, 4);
    EXPECT_EQ(kVsopJupiter.B.seriesCount, 6);
    // The J2000 Earth series carry the handbook's 12566.15 frequency.
    for (int k = 0; k < kVsopEarthJ2000.L.seriesCount; ++k) {
        const VsopSeries& s = kVsopEarthJ2000.L.series[k];
        for (int i = 0; i < s.count; ++i) EXPECT_GT(std::fabs(s.frequencies[i] - 12556.15), 0.01);
    }
}

TEST(PlanetPosition, EarthAtJ2000) {
    DateTime dt = recordAt(2451545.0);
    EarthSun es;
    es.computeEarth(dt);
    EXPECT_NEAR(es.seriesSums[0], 175347046 + 3341656 * std::cos(4.6692568), 1e5);
    EXPECT_NEAR(es.earthR, 0.9833, 1e-4);
}

}  // namespace
}  // namespace vantorel
