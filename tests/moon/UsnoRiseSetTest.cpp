// Rise and set of the Sun and the Moon against the US Naval Observatory's
// one-year tables for 2019 (read from the shared reference folder): every
// fifth local date of the year in several zones, matched by local date. The
// tables give the upper limb with 34' of refraction and the Moon's
// topocentric parallax, rounded to the minute.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/BodySequence.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/LocalDay.h"
#include "moon/MoonPlace.h"

namespace vantorel {
namespace {

const char* const kTables = VANTOREL_REFERENCE_DIR "/usno-rise-set-2019.txt";

struct TableEvent {
    double jd;  // universal time
    bool rise;
};

// (body, east longitude, latitude) -> events in time order.
using Tables = std::map<std::string, std::vector<TableEvent>>;

std::string siteKey(const char* body, int lon, int lat) {
    return std::string(body) + " " + std::to_string(lon) + " " + std::to_string(lat);
}

bool readTables(Tables& tables) {
    std::ifstream in(kTables);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        char body[16] = {}, kind = 0;
        int lon = 0, lat = 0, y = 0, mo = 0, d = 0, h = 0, mi = 0;
        if (std::sscanf(line.c_str(), "%15s %d %d %d-%d-%dT%d:%dZ %c", body, &lon, &lat, &y, &mo,
                        &d, &h, &mi, &kind) != 9)
            continue;
        tables[siteKey(body, lon, lat)].push_back(
            {calendarMidnightJd(y, mo, d) + (h * 60 + mi) / 1440.0, kind == 'r'});
    }
    return true;
}

struct Tally {
    int compared = 0;
    int worst = 0;
    std::string worstAt;
};

// The first table event of a kind whose local clock minute falls on the day.
std::optional<int> tableMinute(const std::vector<TableEvent>& events, const LocalDay& day, bool rise) {
    constexpr double kHalfMinute = 30.0 / 86400.0;
    for (const TableEvent& e : events)
        if (e.rise == rise && e.jd >= day.startJd - kHalfMinute && e.jd < day.endJd - kHalfMinute)
            return day.clockMinute(e.jd);
    return std::nullopt;
}

void compareDay(const std::vector<TableEvent>& events, const DateTime& dt, int tolerance,
                const std::string& where, Tally& tally) {
    const LocalDay day = localDayOf(dt);
    for (bool rise : {true, false}) {
        const std::optional<int> want = tableMinute(events, day, rise);
        const bool onDate = rise ? dt.riseOnDate : dt.setOnDate;
        const char* what = rise ? " rise" : " set";
        EXPECT_EQ(onDate, want.has_value()) << where << what;
        if (!onDate || !want) continue;
        const int got = rise ? dt.riseHour * 60 + dt.riseMinute : dt.setHour * 60 + dt.setMinute;
        const int miss = std::abs(got - *want);
        EXPECT_LE(miss, tolerance) << where << what << ": " << got << " against " << *want;
        ++tally.compared;
        if (miss > tally.worst) {
            tally.worst = miss;
            tally.worstAt = where + what;
        }
    }
}

TEST(UsnoRiseSet, SunAndMoonWithinAMinuteOrTwoInEveryZone) {
    Tables tables;
    if (!readTables(tables)) GTEST_SKIP() << "no reference tables at " << kTables;
    const std::vector<TableEvent>& moon = tables[siteKey("Moon", -81, 29)];
    const std::vector<TableEvent>& sun = tables[siteKey("Sun", -81, 29)];
    const std::vector<TableEvent>& northSun = tables[siteKey("Sun", 0, 60)];
    ASSERT_GT(moon.size(), 600u);
    ASSERT_GT(sun.size(), 600u);
    ASSERT_GT(northSun.size(), 600u);
    const double yearStart = calendarMidnightJd(2019, 1, 1), yearEnd = calendarMidnightJd(2020, 1, 1);

    Tally moonTally, sunTally;
    EarthSun es;
    const BodyPlace sunAt = sunPlace();
    for (int dayOfYear = 3; dayOfYear <= 363; dayOfYear += 5) {
        struct Run {
            const std::vector<TableEvent>* events;
            int lon, lat, zone;
            bool isMoon;
        };
        const Run runs[] = {
            {&moon, -81, 29, -10, true}, {&moon, -81, 29, -5, true}, {&moon, -81, 29, 0, true},
            {&moon, -81, 29, 10, true},  {&moon, -81, 29, 13, true}, {&sun, -81, 29, -10, false},
            {&sun, -81, 29, -5, false},  {&sun, -81, 29, 0, false},  {&sun, -81, 29, 13, false},
            {&northSun, 0, 60, 0, false}, {&northSun, 0, 60, 1, false},
        };
        for (const Run& run : runs) {
            DateTime dt;
            dt.setLocal(2019, 1, dayOfYear, 12, 0, run.zone, 0);
            dt.normaliseLocalDate();
            dt.siteLongitude = run.lon;
            const LocalDay day = localDayOf(dt);
            ASSERT_GE(day.startJd, yearStart);
            ASSERT_LE(day.endJd, yearEnd);
            if (run.isMoon)
                computeMoonRiseTransitSet(dt, run.lat);
            else
                computeRiseTransitSetDay(dt, es, sunAt, run.lat, kSunRiseAltitude);
            char where[64];
            std::snprintf(where, sizeof where, "%s %d N %d E zone %+d 2019-%02d-%02d",
                          run.isMoon ? "Moon" : "Sun", run.lat, run.lon, run.zone,
                          static_cast<int>(dt.localMonth), static_cast<int>(dt.localDay));
            compareDay(*run.events, dt, run.isMoon ? 2 : 1, where, run.isMoon ? moonTally : sunTally);
        }
    }
    EXPECT_GT(moonTally.compared, 650);
    EXPECT_GT(sunTally.compared, 800);
    std::printf("compared %d Moon events (worst %d min, %s) and %d Sun events (worst %d min, %s)\n",
                moonTally.compared, moonTally.worst, moonTally.worstAt.c_str(), sunTally.compared,
                sunTally.worst, sunTally.worstAt.c_str());
}

}  // namespace
}  // namespace vantorel
