#include <gtest/gtest.h>

#include "engine/DateTime.h"
#include "moon/MoonTheory.h"

using namespace vantorel;

namespace {

MoonTheory computedFor(int year, int month, int day, int zoneHours = 0, int zoneMinutes = 0) {
    DateTime dt;
    dt.setLocal(year, month, day, 12, 0, zoneHours, zoneMinutes);
    dt.computeDate();
    dt.computeNutation();
    MoonTheory moon;
    moon.computeMoon(dt, 0.0, false);
    return moon;
}

}  // namespace

TEST(MoonPhaseTable, JanuaryReachesBackIntoThePreviousYear) {
    const MoonTheory moon = computedFor(2024, 1, 15);
    EXPECT_EQ(moon.phaseTable[0].kind, kNewMoon);
    EXPECT_EQ(moon.phaseTable[0].year, 2023);
    // Kinds cycle 0, 1, 2, 3 and the instants increase by about a quarter lunation.
    for (int i = 1; i < MoonTheory::kPhaseCount; ++i) {
        EXPECT_EQ(moon.phaseTable[i].kind, i % 4);
        const double step = moon.phaseTable[i].julianDay - moon.phaseTable[i - 1].julianDay;
        EXPECT_GT(step, 6.0);
        EXPECT_LT(step, 8.7);
    }
    // 2024 January: new moon Jan 11 11:57 UT, the last new moon before Jan 15.
    EXPECT_EQ(moon.lastNewMoon.year, 2024);
    EXPECT_EQ(moon.lastNewMoon.month, 1);
    EXPECT_EQ(moon.lastNewMoon.day, 11);
    EXPECT_EQ(moon.lastNewMoon.hour, 11);
    EXPECT_NEAR(moon.lastNewMoon.minute, 57, 2);
    EXPECT_EQ(moon.moonAge, 4);
}

TEST(MoonPhaseTable, MonthPhasesOfJanuary2024) {
    // Published phases of 2024 January and February (UT): last quarter Jan 4
    // 03:30, new Jan 11 11:57, first quarter Jan 18 03:52, full Jan 25 17:54,
    // last quarter Feb 2 23:18, new Feb 9 22:59, first quarter Feb 16 15:01,
    // full Feb 24 12:30. The table holds dynamical time (69 s ahead in 2024);
    // the truncated theory is good to about a minute.
    const MoonTheory moon = computedFor(2024, 1, 20);
    const int expected[8][5] = {{3, 1, 4, 3, 30},   {0, 1, 11, 11, 57}, {1, 1, 18, 3, 52},
                                {2, 1, 25, 17, 54}, {3, 2, 2, 23, 18},  {0, 2, 9, 22, 59},
                                {1, 2, 16, 15, 1},  {2, 2, 24, 12, 30}};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        DateTime published;
        published.setLocal(2024, expected[i][1], expected[i][2], expected[i][3], expected[i][4], 0,
                           0);
        published.computeDate();
        EXPECT_EQ(moon.monthPhases[i].kind, expected[i][0]);
        EXPECT_NEAR(moon.monthPhases[i].julianDay, published.JD + 69.0 / 86400.0, 1.5 / 1440.0);
    }
}

TEST(MoonPhaseTable, DecemberIncludesJanuaryOfTheNextYear) {
    const MoonTheory moon = computedFor(2023, 12, 10);
    bool january = false;
    for (const MoonPhaseRecord& r : moon.monthPhases) {
        ASSERT_FALSE(r.empty());
        EXPECT_TRUE((r.month == 12 && r.year == 2023) || (r.month == 1 && r.year == 2024));
        january = january || (r.month == 1 && r.year == 2024);
    }
    EXPECT_TRUE(january);
}

TEST(MoonPhaseTable, ZoneShiftsTheLocalInstants) {
    const MoonTheory utc = computedFor(2024, 1, 20);
    const MoonTheory east = computedFor(2024, 1, 20, 5, 30);
    EXPECT_NEAR(east.phaseTable[3].julianDay - utc.phaseTable[3].julianDay, 5.5 / 24.0, 1e-8);
    // West zones: -3 h 30.
    const MoonTheory west = computedFor(2024, 1, 20, -3, 30);
    EXPECT_NEAR(west.phaseTable[3].julianDay - utc.phaseTable[3].julianDay, -3.5 / 24.0, 1e-8);
}

TEST(MoonPhaseTable, FirstQuartersAreCopiedUntilReset) {
    DateTime dt;
    dt.setLocal(2024, 3, 5, 0, 0, 1, 0);
    dt.computeDate();
    dt.computeNutation();
    MoonTheory moon;
    moon.computeMoon(dt, 0.0, false);
    for (int i = 0; i < MoonTheory::kFirstQuarterCount; ++i) {
        EXPECT_EQ(moon.firstQuarters[i].kind, kFirstQuarter);
        EXPECT_DOUBLE_EQ(moon.firstQuarters[i].julianDay, moon.phaseTable[4 * i + 1].julianDay);
    }
    // A second computation for another month keeps the records until reset.
    const double first = moon.firstQuarters[0].julianDay;
    dt.setLocal(2024, 9, 5, 0, 0, 1, 0);
    dt.computeDate();
    moon.computeMoon(dt, 0.0, false);
    EXPECT_DOUBLE_EQ(moon.firstQuarters[0].julianDay, first);
    moon.resetPhaseSlots();
    EXPECT_TRUE(moon.firstQuarters[0].empty());
    EXPECT_EQ(moon.firstQuarters[0].julianDay, 0.0);
    moon.computeMoon(dt, 0.0, false);
    EXPECT_GT(moon.firstQuarters[0].julianDay, first + 150);
}

TEST(MoonPhaseTable, EveryDayHasALastNewMoonAndAnAgeWithinALunation) {
    // Every day from 1985 to 2050, in zones both sides of Greenwich: a new moon
    // precedes the instant, and the age lies within one lunation.
    DateTime dt;
    MoonTheory moon;
    const int zones[3][2] = {{0, 0}, {12, 0}, {-11, 30}};
    int checked = 0;
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            dt.setLocal(year, month, 1, 0, 0, 0, 0);
            const int length = (month == 2) ? (year % 4 == 0 ? 29 : 28) : dt.monthLength(month);
            for (int day = 1; day <= length; ++day) {
                const int* zone = zones[(day + month) % 3];
                dt.setLocal(year, month, day, 0, 0, zone[0], zone[1]);
                dt.computeDate();
                moon.computeMoon(dt, 0.0, false);
                ASSERT_FALSE(moon.lastNewMoon.empty()) << year << "-" << month << "-" << day;
                ASSERT_GE(moon.moonAge, 0) << year << "-" << month << "-" << day;
                ASSERT_LE(moon.moonAge, 29) << year << "-" << month << "-" << day;
                // The month's first phases are there: at least three in the month.
                int inMonth = 0;
                for (const MoonPhaseRecord& r : moon.monthPhases)
                    inMonth += (r.month == month && r.year == year);
                ASSERT_GE(inMonth, 3) << year << "-" << month;
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 24106);
}
