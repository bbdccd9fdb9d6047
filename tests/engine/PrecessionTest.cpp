#include <gtest/gtest.h>

#include "engine/Precession.h"

using namespace vantorel;

// Theta Persei, J2000.0 place with its proper motion to 2028 November 13.19
// TD already applied (JDE 2462088.69): Meeus, Astronomical Algorithms,
// example 21.b.
TEST(Precession, HandbookExampleThetaPersei2028) {
    const Precession p(2462088.69);
    // z runs ahead of zeta by the second-order term, theta behind both.
    EXPECT_GT(p.zArcsec(), p.zetaArcsec());
    EXPECT_LT(p.thetaArcsec(), p.zetaArcsec());
    double ra = 41.054063, dec = 49.227750;
    p.apply(ra, dec);
    EXPECT_NEAR(ra, 41.547214, 2e-6);
    EXPECT_NEAR(dec, 49.348483, 2e-6);
}

TEST(Precession, NothingAtTheEpochTheEquinoxWrapsAndThePoleMoves) {
    const Precession none(2451545.0);
    double ra = 359.9999, dec = -89.5;
    none.apply(ra, dec);
    EXPECT_NEAR(ra, 359.9999, 1e-9);
    EXPECT_NEAR(dec, -89.5, 1e-9);

    // Fifty years on: a star on the equinox moves east by about 0.64 degree
    // in right ascension and north by about 0.28 degree, and a right
    // ascension just short of 360 comes back past 0.
    const Precession p2050(2451545.0 + 50 * 365.25);
    ra = 359.9;
    dec = 0;
    p2050.apply(ra, dec);
    EXPECT_GE(ra, 0.0);
    EXPECT_LT(ra, 1.0);
    EXPECT_NEAR(ra, 0.54, 0.02);
    EXPECT_NEAR(dec, 0.278, 0.005);
    // Polaris's place of 2000 comes nearer the pole (88.8 degrees to 89.1 or so).
    ra = 37.95;
    dec = 89.264;
    p2050.apply(ra, dec);
    EXPECT_GT(dec, 89.264);
    EXPECT_LT(dec, 90.0);
}
