#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

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
// model's tilt has the same sign as the rings' of the planet's physical data;
// its fixed ring pole gives the size within 0.1 degree.
TEST(SaturnSatellites, RingTiltOfTheHandbookExample) {
    const double jd = 2448972.50068;
    const SaturnSatellitePositions p = computeSaturnSatellites(jd, saturnOrbit(jd));
    EXPECT_NEAR(p.ringTilt * 57.295779513, 16.442, 0.1);
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
    for (double& t : p.theta) t = M_PI / 2;  // every satellite at its western elongation
    p.ringTilt = 0.3;
    p.iapetusTilt = 0.2;
    SaturnMoonPlace places[kSaturnSatellites];
    for (int i = 0; i < kSaturnSatellites; ++i)
        saturnSatelliteOffsetRadii(p, i, places[i].x, places[i].y);
    EXPECT_NEAR(places[5].x, 1221600.0 / 60330.0, 1e-9);
    EXPECT_NEAR(places[5].y, 0.0, 1e-9);
    // Code 0 shows the sky as it is: west on the right.
    const SaturnPicture level0 = placeSaturnSatellites(places, 200, 150, 180, 0, 0);
    EXPECT_EQ(level0.x[0], 200 + 180);  // Mimas's orbit fills half the width
    EXPECT_EQ(level0.y[0], 150);
    EXPECT_EQ(level0.discRadiusX, static_cast<int>(60330.0 / (185600.0 / 180)));
    EXPECT_NEAR(level0.discRadiusY, level0.discRadiusX / 1.097962, 1e-9);
    const SaturnPicture mirrored = placeSaturnSatellites(places, 200, 150, 180, 0, 3);
    EXPECT_EQ(mirrored.x[0], 200 - 180);
    const SaturnPicture level7 = placeSaturnSatellites(places, 200, 150, 180, 7, 0);
    EXPECT_EQ(level7.x[7], 200 + 180);  // Iapetus's orbit at level 7 (rho = 0)
    EXPECT_EQ(level7.x[0], 200 + static_cast<int>(185600.0 / (3560100.0 / 180)));
}

// A moon on the near half of its orbit moves west (prograde orbits); with the
// Earth north of the rings that half lies south of the globe, so code 0
// draws it below the centre and code 2 above.
TEST(SaturnSatellites, NearHalfOfEachOrbitOnTheSideTheSkyShows) {
    const double jd = 2448972.5;  // 1992: the Earth north of the rings
    SaturnSatellitePositions p = computeSaturnSatellites(jd, saturnOrbit(jd));
    ASSERT_GT(p.ringTilt, 0.2);
    ASSERT_GT(p.iapetusTilt, 0.0);
    for (int i = 0; i < kSaturnSatellites; ++i) {
        const double step = saturnSatellitePeriodDays(i) / 50;
        SaturnSatellitePositions later = computeSaturnSatellites(jd + step, saturnOrbit(jd + step));
        SaturnMoonPlace now[kSaturnSatellites], next[kSaturnSatellites];
        for (int k = 0; k < kSaturnSatellites; ++k) {
            saturnSatelliteOffsetRadii(p, k, now[k].x, now[k].y);
            saturnSatelliteOffsetRadii(later, k, next[k].x, next[k].y);
        }
        const bool movingWest = next[i].x > now[i].x;
        const SaturnPicture code0 = placeSaturnSatellites(now, 200, 150, 180, 7, 0);
        const SaturnPicture code2 = placeSaturnSatellites(now, 200, 150, 180, 7, 2);
        if (std::fabs(now[i].y) * 180 / (3560100.0 / 60330.0) < 1) continue;  // on the ring line
        EXPECT_EQ(movingWest, code0.y[i] > 150) << i;
        EXPECT_EQ(movingWest, code2.y[i] < 150) << i;
    }
}

TEST(SaturnSatellites, SkyOffsetsTurnIntoTheRingFrameAndBack) {
    // Pole straight north: the ring line runs east-west, its x toward the west.
    SaturnMoonPlace m = ringPlaceFromSky(3.0, 1.0, 0.0);
    EXPECT_NEAR(m.x, -3.0, 1e-12);
    EXPECT_NEAR(m.y, 1.0, 1e-12);
    // Pole toward the east (P = 90 degrees): north on the sky is the ring's west.
    m = ringPlaceFromSky(0.0, 2.0, M_PI / 2);
    EXPECT_NEAR(m.x, 2.0, 1e-12);
    EXPECT_NEAR(m.y, 0.0, 1e-12);
    for (double P : {-0.4, 0.1, 0.117, 2.9}) {
        const SaturnMoonPlace ring = ringPlaceFromSky(-7.5, 2.25, P);
        const SaturnMoonPlace sky = skyPlaceFromRing(ring.x, ring.y, P);
        EXPECT_NEAR(sky.east, -7.5, 1e-12);
        EXPECT_NEAR(sky.north, 2.25, 1e-12);
        EXPECT_NEAR(std::hypot(ring.x, ring.y), std::hypot(7.5, 2.25), 1e-12);
    }
    // 60330 km at 9 AU.
    EXPECT_NEAR(saturnRadiusArcsec(9.0), 60330.0 / (9.0 * 149597870.7) * 206264.806, 1e-9);
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

TEST(SatelliteInfo, TheSizeIsTheRadiusAndTheApparentSizeTwiceIt) {
    // The box calls the size "Radius": Titan's is 2 575 km, not its
    // diameter of 5 150. The angular size at 1 AU must be the diameter's.
    constexpr double kAuKm = 149597870.7;
    // "2 575 km", or three semi-axes "205x130x110" (their geometric mean).
    const auto radiusKm = [](const std::string& text) {
        std::vector<double> axes;
        std::string number;
        for (char c : text.substr(0, text.find("km"))) {
            if (c == 'x') {
                axes.push_back(std::stod(number));
                number.clear();
            } else if (c != ' ') {
                number += c;
            }
        }
        axes.push_back(std::stod(number));
        double product = 1;
        for (double a : axes) product *= a;
        return std::pow(product, 1.0 / static_cast<double>(axes.size()));
    };
    EXPECT_NEAR(radiusKm("2 575 km"), 2575, 1e-9);
    EXPECT_NEAR(radiusKm("205x130x110"), std::cbrt(205.0 * 130 * 110), 1e-9);
    int checked = 0;
    for (SatelliteFamily family : {SatelliteFamily::Saturn, SatelliteFamily::Mars,
                                   SatelliteFamily::Uranus, SatelliteFamily::Jupiter}) {
        for (int i = 0; i < satelliteCount(family); ++i) {
            const SatelliteInfoRecord r = satelliteInfo(family, i);
            EXPECT_EQ(std::string(r.distance).find("Km"), std::string::npos) << r.name;
            if (r.diameterAt1AUDeg == 0.0f) continue;
            const double diameterKm = r.diameterAt1AUDeg * std::acos(-1.0) / 180.0 * kAuKm;
            EXPECT_NEAR(diameterKm / (2.0 * radiusKm(r.size)), 1.0, 0.02) << r.name << " " << r.size;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 17);
    EXPECT_STREQ(satelliteInfo(SatelliteFamily::Saturn, 5).size, "2 575 km");
}
