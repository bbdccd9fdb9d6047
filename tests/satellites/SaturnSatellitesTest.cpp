#include <gtest/gtest.h>

#include <cmath>

#include "satellites/SatelliteInfoRecord.h"
#include "satellites/SaturnSatellites.h"

using namespace vantorel;

namespace {
// Saturn's mean elements of date (Meeus, table 31.A) at a Julian Day.
SaturnOrbit saturnOrbit(double jd) {
    const double T = (jd - 2451545.0) / 36525.0;
    SaturnOrbit o;
    const double L = 50.077444 + 1222.1138488 * T;
    o.perihelionDeg = 93.057237 + 1.9637613 * T;
    o.meanAnomalyDeg = L - o.perihelionDeg;
    o.eccentricity = 0.05554814 - 0.0003446641 * T;
    o.semiMajorAxisAU = 9.554909192;
    o.inclinationDeg = 2.488879 - 0.0037362 * T;
    o.nodeDeg = 113.665503 + 0.8770880 * T;
    return o;
}
}  // namespace

// Meeus, Astronomical Algorithms, example 45.a: on 1992 December 16 the rings
// are tilted by B = 16.442 degrees toward the Earth (north face seen). The
// satellite model measures its tilt along the Earth-to-Saturn direction, so it
// has the opposite sign; its fixed ring pole gives the size within 0.03 degree.
TEST(SaturnSatellites, RingTiltOfTheHandbookExample) {
    const double jd = 2448972.50068;
    const SaturnSatellitePositions p = computeSaturnSatellites(jd, saturnOrbit(jd));
    EXPECT_NEAR(-p.ringTilt * 57.295779513, 16.442, 0.05);
    EXPECT_NEAR(p.deltaAU, 10.5, 0.1);  // Saturn about 10.5 AU away that day
    for (double theta : p.theta) {
        EXPECT_GT(theta, -6.3);
        EXPECT_LT(theta, 6.3);
    }
}

TEST(SaturnSatellites, SatellitesAdvanceWithTheirPeriods) {
    const double jd = 2453000.5;
    const SaturnSatellitePositions a = computeSaturnSatellites(jd, saturnOrbit(jd));
    for (int i = 0; i < 8; ++i) {
        // One period later the angle is back, to the drift of Saturn's own motion.
        const double later = jd + saturnSatellitePeriodDays(i);
        const SaturnSatellitePositions b = computeSaturnSatellites(later, saturnOrbit(later));
        const double diff = std::remainder(b.theta[i] - a.theta[i], 2 * M_PI);
        EXPECT_NEAR(diff, 0.0, 0.03 + 0.004 * saturnSatellitePeriodDays(i)) << i;
    }
}

TEST(SaturnSatellites, ZoomLevelFillsHalfTheWidthAndProjectionMirrors) {
    SaturnSatellitePositions p;
    for (double& t : p.theta) t = M_PI / 2;  // every satellite at its elongation
    p.ringTilt = 0.3;
    p.iapetusTilt = 0.2;
    const SaturnPicture level0 = placeSaturnSatellites(p, 200, 150, 180, 0, 3);
    EXPECT_EQ(level0.x[0], 200 - 180);  // Mimas's orbit fills half the width
    EXPECT_EQ(level0.y[0], 150);
    EXPECT_EQ(level0.discRadiusX, static_cast<int>(60330.0 / (185600.0 / 180)));
    EXPECT_NEAR(level0.discRadiusY, level0.discRadiusX / 1.097962, 1e-9);
    const SaturnPicture mirrored = placeSaturnSatellites(p, 200, 150, 180, 0, 0);
    EXPECT_EQ(mirrored.x[0], 200 + 180);
    const SaturnPicture level7 = placeSaturnSatellites(p, 200, 150, 180, 7, 3);
    EXPECT_EQ(level7.x[7], 200 - 180);  // Iapetus's orbit at level 7, not turned (rho = 0)
    // In radii the offsets follow the same sense.
    double x, y;
    saturnSatelliteOffsetRadii(p, 5, x, y);
    EXPECT_NEAR(x, 1221600.0 / 60330.0, 1e-9);
    EXPECT_NEAR(y, 0.0, 1e-9);
}

TEST(SatelliteInfo, RecordsAndApparentDiameter) {
    SatelliteInfoRecord titan = satelliteInfo(SatelliteFamily::Saturn, 5);
    EXPECT_STREQ(titan.name, "Titan - VI");
    titan.updateApparentDiameter(9.0);
    EXPECT_EQ(titan.apparentDiameter, "0.79\"");  // 0.0019724409 / 9 * 3600
    EXPECT_STREQ(satelliteInfo(SatelliteFamily::Saturn, 6).discovery,
                 "William Bond, William Lassell, 1848");
    EXPECT_STREQ(satelliteInfo(SatelliteFamily::Uranus, 4).name, "Miranda - V");
    EXPECT_STREQ(satelliteInfo(SatelliteFamily::Mars, 9).name, "Phobos - I");
}
