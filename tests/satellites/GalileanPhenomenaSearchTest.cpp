#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "satellites/GalileanPhenomenaSearch.h"
#include "tests/satellites/GalileanTestSupport.h"
#include "tests/satellites/KeplerPlaceSource.h"

using namespace vantorel;

namespace {

// Compact rows (UT) of `days` days from 0 h UT of the given date.
std::vector<std::string> utRows(int y, int m, int d, int days, SearchMode mode, long* computed) {
    PlaceDrivenSatellites sat;
    KeplerPlaceSource source;
    GalileanPhenomenaSearch search(sat, source, mode);
    std::vector<std::string> rows;
    sat.fileMode = true;
    search.run({y, m, d, 0, 0}, TimeZone(), -60, 60 + days * 1440L, 0, formatDayLabel,
               [&](const LocalMinute&) {
                   for (int i = 0; i < sat.rows.count(); ++i) rows.push_back(sat.rows[i].text);
                   sat.rows.clear();
               });
    if (computed) *computed = search.evaluations();
    return rows;
}

std::vector<std::string> dayRows(const LocalMinute& day, int zh, int zm) {
    PlaceDrivenSatellites sat;
    KeplerPlaceSource source;
    GalileanPhenomenaSearch search(sat, source, SearchMode::Fast);
    search.findDay(day, zoneOfFields(zh, zm));
    std::vector<std::string> rows;
    for (int i = 0; i < sat.rows.count(); ++i) rows.push_back(sat.rows[i].text);
    return rows;
}

}  // namespace

TEST(GalileanPhenomenaSearch, CivilMinuteArithmetic) {
    const LocalMinute a = addMinutes(2005, 1, 1, -60);
    EXPECT_EQ(a.year, 2004);
    EXPECT_EQ(a.month, 12);
    EXPECT_EQ(a.day, 31);
    EXPECT_EQ(a.hour, 23);
    const LocalMinute b = addMinutes(2004, 2, 28, 1440 + 1439);
    EXPECT_EQ(b.month, 2);
    EXPECT_EQ(b.day, 29);
    EXPECT_EQ(b.hour, 23);
    EXPECT_EQ(b.minute, 59);
    EXPECT_EQ(daysBetween(2004, 12, 31, 2005, 3, 1), 60);
}

// The fast mode computes a small part of the minutes and finds exactly the
// rows of computing every minute, over a whole month.
TEST(GalileanPhenomenaSearch, FastModeEqualsEveryMinuteOverAMonth) {
    long fastCount = 0, fullCount = 0;
    const auto fast = utRows(2005, 3, 1, 31, SearchMode::Fast, &fastCount);
    const auto full = utRows(2005, 3, 1, 31, SearchMode::Exhaustive, &fullCount);
    EXPECT_EQ(fullCount, 60 + 31 * 1440);
    EXPECT_LT(fastCount * 5, fullCount);
    ASSERT_GT(full.size(), 150u);  // about six contacts a day
    EXPECT_EQ(fast, full);
}

TEST(GalileanPhenomenaSearch, DayBoundaryListsContactsFromOneMinutePastMidnight) {
    // A contact in the afternoon (UT) of 10 to 13 June 2005 (day 53531 is 10 June).
    const auto rows = utRows(2005, 6, 10, 4, SearchMode::Exhaustive, nullptr);
    std::string pick;
    for (const auto& r : rows) {
        const int hour = std::stoi(r.substr(5, 2));
        if (hour >= 12 && hour <= 22) {
            pick = r;
            break;
        }
    }
    ASSERT_FALSE(pick.empty());
    const int day = 10 + std::stoi(pick.substr(0, 5)) - 53531 + 1;
    const int utMinute = std::stoi(pick.substr(5, 2)) * 60 + std::stoi(pick.substr(7, 2));
    // The zone that puts the contact at local 00:00 of the next day, and one minute later.
    const int zone = 1440 - utMinute;
    const auto at0000 = dayRows({2005, 6, day, 0, 0}, zone / 60, zone % 60);
    const auto at0001 = dayRows({2005, 6, day, 0, 0}, (zone + 1) / 60, (zone + 1) % 60);
    auto listedAt = [&](const std::vector<std::string>& list, const char* hour, const char* minute) {
        for (const auto& r : list)
            if (r.substr(8, 2) == hour && r.substr(13, 2) == minute) return true;
        return false;
    };
    EXPECT_FALSE(listedAt(at0000, "00", "00"));
    EXPECT_TRUE(listedAt(at0001, "00", "01"));
    EXPECT_EQ(at0001.size(), at0000.size() + 1);
}
