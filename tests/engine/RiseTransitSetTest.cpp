// Rise, transit and set of the local date: the handbook's worked example, the
// events of far zones and of the poles against a plain scan of the day, and
// the document sequence.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/Angles.h"
#include "engine/BodySequence.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/Jupiter.h"
#include "engine/LocalDay.h"
#include "engine/Mars.h"
#include "engine/RiseTransitSet.h"
#include "engine/Venus.h"
#include "tests/engine/DayEventScan.h"

namespace vantorel {
namespace {

int minutesOf(int h, int m) { return h * 60 + m; }
double secondsAfter(double jd, double startJd) { return (jd - startJd) * 86400.0; }

// A body that keeps one place all day.
PlaceAtInstant fixedPlace(double raDeg, double decDeg, double h0Rad = kPlanetRiseAltitude) {
    return [=](double) { return SkyPlace{raDeg, decDeg, h0Rad}; };
}

// Venus at Boston (42°20' N, 71°05' W), 1988 March 20: the handbook's three
// places at 0 h dynamical time of the 19th, 20th and 21st, interpolated.
TEST(RiseTransitSet, VenusAtBoston) {
    const double ra[3] = {40.68021, 41.73129, 42.78204};
    const double dec[3] = {18.04761, 18.44092, 18.82742};
    const double deltaT = 56.0 / 86400.0;
    const double midnight20 = calendarMidnightJd(1988, 3, 20);
    const PlaceAtInstant venus = [&](double jd) {
        const double n = jd + deltaT - midnight20;
        auto curve = [n](const double y[3]) {
            const double a = y[1] - y[0], b = y[2] - y[1];
            return y[1] + n / 2 * (a + b + n * (b - a));
        };
        return SkyPlace{curve(ra), curve(dec), kPlanetRiseAltitude};
    };
    const LocalDay day = localDay(1988, 3, 20, 0);
    const DayEvents e = findDayEvents(day, venus, 42.3333, -71.0833);
    ASSERT_TRUE(e.riseJd && e.transitJd && e.setJd);
    // 12h25m26s, 19h40m30s, 2h54m40s UT after the handbook's correction.
    EXPECT_NEAR(secondsAfter(*e.riseJd, day.startJd), 12 * 3600 + 25 * 60 + 26, 20);
    EXPECT_NEAR(secondsAfter(*e.transitJd, day.startJd), 19 * 3600 + 40 * 60 + 30, 20);
    EXPECT_NEAR(secondsAfter(*e.setJd, day.startJd), 2 * 3600 + 54 * 60 + 40, 20);
    // The handbook's -108.5344 degrees at its first guess, moved by its
    // correction of -0.00051 day (0.18 degree).
    EXPECT_NEAR(toDeg(e.riseHourAngleRad), -108.72, 0.05);
    EXPECT_EQ(e.condition, DateTime::kRisesAndSets);
    // Shown to the nearest minute: 12:25, 19:41 (19:40:30 and a little), 02:55.
    EXPECT_EQ(day.clockMinute(*e.riseJd), minutesOf(12, 25));
    EXPECT_EQ(day.clockMinute(*e.setJd), minutesOf(2, 55));
}

// The same sky turned by 41.5 degrees, right ascensions through 0 h included,
// and the observer turned with it: the same times.
TEST(RiseTransitSet, RightAscensionWrappingThroughZeroHours) {
    const double ra[3] = {359.18, 0.23, 1.28};  // continuous through 360
    const PlaceAtInstant wrapped = [&](double jd) {
        const double n = jd - calendarMidnightJd(1988, 3, 20);
        const double a = ra[1] + 360 - ra[0], b = ra[2] - ra[1];
        return SkyPlace{reduceDegrees(ra[1] + n / 2 * (a + b + n * (b - a))), 18.44,
                        kPlanetRiseAltitude};
    };
    const PlaceAtInstant plain = [&](double jd) {
        SkyPlace p = wrapped(jd);
        p.raDeg = reduceDegrees(p.raDeg + 41.5);
        return p;
    };
    const LocalDay day = localDay(1988, 3, 20, 0);
    const DayEvents shifted = findDayEvents(day, wrapped, 42.3333, -71.0833 - 41.5);
    const DayEvents reference = findDayEvents(day, plain, 42.3333, -71.0833);
    ASSERT_TRUE(shifted.riseJd && shifted.transitJd && shifted.setJd);
    ASSERT_TRUE(reference.riseJd && reference.transitJd && reference.setJd);
    EXPECT_NEAR(secondsAfter(*shifted.riseJd, *reference.riseJd), 0, 1);
    EXPECT_NEAR(secondsAfter(*shifted.transitJd, *reference.transitJd), 0, 1);
    EXPECT_NEAR(secondsAfter(*shifted.setJd, *reference.setJd), 0, 1);
}

TEST(RiseTransitSet, CircumpolarAndNeverRisingKeepTheTransit) {
    const LocalDay day = localDay(2024, 3, 20, 60);
    const DayEvents up = findDayEvents(day, fixedPlace(42, 70), 60, 15);
    EXPECT_FALSE(up.riseJd);
    EXPECT_FALSE(up.setJd);
    EXPECT_TRUE(up.transitJd);
    EXPECT_EQ(up.condition, DateTime::kAlwaysAbove);
    const DayEvents down = findDayEvents(day, fixedPlace(42, -70), 60, 15);
    EXPECT_FALSE(down.riseJd || down.setJd);
    EXPECT_TRUE(down.transitJd);
    EXPECT_EQ(down.condition, DateTime::kAlwaysBelow);
}

TEST(RiseTransitSet, EquatorRiseAndSetSixSiderealHoursFromTransit) {
    const LocalDay day = localDay(2024, 3, 20, 0);
    // The longitude that brings a right ascension of 100 degrees to the
    // meridian about noon.
    const double noon = day.startJd + 0.5;
    const double longitude = 100.0 - greenwichMeanSiderealDeg(noon);
    const DayEvents e = findDayEvents(day, fixedPlace(100, 0, 0), 0, longitude);
    ASSERT_TRUE(e.riseJd && e.transitJd && e.setJd);
    // Six sidereal hours are 359.02 minutes.
    EXPECT_NEAR((*e.transitJd - *e.riseJd) * 1440, 359.02, 0.02);
    EXPECT_NEAR((*e.setJd - *e.transitJd) * 1440, 359.02, 0.02);
    EXPECT_NEAR((*e.transitJd - noon) * 1440, 0, 0.1);
}

// A star comes back to the meridian 3 min 56 s earlier each day: with one
// transit a minute after midnight the next falls at 23:57, on the same date.
TEST(RiseTransitSet, TwoTransitsOnOneDateGiveTheFirst) {
    const LocalDay day = localDay(2024, 3, 20, 120);
    const double lon = 30.0;
    const double ra = reduceDegrees(greenwichMeanSiderealDeg(day.startJd + 1.0 / 1440) + lon);
    const DayEvents e = findDayEvents(day, fixedPlace(ra, 20), 45, lon);
    ASSERT_TRUE(e.transitJd);
    EXPECT_EQ(day.clockMinute(*e.transitJd), 1);
}

// The universal time of a local date, and clock minutes within it.
TEST(LocalDay, BoundsAndClockMinutes) {
    // Zone +1: 2024-03-01 starts at 23:00 UT on the 29th of February.
    const LocalDay paris = localDay(2024, 3, 1, 60);
    EXPECT_DOUBLE_EQ(paris.startJd, calendarMidnightJd(2024, 2, 29) + 23.0 / 24);
    EXPECT_DOUBLE_EQ(paris.endJd - paris.startJd, 1.0);
    // 23:30 UT on the 29th is 00:30 on the local 1st.
    EXPECT_EQ(paris.clockMinute(calendarMidnightJd(2024, 2, 29) + 23.5 / 24), 30);
    // 3 h 30 west: 10:45 UT is 07:15; 5 h 30 east: 16:15.
    const LocalDay west = localDay(2024, 3, 1, -210);
    EXPECT_EQ(west.clockMinute(calendarMidnightJd(2024, 3, 1) + 10.75 / 24), minutesOf(7, 15));
    const LocalDay east = localDay(2024, 3, 1, 330);
    EXPECT_EQ(east.clockMinute(calendarMidnightJd(2024, 3, 1) + 10.75 / 24), minutesOf(16, 15));
    // Rounded to the minute, never beyond the day.
    EXPECT_EQ(east.clockMinute(east.startJd + 89.0 / 86400), 1);
    EXPECT_EQ(east.clockMinute(east.endJd - 1.0 / 86400), 1439);
    // A day 0 and a day 32 count on from the month; New Year's Eve.
    EXPECT_DOUBLE_EQ(calendarMidnightJd(2024, 3, 0), calendarMidnightJd(2024, 2, 29));
    EXPECT_DOUBLE_EQ(calendarMidnightJd(2024, 12, 32), calendarMidnightJd(2025, 1, 1));
    EXPECT_DOUBLE_EQ(calendarMidnightJd(2000, 1, 1), 2451544.5);
    // A record's date in its encoded west zone (50 + hours).
    DateTime dt;
    dt.setLocal(2024, 1, 1, 12, 0, 55, 0);
    EXPECT_DOUBLE_EQ(localDayOf(dt).startJd, calendarMidnightJd(2024, 1, 1) + 5.0 / 24);
}

// Summer time ends at 01:00 UT: the local date lasts 25 hours and a clock
// reading after the change takes the winter offset.
TEST(LocalDay, ADayWhoseOffsetChanges) {
    const double change = calendarMidnightJd(2024, 10, 27) + 1.0 / 24;
    const ZoneOffsetAt paris = [change](double jd) { return jd < change ? 120 : 60; };
    const LocalDay day = localDay(2024, 10, 27, paris);
    EXPECT_NEAR((day.endJd - day.startJd) * 24, 25.0, 1e-6);
    EXPECT_NEAR(day.startJd, calendarMidnightJd(2024, 10, 26) + 22.0 / 24, 1e-9);
    EXPECT_EQ(day.clockMinute(change + 1.0 / 24), minutesOf(3, 0));
    EXPECT_EQ(day.clockMinute(change - 1.0 / 24), minutesOf(2, 0));
}

struct Site {
    const char* name;
    double latitude, longitude;
    int zoneMinutes;
};

// Every event the search gives lies on the date and is the first of its kind
// there; an event the slow scan finds is not missed.
void expectAgreesWithTheScan(const Site& site, int y, int m, int d, const PlaceAtInstant& place) {
    const LocalDay day = localDay(y, m, d, site.zoneMinutes);
    const DayEvents e = findDayEvents(day, place, site.latitude, site.longitude);
    const test::ScannedEvents scan = test::scanDay(day, place, site.latitude, site.longitude);
    const std::string where = std::string(site.name) + " " + std::to_string(y) + "-" +
                              std::to_string(m) + "-" + std::to_string(d);
    auto same = [&](const std::optional<double>& got, const std::optional<double>& want,
                    const char* what) {
        ASSERT_EQ(got.has_value(), want.has_value()) << where << " " << what;
        if (got) {
            EXPECT_NEAR(secondsAfter(*got, *want), 0, 5) << where << " " << what;
        }
    };
    same(e.riseJd, scan.riseJd, "rise");
    same(e.transitJd, scan.transitJd, "transit");
    same(e.setJd, scan.setJd, "set");
    if (!e.riseJd && !e.setJd) {
        EXPECT_NE(e.condition, DateTime::kRisesAndSets) << where;
    }
}

const Site kHonolulu{"Honolulu", 21.307, -157.858, -600};
const Site kNukualofa{"Nuku'alofa", -21.139, -175.204, 780};
const Site kKiritimati{"Kiritimati", 1.87, -157.4, 840};
const Site kTromso{"Tromso", 69.65, 18.96, 60};
const Site kNorthPole{"North Pole", 90, 0, 0};
const Site kSouthPole{"South Pole", -90, 0, 0};

TEST(RiseTransitSet, FarZonesAndThePolesAgreeWithAPlainScan) {
    EarthSun es;
    Mars mars;
    Jupiter jupiter;
    DateTime like;
    const BodyPlace sun = sunPlace();
    const PlaceAtInstant sunAt = placeAtInstant(like, es, sun, kSunRiseAltitude);
    const BodyPlace marsPlace = planetPlace(mars);
    const PlaceAtInstant marsAt = placeAtInstant(like, es, marsPlace, kPlanetRiseAltitude);
    const BodyPlace jupiterPlace = planetPlace(jupiter);
    const PlaceAtInstant jupiterAt = placeAtInstant(like, es, jupiterPlace, kPlanetRiseAltitude);
    for (const Site& site : {kHonolulu, kNukualofa, kKiritimati}) {
        expectAgreesWithTheScan(site, 2024, 12, 31, sunAt);
        expectAgreesWithTheScan(site, 2024, 7, 1, marsAt);
        expectAgreesWithTheScan(site, 2024, 7, 1, jupiterAt);
    }
    // The midnight sun, the polar night and the days between at Tromso, and
    // the Sun's one rise of the year at each pole (its declination crossing
    // the rise altitude).
    for (int d : {1, 15, 20, 21, 22, 25})
        expectAgreesWithTheScan(kTromso, 2024, 5, d, sunAt);
    for (int m : {1, 6, 7, 11, 12}) expectAgreesWithTheScan(kTromso, 2024, m, 21, sunAt);
    for (int d = 16; d <= 20; ++d) expectAgreesWithTheScan(kNorthPole, 2024, 3, d, sunAt);
    for (int d = 20; d <= 24; ++d) expectAgreesWithTheScan(kSouthPole, 2024, 9, d, sunAt);
}

TEST(RiseTransitSet, PolarDayAndNight) {
    EarthSun es;
    for (const Site& site : {kTromso, kNorthPole, kSouthPole}) {
        for (int month : {6, 12}) {
            DateTime dt;
            dt.setLocal(2024, month, 21, 12, 0, site.zoneMinutes / 60, 0);
            dt.siteLongitude = site.longitude;
            computeBodyDocument(dt, es, sunPlace(), site.latitude, kSunRiseAltitude);
            EXPECT_FALSE(dt.riseOnDate || dt.setOnDate) << site.name << " " << month;
            const bool summer = (month == 6) == (site.latitude > 0);
            EXPECT_EQ(dt.riseSetCondition, summer ? DateTime::kAlwaysAbove : DateTime::kAlwaysBelow)
                << site.name << " " << month;
            EXPECT_EQ(dt.altitude() > 0, summer) << site.name << " " << month;
        }
    }
    // The Sun rises at the North Pole on 18 March 2024 (declination -0.83
    // degree at about 00:30 UT) and is then up for six months.
    DateTime pole;
    pole.setLocal(2024, 3, 18, 12, 0, 0, 0);
    computeBodyDocument(pole, es, sunPlace(), 90.0, kSunRiseAltitude);
    EXPECT_TRUE(pole.riseOnDate);
    EXPECT_FALSE(pole.setOnDate);
}

// Against an independent ephemeris (PyEphem 4.1, upper limb with 34' of
// refraction): the Sun in zones -10, +13 and +14.
TEST(RiseTransitSet, SunInFarZonesAgainstAnIndependentEphemeris) {
    struct Case {
        Site site;
        int y, m, d;
        int rise, transit, set;  // local minutes
    };
    const Case cases[] = {
        {kHonolulu, 2024, 3, 10, minutesOf(6, 44), minutesOf(12, 41), minutesOf(18, 39)},
        {kNukualofa, 2024, 7, 1, minutesOf(7, 19), minutesOf(12, 45), minutesOf(18, 11)},
        {kKiritimati, 2024, 12, 31, minutesOf(6, 32), minutesOf(12, 33), minutesOf(18, 33)},
    };
    EarthSun es;
    const BodyPlace sun = sunPlace();
    for (const Case& c : cases) {
        DateTime like;
        const LocalDay day = localDay(c.y, c.m, c.d, c.site.zoneMinutes);
        const DayEvents e = findDayEvents(day, placeAtInstant(like, es, sun, kSunRiseAltitude),
                                          c.site.latitude, c.site.longitude);
        ASSERT_TRUE(e.riseJd && e.transitJd && e.setJd) << c.site.name;
        EXPECT_NEAR(day.clockMinute(*e.riseJd), c.rise, 1) << c.site.name;
        EXPECT_NEAR(day.clockMinute(*e.transitJd), c.transit, 1) << c.site.name;
        EXPECT_NEAR(day.clockMinute(*e.setJd), c.set, 1) << c.site.name;
    }
}

// The document sequence: the local date's events, then the instant, then the
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
    ASSERT_TRUE(dt.riseOnDate && dt.transitOnDate && dt.setOnDate);
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
            ASSERT_TRUE(dt.transitOnDate);
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

// A place that is not a number (a damaged input) ends the search at once
// with nothing found.
TEST(RiseTransitSet, NoPlaceNoEvents) {
    const LocalDay day = localDay(2024, 3, 20, 0);
    const DayEvents e = findDayEvents(day, fixedPlace(NAN, NAN), 45, 0);
    EXPECT_FALSE(e.riseJd || e.transitJd || e.setJd);
    const DayEvents odd = findDayEvents(day, fixedPlace(10, 10), NAN, 0);
    EXPECT_FALSE(odd.riseJd || odd.transitJd || odd.setJd);
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
