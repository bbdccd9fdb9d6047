// Rise, transit and set by interpolation, and their local clock times.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/Angles.h"
#include "engine/BodySequence.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/Jupiter.h"
#include "engine/Mars.h"
#include "engine/Venus.h"

namespace vantorel {
namespace {

int minutesOf(int h, int m) { return h * 60 + m; }

// Venus at Boston, 1988 March 20, with the positions of the worked example.
DateTime bostonRecord() {
    DateTime dt;
    dt.theta0 = 177.74208;
    dt.deltaT = 56.0 / 86400.0;
    return dt;
}
constexpr double kBostonPlaces[6] = {40.68021, 41.73129, 42.78204, 18.04761, 18.44092, 18.82742};

TEST(RiseTransitSet, VenusAtBoston) {
    DateTime dt = bostonRecord();
    dt.computeRiseTransitSet(kBostonPlaces, kPlanetRiseAltitude, 71.0833, 42.3333);
    ASSERT_TRUE(dt.hasRiseSet());
    // 12h25m, 19h41m, 02h55m UT: the times are truncated to the minute.
    EXPECT_NEAR(minutesOf(dt.riseHour, dt.riseMinute), minutesOf(12, 25), 1);
    EXPECT_NEAR(minutesOf(dt.transitHour, dt.transitMinute), minutesOf(19, 41), 1);
    EXPECT_NEAR(minutesOf(dt.setHour, dt.setMinute), minutesOf(2, 55), 1);
    EXPECT_NEAR(dt.riseHourAngle, toRad(-108.56), 0.01);
}

TEST(RiseTransitSet, RightAscensionWrappingThroughZeroHours) {
    // The same sky shifted by -41.5 degrees puts the day before at 359.18.
    double places[6];
    for (int k = 0; k < 3; ++k) {
        places[k] = reduceDegrees(kBostonPlaces[k] - 41.5);
        places[k + 3] = kBostonPlaces[k + 3];
    }
    ASSERT_GT(places[0], 350);
    DateTime shifted = bostonRecord();
    shifted.theta0 -= 41.5;
    shifted.computeRiseTransitSet(places, kPlanetRiseAltitude, 71.0833, 42.3333);
    DateTime plain = bostonRecord();
    plain.computeRiseTransitSet(kBostonPlaces, kPlanetRiseAltitude, 71.0833, 42.3333);
    EXPECT_EQ(minutesOf(shifted.transitHour, shifted.transitMinute),
              minutesOf(plain.transitHour, plain.transitMinute));
    EXPECT_NEAR(minutesOf(shifted.riseHour, shifted.riseMinute),
                minutesOf(plain.riseHour, plain.riseMinute), 1);
    EXPECT_NEAR(minutesOf(shifted.setHour, shifted.setMinute),
                minutesOf(plain.setHour, plain.setMinute), 1);
}

TEST(RiseTransitSet, CircumpolarAndNeverRisingKeepTheTransit) {
    const double north[6] = {41.0, 42.0, 43.0, 70.0, 70.0, 70.0};
    DateTime dt = bostonRecord();
    dt.computeRiseTransitSet(north, kPlanetRiseAltitude, 71.0833, 60.0);
    EXPECT_FALSE(dt.hasRiseSet());
    EXPECT_EQ(dt.riseSetCondition, DateTime::kAlwaysAbove);
    DateTime ref = bostonRecord();
    ref.computeRiseTransitSet(kBostonPlaces, kPlanetRiseAltitude, 71.0833, 42.3333);
    EXPECT_NEAR(minutesOf(dt.transitHour, dt.transitMinute),
                minutesOf(ref.transitHour, ref.transitMinute), 2);

    const double south[6] = {41.0, 42.0, 43.0, -70.0, -70.0, -70.0};
    dt.computeRiseTransitSet(south, kPlanetRiseAltitude, 71.0833, 60.0);
    EXPECT_EQ(dt.riseSetCondition, DateTime::kAlwaysBelow);
    EXPECT_FALSE(dt.hasRiseSet());
}

TEST(RiseTransitSet, EquatorRiseAndSetSixHoursFromTransit) {
    const double places[6] = {100.0, 100.0, 100.0, 0.0, 0.0, 0.0};
    DateTime dt;
    dt.theta0 = 0;
    dt.computeRiseTransitSet(places, 0.0, 0.0, 0.0);
    const int transit = minutesOf(dt.transitHour, dt.transitMinute);
    const int rise = minutesOf(dt.riseHour, dt.riseMinute);
    const int set = minutesOf(dt.setHour, dt.setMinute);
    // Six sidereal hours are 358.0 minutes.
    EXPECT_NEAR(transit - rise, 358, 2);
    EXPECT_NEAR(set - transit, 358, 2);
}

// Far east of Greenwich the transit falls more than a day before 0 h UT: each m
// must land in 0..1 however many steps that takes.
TEST(RiseTransitSet, EastZoneTransitStaysOnTheDay) {
    // L = -180 (zone +12) and a right ascension that puts m0 near -0.9.
    const double places[6] = {25.0, 26.0, 27.0, 10.0, 10.3, 10.6};
    DateTime dt;
    dt.theta0 = 170.0;
    dt.computeRiseTransitSet(places, kPlanetRiseAltitude, -180.0, 45.0);
    for (int h : {dt.riseHour, dt.transitHour, dt.setHour}) {
        EXPECT_GE(h, 0);
        EXPECT_LE(h, 24);
    }
    // The transit happens when the hour angle is zero: theta0 + rate m = L + alpha.
    const double m = (dt.transitHour + dt.transitMinute / 60.0) / 24.0;
    double H = 170.0 + 360.985647 * m + 180.0 - 26.0;
    H -= 360.0 * std::round(H / 360.0);
    EXPECT_NEAR(H, 0, 0.5);
    // At the rise (m near -1.2 before it is brought into the day) the body
    // stands at the standard altitude, to the truncated minute.
    const double mr = (dt.riseHour + dt.riseMinute / 60.0) / 24.0;
    const double Hr = toRad(170.0 + 360.985647 * mr + 180.0 - 26.0);
    const double phi = toRad(45.0), dec = toRad(10.3);
    const double h = toDeg(std::asin(std::sin(phi) * std::sin(dec) +
                                     std::cos(phi) * std::cos(dec) * std::cos(Hr)));
    EXPECT_NEAR(h, -0.5667, 0.3);
}

TEST(RiseTransitSet, LocalClockTimes) {
    DateTime dt;
    dt.transitHour = 23;
    dt.transitMinute = 30;
    dt.riseHour = 10;
    dt.riseMinute = 45;
    dt.setHour = 0;
    dt.setMinute = 10;
    dt.zoneHours = 1;
    dt.riseSetToLocal();
    EXPECT_EQ(dt.transitHour, 0);
    EXPECT_EQ(dt.transitMinute, 30);
    dt.riseHour = 10;
    dt.riseMinute = 45;
    dt.zoneHours = 5;
    dt.zoneMinutes = 30;
    dt.riseSetToLocal();
    EXPECT_EQ(dt.riseHour, 16);
    EXPECT_EQ(dt.riseMinute, 15);
    // West of Greenwich, stored as 50 + hours: 3 h 30 west.
    dt.setHour = 1;
    dt.setMinute = 10;
    dt.zoneHours = 53;
    dt.zoneMinutes = 30;
    dt.riseSetToLocal();
    EXPECT_EQ(dt.setHour, 21);
    EXPECT_EQ(dt.setMinute, 40);

    // Any zone the record may be handed wraps by remainder, at once: 2^31 - 1
    // hours west is 7 hours west modulo a day, and no minute overflows.
    dt.transitHour = 12;
    dt.transitMinute = 0;
    dt.zoneHours = -2147483647;
    dt.zoneMinutes = 0;
    dt.riseSetToLocal();
    EXPECT_EQ(dt.transitHour, 5);
    EXPECT_EQ(dt.transitMinute, 0);
    dt.transitHour = 3;
    dt.zoneHours = 0;
    dt.zoneMinutes = 2147483647;
    dt.riseSetToLocal();
    EXPECT_GE(dt.transitHour, 0);
    EXPECT_LE(dt.transitHour, 23);
    EXPECT_GE(dt.transitMinute, 0);
    EXPECT_LE(dt.transitMinute, 59);
}

// The document sequence: three days at zone 0, then the instant, then the
// altitude; the record comes back at its own date, clock and zone.
TEST(RiseTransitSet, DocumentSequenceRestoresTheRecord) {
    DateTime dt;
    dt.setLocal(2003, 8, 28, 22, 15, 2, 0);
    EarthSun es;
    Mars mars;
    computeBodyDocument(dt, es, planetPlace(mars), 48.0);
    EXPECT_EQ(dt.localDay, 28);
    EXPECT_EQ(dt.localHour, 22);
    EXPECT_EQ(dt.localMinute, 15);
    EXPECT_EQ(dt.zoneHours, 2);
    ASSERT_TRUE(dt.hasRiseSet());
    // Mars at opposition transits near local midnight (zone +2 at 30 E of its centre).
    const int transit = minutesOf(dt.transitHour, dt.transitMinute);
    EXPECT_TRUE(transit > 23 * 60 || transit < 2 * 60) << transit;
    // At 22:15 it stands in the south-east, some 15-25 degrees up.
    const double altitude = dt.altitude();
    EXPECT_GT(altitude, 10);
    EXPECT_LT(altitude, 30);
    // The instant itself: t back at the document time minus the light time.
    DateTime check;
    check.setLocal(2003, 8, 28, 22, 15, 2, 0);
    check.computeDate();
    EXPECT_DOUBLE_EQ(dt.JD, check.JD);
}

// At the local transit time the body culminates: its altitude is 90 - |phi - dec|.
// Zones far east put m0 well below -1 before it is brought into the day.
TEST(RiseTransitSet, BodyCulminatesAtTheTransitTimeInEveryZone) {
    struct Zone {
        int hours, minutes;
    };
    for (Zone zone : {Zone{13, 0}, Zone{12, 0}, Zone{-11, 0}, Zone{5, 30}, Zone{53, 30}}) {
        for (int body = 0; body < 2; ++body) {
            Venus venus;
            Jupiter jupiter;
            Planet& planet = body == 0 ? static_cast<Planet&>(venus) : jupiter;
            EarthSun es;
            DateTime dt;
            dt.setLocal(2024, 3, 10, 12, 0, zone.hours, zone.minutes);
            computeBodyDocument(dt, es, planetPlace(planet), 40.0);
            const int hour = dt.transitHour, minute = dt.transitMinute;
            ASSERT_GE(hour, 0);
            ASSERT_LE(hour, 23);
            DateTime at;
            at.setLocal(2024, 3, 10, hour, minute, zone.hours, zone.minutes);
            computeBodyDocument(at, es, planetPlace(planet), 40.0);
            EXPECT_NEAR(at.altitude(), 90.0 - std::fabs(40.0 - planet.dec), 0.1)
                << "zone " << zone.hours << ":" << zone.minutes << " body " << body << " transit "
                << hour << ":" << minute;
        }
    }
}

// On the first of a month the day before is day 0, left to the Julian-day
// formula: the result must be that of the real previous date.
TEST(RiseTransitSet, DayBeforeTheFirstOfTheMonth) {
    EarthSun es;
    Mars mars;
    const BodyPlace place = planetPlace(mars);
    DateTime doc;
    doc.setLocal(2024, 3, 1, 21, 0, 1, 0);
    computeRiseTransitSetDay(doc, es, place, 45.0);

    double places[6];
    const int days[3][3] = {{2024, 2, 29}, {2024, 3, 1}, {2024, 3, 2}};
    for (int k = 0; k < 3; ++k) {
        DateTime day;
        day.setLocal(days[k][0], days[k][1], days[k][2], 0, 0, 0, 0);
        day.computeDate();
        day.computeNutation();
        place(day, es, places[k], places[k + 3]);
    }
    DateTime manual;
    manual.setLocal(2024, 3, 1, 21, 0, 1, 0);
    manual.computeDate();
    manual.computeSiderealTime();
    manual.computeRiseTransitSet(places, kPlanetRiseAltitude, manual.longitudeWest(), 45.0);
    manual.riseSetToLocal();
    EXPECT_EQ(minutesOf(doc.riseHour, doc.riseMinute), minutesOf(manual.riseHour, manual.riseMinute));
    EXPECT_EQ(minutesOf(doc.transitHour, doc.transitMinute),
              minutesOf(manual.transitHour, manual.transitMinute));
    EXPECT_EQ(minutesOf(doc.setHour, doc.setMinute), minutesOf(manual.setHour, manual.setMinute));
}

TEST(RiseTransitSet, SignedAltitudeFromThePair) {
    DateTime dt;
    dt.computeAltitude(0, -10.25 / 57.295779513, 90.0);
    EXPECT_NEAR(dt.altitude(), -10.25, 1e-6);
    dt.computeAltitude(0, -0.5 / 57.295779513, 90.0);
    EXPECT_NEAR(dt.altitude(), -0.5, 1e-6);
    dt.computeAltitude(0, 33.4 / 57.295779513, 90.0);
    EXPECT_NEAR(dt.altitude(), 33.4, 1e-6);
}

TEST(RiseTransitSet, ZoneStandsInForLongitude) {
    DateTime dt;
    dt.setLocal(2020, 1, 1, 0, 0, -5, 0);
    EXPECT_EQ(dt.longitudeWest(), 75);
    dt.zoneHours = 53;  // 3 h west, encoded
    EXPECT_EQ(dt.longitudeWest(), 45);
    dt.zoneHours = 9;
    EXPECT_EQ(dt.longitudeWest(), -135);
    dt.zoneHours = 5;
    dt.zoneMinutes = 30;
    EXPECT_EQ(dt.longitudeWest(), -82.5);
    dt.zoneHours = 53;  // 3 h 30 west
    EXPECT_EQ(dt.longitudeWest(), 52.5);
}

}  // namespace
}  // namespace vantorel
