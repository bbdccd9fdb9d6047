// The Moon's rise, transit and set of the local date, corrected at its own
// place and distance: checked against the Moon's altitude at the reported
// minute, against a plain scan of its own place through whole months (days
// without a rise, a transit or a set included, far zones, 65 degrees and the
// poles), and against an independent ephemeris (PyEphem 4.1, upper limb with
// 34' of refraction and the Moon's topocentric place, which is what the
// Moon's rise altitude stands for).
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <tuple>

#include "engine/BodySequence.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/LocalDay.h"
#include "engine/RiseTransitSet.h"
#include "moon/MoonPlace.h"
#include "tests/engine/DayEventScan.h"

namespace vantorel {
namespace {

struct Site {
    const char* name;
    double latitude;
    std::optional<double> longitude;
    int zoneHours;
};

DateTime moonEvents(int y, int mo, int d, const Site& site) {
    DateTime dt;
    dt.setLocal(y, mo, d, 12, 0, site.zoneHours, 0);
    dt.siteLongitude = site.longitude;
    computeMoonRiseTransitSet(dt, site.latitude);
    return dt;
}

// The Moon's altitude less its rise altitude at a local clock time of the
// record's date, at the longitude the events were computed for.
double gapAt(const DateTime& base, int hour, int minute, double latitude) {
    DateTime dt = base;
    dt.siteLongitude = -base.longitudeWest();
    dt.localHour = hour;
    dt.localMinute = minute;
    dt.carryLocalTime();
    dt.computeDate();
    dt.computeSiderealTime();
    EarthSun es;
    MoonTheory moon;
    computePlaceAndAltitude(dt, es, moonPlace(moon), latitude);
    return dt.altitude() - toDeg(moonRiseAltitude(moon.distance));
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
        {2025, 3, 6, {"zone +7", 28.6, std::nullopt, 7}},
        {2024, 6, 21, {"Madrid", 40.4167, -3.7, 2}},
        {2025, 1, 10, {"New York", 40.7128, -74.006, -5}},
        {2024, 1, 20, {"Paris", 48.8667, 2.35, 1}},
        {2023, 9, 2, {"Sydney", -33.87, 151.21, 10}},
        {2026, 12, 24, {"Stockholm", 59.33, 18.07, 1}},
    };
    for (const auto& c : cases) {
        const DateTime e = moonEvents(c.y, c.mo, c.d, c.site);
        ASSERT_TRUE(e.riseOnDate && e.setOnDate) << c.site.name;
        // Shown to the nearest minute: the root lies within half a minute's
        // climb of the reported minute, on the date itself.
        for (const auto& [hour, minute, rising] :
             {std::tuple{e.riseHour, e.riseMinute, true}, std::tuple{e.setHour, e.setMinute, false}}) {
            const double gap = gapAt(e, hour, minute, c.site.latitude);
            const double perMinute = std::fabs(gapAt(e, hour, minute + 1, c.site.latitude) - gap);
            EXPECT_LE(std::fabs(gap), perMinute / 2 + 0.005)
                << c.site.name << (rising ? " rise " : " set ") << hour << ":" << minute;
        }
    }
}

// Every day of a month: the rise, transit and set found agree with a scan of
// the Moon's own place every 30 s, including the days without one of them.
TEST(MoonRiseSet, WholeMonthsAgreeWithAPlainScan) {
    const Site sites[] = {
        {"Honolulu, zone -10", 21.307, -157.858, -10},
        {"Nuku'alofa, zone +13", -21.139, -175.204, 13},
        {"Kiritimati, zone +14", 1.87, -157.4, 14},
        {"29 N 81 W, zone -5", 29, -81, -5},
        {"65 N", 65, -18, 0},
        {"65 S", -65, 140, 10},
        {"North Pole", 90, 0, 0},
        {"South Pole", -90, 0, 0},
    };
    for (const Site& site : sites) {
        int missing[3] = {0, 0, 0};
        for (int day = 1; day <= 31; ++day) {
            DateTime like;
            like.setLocal(2019, 1, day, 12, 0, site.zoneHours, 0);
            MoonTheory scratch;
            const PlaceAtInstant moon = moonPlaceAtInstant(like, scratch);
            const LocalDay local = localDayOf(like);
            const DayEvents e = findDayEvents(local, moon, site.latitude, *site.longitude, true);
            const test::ScannedEvents scan =
                test::scanDay(local, moon, site.latitude, *site.longitude);
            const std::string where = std::string(site.name) + " 2019-01-" + std::to_string(day);
            auto same = [&](const std::optional<double>& got, const std::optional<double>& want,
                            const char* what, int& count) {
                EXPECT_EQ(got.has_value(), want.has_value()) << where << " " << what;
                if (got && want) {
                    EXPECT_NEAR((*got - *want) * 86400, 0, 5) << where << " " << what;
                }
                count += !got;
            };
            same(e.riseJd, scan.riseJd, "rise", missing[0]);
            same(e.transitJd, scan.transitJd, "transit", missing[1]);
            same(e.setJd, scan.setJd, "set", missing[2]);
        }
        // A month holds a day without a rise and one without a set.
        EXPECT_GE(missing[0], 1) << site.name;
        EXPECT_GE(missing[2], 1) << site.name;
        if (std::fabs(site.latitude) < 80) {
            EXPECT_LE(missing[0], 2) << site.name;
        }
    }
}

TEST(MoonRiseSet, AgainstAnIndependentEphemeris) {
    struct Case {
        int y, mo, d;
        Site site;
        int riseH, riseM, transitH, transitM, setH, setM;
    };
    const Case cases[] = {
        // Madrid, zone +2: 21:54:32, 01:16:17 (the transit of the 21st, not
        // the one after midnight), 05:39:52.
        {2024, 6, 21, {"Madrid", 40.4167, -3.7, 2}, 21, 55, 1, 16, 5, 40},
        // New York, zone -5: 13:23:33, 21:24:24, 04:19:38.
        {2025, 1, 10, {"New York", 40.7128, -74.006, -5}, 13, 24, 21, 24, 4, 20},
        // Honolulu, zone -10: 07:08:20, 13:14:50, 19:27:18.
        {2024, 3, 10, {"Honolulu", 21.307, -157.858, -10}, 7, 8, 13, 15, 19, 27},
        // Nuku'alofa, zone +13: 02:18:11, 08:08:21, 13:53:49.
        {2024, 7, 1, {"Nuku'alofa", -21.139, -175.204, 13}, 2, 18, 8, 8, 13, 54},
        // Kiritimati, zone +14: 06:24:49, 12:34:28, 18:44:11.
        {2024, 12, 31, {"Kiritimati", 1.87, -157.4, 14}, 6, 25, 12, 34, 18, 44},
    };
    for (const Case& c : cases) {
        const DateTime e = moonEvents(c.y, c.mo, c.d, c.site);
        ASSERT_TRUE(e.riseOnDate && e.transitOnDate && e.setOnDate) << c.site.name;
        EXPECT_LE(std::abs(clockGap(e.riseHour, e.riseMinute, c.riseH, c.riseM)), 1) << c.site.name;
        EXPECT_LE(std::abs(clockGap(e.transitHour, e.transitMinute, c.transitH, c.transitM)), 1)
            << c.site.name;
        EXPECT_LE(std::abs(clockGap(e.setHour, e.setMinute, c.setH, c.setM)), 1) << c.site.name;
    }
    // Without the longitude New York's zone centre (75 W) moves all three
    // by about four minutes.
    const DateTime ny = moonEvents(2025, 1, 10, {"New York", 40.7128, -74.006, -5});
    const DateTime zone = moonEvents(2025, 1, 10, {"zone -5", 40.7128, std::nullopt, -5});
    EXPECT_GE(clockGap(zone.riseHour, zone.riseMinute, ny.riseHour, ny.riseMinute), 3);
}

}  // namespace
}  // namespace vantorel
