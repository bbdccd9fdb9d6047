#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/DateTime.h"
#include "engine/Mars.h"
#include "sky/MarsSeasonSearch.h"

using namespace vantorel;

namespace {

MarsSeasonSearchResult searchFrom(int startYear, int years, int zoneHours = 0, int language = 0,
                          int dateFormat = 0) {
    Mars mars;
    DateTime dt;
    dt.setLocal(startYear, 6, 17, 13, 45, zoneHours, 0);
    MarsSeasonSearchResult list;
    searchMarsSeasons(mars, dt, startYear + years, language, dateFormat, list);
    // The record is back at its own instant.
    EXPECT_EQ(dt.localMonth, 6);
    EXPECT_EQ(dt.localDay, 17);
    EXPECT_EQ(dt.localMinute, 45);
    return list;
}

double julianDay(int year, int month, int day) {
    DateTime dt;
    dt.setLocal(year, month, day, 0, 0, 0, 0);
    dt.computeDate();
    return dt.JD;
}

}  // namespace

TEST(MarsSeasons, ValidationOrderAndMessages) {
    EXPECT_EQ(validateSeasonParameters(1989, 1), kSeasonYearInvalid);
    EXPECT_EQ(validateSeasonParameters(2051, 1), kSeasonYearInvalid);
    EXPECT_EQ(validateSeasonParameters(2000, 0), kSeasonPeriodInvalid);
    EXPECT_EQ(validateSeasonParameters(2000, 11), kSeasonPeriodInvalid);
    // Both wrong: only the year is reported.
    EXPECT_EQ(validateSeasonParameters(1989, 11), kSeasonYearInvalid);
    EXPECT_EQ(validateSeasonParameters(1990, 10), kSeasonParametersValid);
    EXPECT_EQ(validateSeasonParameters(2050, 1), kSeasonParametersValid);
    EXPECT_STREQ(seasonParameterMessage(kSeasonYearInvalid, 0),
                 "The year is not valid. (1990 - 2050) ");
    EXPECT_STREQ(seasonParameterMessage(kSeasonPeriodInvalid, 1),
                 "La p\u00e9riode entr\u00e9e n'est pas valide. (1 - 10) ");
    EXPECT_STREQ(seasonParameterMessage(kSeasonPeriodInvalid, 2),
                 "Periodo inv\u00e1lido. (1 - 10) ");
    EXPECT_STREQ(seasonParameterMessage(kSeasonParametersValid, 0), "");
}

TEST(MarsSeasons, SpringJustPastZeroCountsAsPast360) {
    EXPECT_FLOAT_EQ(seasonAngleTowards(0.3f, 360.0f), 360.3f);
    EXPECT_FLOAT_EQ(seasonAngleTowards(0.3f, 90.0f), 0.3f);
    EXPECT_FLOAT_EQ(seasonAngleTowards(359.7f, 360.0f), 359.7f);
    EXPECT_EQ(seasonNameAt(360, 0), "spring");
    EXPECT_EQ(seasonNameAt(90, 1), "\u00e9t\u00e9");
    EXPECT_EQ(seasonNameAt(180, 2), "oto\u00f1o");
    EXPECT_EQ(seasonNameAt(270, 0), "winter");
}

TEST(MarsSeasons, OneYearFrom2000CoversTwoCalendarYears) {
    const MarsSeasonSearchResult list = searchFrom(2000, 1);
    ASSERT_GE(list.count, 3);
    EXPECT_EQ(list.events[0].local.year, 2000);
    EXPECT_EQ(list.events[list.count - 1].local.year, 2001);
    for (int i = 0; i < list.count; ++i) {
        EXPECT_GE(list.events[i].local.year, 2000);
        EXPECT_LE(list.events[i].local.year, 2001);
    }
    // Mars's spring of 2000 began on May 31 (Mars year 25).
    int spring = -1;
    for (int i = 0; i < list.count; ++i)
        if (list.events[i].boundary == 360) spring = i;
    ASSERT_GE(spring, 0);
    EXPECT_NEAR(list.events[spring].julianDay, julianDay(2000, 5, 31), 1.5);
    const std::string line = list.lines[spring];
    EXPECT_EQ(line.substr(0, 10), "2000/05/31");
    EXPECT_EQ(line.substr(line.size() - 8), "  spring");
}

TEST(MarsSeasons, TenYearsFollowTheSeasonsInOrder) {
    // 2013 to 2023: the published springs of Mars years 32 to 37 fell on
    // 2013 Jul 31, 2015 Jun 18, 2017 May 5, 2019 Mar 23, 2021 Feb 7, 2022 Dec 26.
    const MarsSeasonSearchResult list = searchFrom(2013, 10, 2, 2, 2);
    EXPECT_GE(list.count, 20);
    EXPECT_LE(list.count, 24);
    const int springs[6][3] = {{2013, 7, 31}, {2015, 6, 18}, {2017, 5, 5},
                               {2019, 3, 23}, {2021, 2, 7},  {2022, 12, 26}};
    int found = 0;
    for (int i = 0; i < list.count; ++i) {
        const MarsSeasonSearchResult::Event& e = list.events[i];
        if (i > 0) {
            // Seasons last 142 to 194 days; boundaries come in turn.
            const double gap = e.julianDay - list.events[i - 1].julianDay;
            EXPECT_GT(gap, 140);
            EXPECT_LT(gap, 200);
            EXPECT_EQ(e.boundary % 360, (list.events[i - 1].boundary + 90) % 360);
        }
        if (e.boundary == 360) {
            ASSERT_LT(found, 6);
            EXPECT_NEAR(e.julianDay,
                        julianDay(springs[found][0], springs[found][1], springs[found][2]), 1.5)
                << list.lines[i];
            ++found;
        }
    }
    EXPECT_EQ(found, 6);
    // Zone +2, date format 2, Spanish.
    char expected[64];
    std::snprintf(expected, sizeof expected, "%02d/%02d/%04d  %02d:%02d  ",
                  list.events[0].local.day, list.events[0].local.month, list.events[0].local.year,
                  list.events[0].local.hours, list.events[0].local.minutes);
    EXPECT_EQ(std::string(list.lines[0]).substr(0, 19), std::string(expected).substr(0, 19));
    DateTime utc;
    EXPECT_NEAR(
        list.events[0].julianDay + 2.0 / 24.0,
        julianDay(list.events[0].local.year, list.events[0].local.month, list.events[0].local.day) +
            (list.events[0].local.hours + list.events[0].local.minutes / 60.0) / 24.0,
        1.0 / 1440.0);
}

TEST(MarsSeasons, HourStepsFindTheSameMinutesAsMinuteSteps) {
    Mars mars;
    DateTime dt;
    dt.setLocal(2035, 1, 1, 0, 0, -7, 0);
    MarsSeasonSearchResult fast, plain;
    searchMarsSeasons(mars, dt, 2045, 0, 0, fast, false);
    searchMarsSeasons(mars, dt, 2045, 0, 0, plain, true);
    ASSERT_EQ(fast.count, plain.count);
    EXPECT_GE(fast.count, 20);
    for (int i = 0; i < fast.count; ++i)
        EXPECT_STREQ(fast.lines[i], plain.lines[i]);
}

TEST(MarsSeasons, LinesShowTheMinuteTheSearchStoppedAt) {
    // The event's local clock time is the minute the walk stopped on, never
    // the one before (a whole minute's Julian day can fall just short of it).
    const MarsSeasonSearchResult list = searchFrom(2020, 10, 5);
    ASSERT_GT(list.count, 0);
    for (int i = 0; i < list.count; ++i) {
        const MarsSeasonSearchResult::Event& e = list.events[i];
        const double localDays = e.julianDay + 5.0 / 24.0 + 0.5;
        const double minutesOfDay = (localDays - std::floor(localDays)) * 1440.0;
        const double shown = e.local.hours * 60 + e.local.minutes;
        EXPECT_NEAR(std::remainder(minutesOfDay - shown, 1440.0), 0.0, 1e-3) << list.lines[i];
    }
}
