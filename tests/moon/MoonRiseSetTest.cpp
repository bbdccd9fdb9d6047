// The Moon's rise, transit and set: repeated corrections until the time
// settles, checked against the Moon's own altitude at the reported minute and
// against an independent ephemeris (Swiss Ephemeris, upper limb with
// standard refraction, which is what the Moon's standard altitude stands for).
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "engine/BodySequence.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "moon/MoonPlace.h"

namespace vantorel {
namespace {

struct Site {
    double latitude;
    std::optional<double> longitude;
    int zoneHours;
};

struct Events {
    DateTime dt;
    double h0Deg = 0;
};

// What a document runs: the standard altitude from the distance at the
// instant, then the three-day rise/transit/set.
Events moonEvents(int y, int mo, int d, const Site& site, int corrections) {
    Events e;
    e.dt.setLocal(y, mo, d, 12, 0, site.zoneHours, 0);
    e.dt.siteLongitude = site.longitude;
    EarthSun es;
    MoonTheory moon;
    DateTime probe = e.dt;
    computeInstant(probe, es, moonPlace(moon));
    const double h0 = moonRiseAltitude(moon.distance);
    e.h0Deg = h0 * 57.295779513;
    computeRiseTransitSetDay(e.dt, es, moonPlace(moon), site.latitude, h0, corrections);
    return e;
}

// The Moon's altitude at a local clock time on the local day `dayOffset`
// from the record's.
double moonAltitudeAt(const DateTime& base, int dayOffset, int hour, int minute, double latitude) {
    DateTime dt = base;
    // At the longitude the events were computed for, the zone's centre
    // included: the exact hour angle, not the clock read as universal time.
    dt.siteLongitude = -base.longitudeWest();
    dt.localDay += dayOffset;
    dt.localHour = hour;
    dt.localMinute = minute;
    dt.carryLocalTime();
    dt.computeDate();
    dt.computeSiderealTime();
    EarthSun es;
    MoonTheory moon;
    computePlaceAndAltitude(dt, es, moonPlace(moon), latitude);
    return dt.altitude();
}

// The reported (truncated) minute must hold the root: the Moon's altitude
// then lies within one minute's change of the standard altitude. The event
// may belong to the local day before or after; the nearest one is taken.
double rootMiss(const Events& e, int hour, int minute, double latitude, double* perMinute) {
    double best = 1e9;
    for (int day = -1; day <= 1; ++day) {
        const double h = moonAltitudeAt(e.dt, day, hour, minute, latitude);
        if (std::fabs(h - e.h0Deg) < std::fabs(best)) {
            best = h - e.h0Deg;
            *perMinute = std::fabs(moonAltitudeAt(e.dt, day, hour, minute + 1, latitude) - h);
        }
    }
    return best;
}

int clockGap(int h, int m, int refH, int refM) {
    int d = (h * 60 + m) - (refH * 60 + refM);
    while (d > 720) d -= 1440;
    while (d < -720) d += 1440;
    return d;
}

TEST(MoonRiseSet, TheReportedMinuteHoldsTheRoot) {
    const struct {
        int y, mo, d;
        Site site;
    } cases[] = {
        {2025, 3, 6, {28.6, std::nullopt, 7}},    // 105 E from the zone
        {2024, 6, 21, {40.4167, -3.7, 2}},        // Madrid, full moon low in the south
        {2025, 1, 10, {40.7128, -74.006, -5}},    // New York
        {2024, 1, 20, {48.8667, 2.35, 1}},        // Paris, first quarter
        {2023, 9, 2, {-33.87, 151.21, 10}},       // Sydney
        {2026, 12, 24, {59.33, 18.07, 1}},        // Stockholm in winter
    };
    for (const auto& c : cases) {
        const Events e = moonEvents(c.y, c.mo, c.d, c.site, kMoonCorrections);
        ASSERT_TRUE(e.dt.hasRiseSet()) << c.y << "-" << c.mo << "-" << c.d;
        double perMinute = 0;
        const double riseMiss = rootMiss(e, e.dt.riseHour, e.dt.riseMinute, c.site.latitude, &perMinute);
        EXPECT_LE(-riseMiss, perMinute + 0.005) << "rise " << c.y << "-" << c.mo << "-" << c.d;
        EXPECT_LE(riseMiss, 0.005) << "rise " << c.y << "-" << c.mo << "-" << c.d;
        const double setMiss = rootMiss(e, e.dt.setHour, e.dt.setMinute, c.site.latitude, &perMinute);
        EXPECT_LE(setMiss, perMinute + 0.005) << "set " << c.y << "-" << c.mo << "-" << c.d;
        EXPECT_GE(setMiss, -0.005) << "set " << c.y << "-" << c.mo << "-" << c.d;
    }
}

// One correction from the three-day interpolation leaves the Moon minutes
// off where it moves fastest; the repeated ones must differ from it there.
TEST(MoonRiseSet, OneCorrectionIsNotEnoughForTheMoon) {
    const Site site{28.6, std::nullopt, 7};
    const Events once = moonEvents(2025, 3, 6, site, 1);
    const Events settled = moonEvents(2025, 3, 6, site, kMoonCorrections);
    double perMinute = 0;
    const double miss = rootMiss(once, once.dt.setHour, once.dt.setMinute, site.latitude, &perMinute);
    EXPECT_GT(std::fabs(miss), 3 * perMinute);
    EXPECT_GE(std::abs(clockGap(once.dt.setHour, once.dt.setMinute, settled.dt.setHour,
                                settled.dt.setMinute)),
              3);
}

TEST(MoonRiseSet, WesternSitesAgainstAnIndependentEphemeris) {
    // Madrid, zone +2: rise 19:54:35 UT, transit 00:14:55 UT on the 22nd,
    // set 03:39:50 UT.
    Events madrid = moonEvents(2024, 6, 21, {40.4167, -3.7, 2}, kMoonCorrections);
    EXPECT_LE(std::abs(clockGap(madrid.dt.riseHour, madrid.dt.riseMinute, 21, 54)), 2);
    EXPECT_LE(std::abs(clockGap(madrid.dt.transitHour, madrid.dt.transitMinute, 2, 14)), 2);
    EXPECT_LE(std::abs(clockGap(madrid.dt.setHour, madrid.dt.setMinute, 5, 39)), 2);
    // New York, zone -5: rise 18:23:36 UT, transit 01:24:41, set 09:19:36 UT.
    Events ny = moonEvents(2025, 1, 10, {40.7128, -74.006, -5}, kMoonCorrections);
    EXPECT_LE(std::abs(clockGap(ny.dt.riseHour, ny.dt.riseMinute, 13, 23)), 2);
    EXPECT_LE(std::abs(clockGap(ny.dt.transitHour, ny.dt.transitMinute, 20, 24)), 2);
    EXPECT_LE(std::abs(clockGap(ny.dt.setHour, ny.dt.setMinute, 4, 19)), 2);
    // Without the longitude New York's zone centre (75 W) moves all three
    // by about four minutes.
    Events zone = moonEvents(2025, 1, 10, {40.7128, std::nullopt, -5}, kMoonCorrections);
    EXPECT_GE(clockGap(zone.dt.riseHour, zone.dt.riseMinute, ny.dt.riseHour, ny.dt.riseMinute), 3);
}

}  // namespace
}  // namespace vantorel
