#include <gtest/gtest.h>

#include <cmath>

#include "engine/Angles.h"
#include "engine/Coordinates.h"
#include "engine/DateTime.h"
#include "engine/NutationTable.h"

using namespace vantorel;

TEST(Nutation, HandbookExample1987Apr10) {
    // 0h TD; the record takes T from its JD, so feed the dynamical instant.
    DateTime dt;
    dt.T = -0.127296372348;
    dt.computeNutation();
    EXPECT_NEAR(dt.deltaPsi, -3.788, 0.01);
    EXPECT_NEAR(dt.deltaEpsilon, 9.443, 0.01);
    // True obliquity 23deg26'36.850".
    EXPECT_NEAR(toDeg(dt.epsilon) * 3600.0, (23 * 60 + 26) * 60 + 36.850, 0.01);
}

TEST(Nutation, TableShapeAndMeanObliquityAtJ2000) {
    EXPECT_EQ(kNutationTable[0].psiCoefficient, -171996.0);
    EXPECT_EQ(kNutationTable[0].epsilonRate, 8.9);
    const NutationRow& last = kNutationTable[kNutationRows - 1];
    EXPECT_EQ(last.multipliers[0], 2.0f);
    EXPECT_EQ(last.multipliers[1], -1.0f);
    EXPECT_EQ(last.psiCoefficient, -3.0);
    EXPECT_EQ(last.epsilonCoefficient, 0.0);

    DateTime dt;
    dt.T = 0;
    dt.computeNutation();
    EXPECT_NEAR(toDeg(dt.epsilon0), 23.4392911, 1e-7);
    EXPECT_NEAR(dt.D, 297.85036 / kDegPerRad, 1e-12);  // stored in radians, not reduced
}

TEST(Coordinates, EclipticToEquatorial) {
    // Pollux, handbook example 13.a: lambda 113.215630, beta 6.684170, eps 23.4392911.
    const double eps = toRad(23.4392911);
    const double ra = eclipticToRightAscension(eps, toRad(113.215630), toRad(6.684170));
    const double dec = eclipticToDeclination(eps, toRad(113.215630), toRad(6.684170));
    EXPECT_NEAR(toDeg(ra), 116.328942, 1e-5);
    EXPECT_NEAR(toDeg(dec), 28.026183, 1e-5);
    // Never negative, whatever the quadrant.
    for (double l = 0; l < 360; l += 7.5)
        EXPECT_GE(eclipticToRightAscension(eps, toRad(l), toRad(-60)), 0.0);
}

TEST(Altitude, ZenithAndStoredPair) {
    DateTime dt;
    dt.localSiderealTime = 120.0f;
    dt.computeAltitude(120.0, toRad(45.0), 45.0);
    EXPECT_NEAR(dt.altitudeDegrees + dt.altitudeHundredths / 100.0, 90.0, 1e-3);

    // An object 10.25 deg below the horizon at the meridian: (-10, 25).
    dt.computeAltitude(120.0, toRad(45.0 - 100.25), 45.0);
    EXPECT_EQ(dt.altitudeDegrees, -10);
    EXPECT_NEAR(dt.altitudeHundredths, 25, 1e-3);
    // Half a degree below: (0, -50).
    dt.computeAltitude(120.0, toRad(45.0 - 90.5), 45.0);
    EXPECT_EQ(dt.altitudeDegrees, 0);
    EXPECT_NEAR(dt.altitudeHundredths, -50, 1e-3);
}
