#include <gtest/gtest.h>

#include <cmath>

#include "engine/DateTime.h"
#include "tests/satellites/GalileanTestSupport.h"

using namespace vantorel;

namespace {
DateTime instant(int y, int mo, int d, int h, int mi) {
    DateTime dt;
    dt.setLocal(y, mo, d, h, mi, 0, 0);
    dt.computeDate();
    return dt;
}
}  // namespace

// Meeus, Astronomical Algorithms, the higher-accuracy example for 1992
// December 16 at 0 h UT. The abridged series give X within 0.0034 radii (Callisto; the others within
// 0.0017) and Y within 0.0004, against the tolerance of 0.005 and 0.001 held here.
TEST(GalileanTheory, HandbookExample1992December16) {
    PlaceDrivenSatellites sat;
    DateTime dt = instant(1992, 12, 16, 0, 0);
    ASSERT_DOUBLE_EQ(dt.JD, 2448972.5);
    sat.computeAll(handbookPlace1992(), dt, "16    -24  00");
    const double x[4] = {-3.4502, 7.4418, 1.2011, 7.0720};
    const double y[4] = {0.2137, 0.2753, 0.5900, 1.0291};
    for (int j = 0; j < 4; ++j) {
        EXPECT_NEAR(sat.AX[j], x[j], 0.005) << "satellite " << j + 1;
        EXPECT_NEAR(sat.AY[j], y[j], 0.001) << "satellite " << j + 1;
    }
    // The light time removed from t, and the pole point put back on the axis.
    EXPECT_NEAR(sat.t, dt.JDE - 2443000.5 - 0.0057755183 * 5.66112133870508, 1e-9);
    // The distances from Jupiter stay near the mean distances.
    const double a[4] = {5.9073, 9.39912, 14.9924, 26.3699};
    for (int j = 0; j < 4; ++j) EXPECT_NEAR(sat.distance[j], a[j], a[j] * 0.01);
}

TEST(GalileanTheory, SunViewDiffersFromEarthViewByThePhaseAngleOnly) {
    PlaceDrivenSatellites sat;
    DateTime dt = instant(1992, 12, 16, 0, 0);
    sat.computeAll(handbookPlace1992(), dt, "16    -24  00");
    for (int j = 0; j < 4; ++j) {
        // Same satellite, same distance from Jupiter seen from both observers.
        const double earth = std::hypot(std::hypot(sat.AX[j], sat.AY[j]), sat.AZ[j]);
        const double sun = std::hypot(std::hypot(sat.AX[j + 4], sat.AY[j + 4]), sat.AZ[j + 4]);
        EXPECT_NEAR(earth, sun, 0.02 * sat.distance[j]);
        // The phase angle is about 10 degrees: the two views are close.
        EXPECT_NEAR(sat.AX[j], sat.AX[j + 4], 0.2 * sat.distance[j]);
    }
}
