// Rise, transit, set and altitude at the observer's own longitude, against
// the zone standing in for it. Reference times from an independent
// ephemeris (Swiss Ephemeris, disc centre with standard refraction).
#include <gtest/gtest.h>

#include <cmath>

#include "engine/Angles.h"
#include "engine/BodySequence.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/Jupiter.h"
#include "engine/Mars.h"

namespace vantorel {
namespace {

int minutesOf(int h, int m) { return h * 60 + m; }

// Minutes between two clock times, across midnight either way.
int clockGap(int h, int m, int refH, int refM) {
    int d = minutesOf(h, m) - minutesOf(refH, refM);
    while (d > 720) d -= 1440;
    while (d < -720) d += 1440;
    return d;
}

struct Expected {
    int riseH, riseM, transitH, transitM, setH, setM;
};

void expectTimes(const DateTime& dt, const Expected& e, int tolerance) {
    ASSERT_TRUE(dt.riseOnDate && dt.transitOnDate && dt.setOnDate);
    EXPECT_LE(std::abs(clockGap(dt.riseHour, dt.riseMinute, e.riseH, e.riseM)), tolerance)
        << dt.riseHour << ":" << dt.riseMinute;
    EXPECT_LE(std::abs(clockGap(dt.transitHour, dt.transitMinute, e.transitH, e.transitM)), tolerance)
        << dt.transitHour << ":" << dt.transitMinute;
    EXPECT_LE(std::abs(clockGap(dt.setHour, dt.setMinute, e.setH, e.setM)), tolerance)
        << dt.setHour << ":" << dt.setMinute;
}

DateTime record(int y, int mo, int d, int h, int mi, int zoneH, std::optional<double> lon) {
    DateTime dt;
    dt.setLocal(y, mo, d, h, mi, zoneH, 0);
    dt.siteLongitude = lon;
    return dt;
}

// Paris (48°52' N, 2°21' E) at the June solstice in summer time (zone +2):
// the zone's centre lies 27.65 degrees east of the city, almost two hours.
TEST(SiteLongitude, SunAtParisWithAndWithoutTheLongitude) {
    constexpr double kParisLatitude = 48.0 + 52.0 / 60.0;
    EarthSun es;
    DateTime site = record(2024, 6, 21, 12, 0, 2, 2.35);
    computeBodyDocument(site, es, sunPlace(), kParisLatitude, kSunRiseAltitude);
    // Sunrise 03:47:4x UT, noon 11:52, sunset 19:58 (centre at -0.8333 deg).
    expectTimes(site, {5, 47, 13, 52, 21, 58}, 1);

    DateTime zone = record(2024, 6, 21, 12, 0, 2, std::nullopt);
    computeBodyDocument(zone, es, sunPlace(), kParisLatitude, kSunRiseAltitude);
    // 03:56:26, 12:01:54, 20:07:22 at 30 E (PyEphem), to the nearest minute.
    expectTimes(zone, {3, 56, 12, 2, 20, 7}, 0);
    // The record keeps its own date, clock, zone and longitude.
    EXPECT_EQ(site.localHour, 12);
    EXPECT_EQ(site.zoneHours, 2);
    EXPECT_EQ(site.siteLongitude, std::optional<double>(2.35));
}

// West of Greenwich in an east zone (Madrid, 40°25' N, 3°42' W, zone +2),
// and far west in a west zone (New York, 40°43' N, 74°00' W, zone -5).
TEST(SiteLongitude, PlanetsAtWesternSites) {
    EarthSun es;
    Mars mars;
    DateTime madrid = record(2024, 6, 21, 12, 0, 2, -3.7);
    computeBodyDocument(madrid, es, planetPlace(mars), 40.4167);
    // 01:52:36, 08:42:20, 15:32:34 UT.
    expectTimes(madrid, {3, 52, 10, 42, 17, 32}, 2);

    Jupiter jupiter;
    DateTime newYork = record(2025, 1, 10, 12, 0, -5, -74.006);
    computeBodyDocument(newYork, es, planetPlace(jupiter), 40.7128);
    // 13:53:49, 21:16:06 and 04:42:39 local (PyEphem): the transit of the
    // local date, not the one of 02:20 UT on the 10th (the evening before).
    expectTimes(newYork, {13, 54, 21, 16, 4, 43}, 1);
}

TEST(SiteLongitude, LongitudeInUse) {
    DateTime dt = record(2020, 1, 1, 0, 0, -5, std::nullopt);
    EXPECT_EQ(dt.longitudeWest(), 75);
    dt.siteLongitude = -74.006;
    EXPECT_DOUBLE_EQ(dt.longitudeWest(), 74.006);
    dt.siteLongitude = 2.35;
    EXPECT_DOUBLE_EQ(dt.longitudeWest(), -2.35);
}

// Greenwich mean sidereal time of a Julian day (UT), the handbook's formula
// in the day itself rather than from 0 h.
double gmstDeg(double jd) {
    const double T = (jd - 2451545.0) / 36525.0;
    const double theta = 280.46061837 + 360.98564736629 * (jd - 2451545.0) +
                         0.000387933 * T * T - T * T * T / 38710000.0;
    return reduceDegrees(theta);
}

double altitudeDeg(double lstDeg, double raDeg, double decDeg, double latDeg) {
    const double H = toRad(lstDeg - raDeg), d = toRad(decDeg), p = toRad(latDeg);
    return toDeg(std::asin(std::sin(p) * std::sin(d) + std::cos(p) * std::cos(d) * std::cos(H)));
}

// Madrid at 22:00 in zone +2 (20:00 UT), a body at 250 deg, -20 deg, in the
// south-east: with the site the hour angle is the sidereal time of Madrid less
// the right ascension; without it, the sidereal time of the zone's centre.
TEST(SiteLongitude, AltitudeFollowsTheHourAngleAtTheSite) {
    constexpr double kRa = 250.0, kDec = -20.0, kLat = 40.4167;
    const double jd = 2460483.0 + 20.0 / 24.0 - 0.5;  // 2024-06-21 20:00 UT

    DateTime site = record(2024, 6, 21, 22, 0, 2, -3.7);
    site.computeDate();
    ASSERT_NEAR(site.JD, jd, 1e-9);
    site.computeSiderealTime();
    const double lstSite = reduceDegrees(gmstDeg(jd) - 3.7);
    EXPECT_NEAR(site.localSiderealTime, lstSite, 2e-3);
    site.computeAltitude(kRa, toRad(kDec), kLat);
    EXPECT_NEAR(site.altitude(), altitudeDeg(lstSite, kRa, kDec, kLat), 2e-3);

    DateTime zone = record(2024, 6, 21, 22, 0, 2, std::nullopt);
    zone.computeDate();
    zone.computeSiderealTime();
    // The clock time read as universal time: 22:00 "UT" at Greenwich.
    const double lstZone = reduceDegrees(gmstDeg(jd + 2.0 / 24.0));
    EXPECT_NEAR(zone.localSiderealTime, lstZone, 2e-3);
    zone.computeAltitude(kRa, toRad(kDec), kLat);
    EXPECT_NEAR(zone.altitude(), altitudeDeg(lstZone, kRa, kDec, kLat), 2e-3);
    // Some 33.7 degrees of hour angle apart: over ten degrees of altitude here.
    EXPECT_GT(zone.altitude() - site.altitude(), 10.0);

    // Across the day boundary: 01:30 local in zone +2 is 23:30 UT the day before.
    DateTime late = record(2024, 6, 22, 1, 30, 2, -3.7);
    late.computeDate();
    late.computeSiderealTime();
    EXPECT_NEAR(late.localSiderealTime, reduceDegrees(gmstDeg(jd + 3.5 / 24.0) - 3.7), 2e-3);
}

}  // namespace
}  // namespace vantorel
