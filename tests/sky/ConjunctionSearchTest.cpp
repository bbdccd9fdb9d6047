#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/DateTime.h"
#include "sky/ConjunctionSearch.h"

using namespace vantorel;

namespace {

DateTime localDate(int year, int month, int day, int zoneHours = 0, int zoneMinutes = 0) {
    DateTime dt;
    dt.setLocal(year, month, day, 0, 0, zoneHours, zoneMinutes);
    dt.computeDate();
    return dt;
}

// Julian day of a calendar date with a day fraction (0h of the day plus it).
double julianDay(int year, int month, double day) {
    DateTime dt;
    dt.setLocal(year, month, static_cast<int>(day), 0, 0, 0, 0);
    dt.computeDate();
    return dt.JD + (day - std::floor(day));
}

constexpr double kMinute = 1.0 / 1440.0;

}  // namespace

TEST(ConjunctionSearch, HandbookMercuryInferiorConjunction1993) {
    ConjunctionSearch search(0, 0);
    search.searchPhenomena(localDate(1993, 10, 1), kPhenomenaMercury);
    ASSERT_EQ(search.count, 4);
    EXPECT_EQ(search.events[0].kind, kInferiorConjunction);
    // 1993 November 6.1449 TD.
    EXPECT_NEAR(search.events[0].jde, julianDay(1993, 11, 6.1449), kMinute);
    EXPECT_STREQ(search.lines[0], "1993/11/06   03h    Inferior conjunction");
    EXPECT_EQ(search.events[1].kind, kSuperiorConjunction);
    EXPECT_EQ(search.events[2].kind, kGreatestElongationEast);
    EXPECT_EQ(search.events[3].kind, kGreatestElongationWest);
    // The western elongation of that cycle: 1993 November 22.6386, 19.7506 deg.
    EXPECT_NEAR(search.events[3].jde, julianDay(1993, 11, 22.6386), kMinute);
    EXPECT_NEAR(search.events[3].elongationDeg, 19.7506, 1e-4);
    EXPECT_STREQ(search.lines[3], "1993/11/22   15h    Greatest elongation West  (19.8\u00b0)");
}

TEST(ConjunctionSearch, HandbookMercuryEasternElongation1990) {
    // 1990 August 11.8514, 27.4201 deg: the eastern elongation before the
    // inferior conjunction the search finds from 1990 August 1.
    ConjunctionSearch search(0, 0);
    search.searchPhenomena(localDate(1990, 8, 1), kPhenomenaMercury);
    ASSERT_EQ(search.count, 4);
    EXPECT_NEAR(search.events[2].jde, julianDay(1990, 8, 11.8514), kMinute);
    EXPECT_NEAR(search.events[2].elongationDeg, 27.4201, 1e-4);
}

TEST(ConjunctionSearch, HandbookConjunctionsOfMarsAndJupiter1993) {
    ConjunctionSearch mars(0, 0);
    mars.searchPhenomena(localDate(1993, 10, 1), kPhenomenaMars);
    ASSERT_EQ(mars.count, 2);
    EXPECT_EQ(mars.events[0].kind, kOpposition);
    EXPECT_EQ(mars.events[1].kind, kConjunction);
    EXPECT_NEAR(mars.events[1].jde, julianDay(1993, 12, 27.0898), kMinute);
    EXPECT_STREQ(mars.lines[1], "1993/12/27   02h    Conjunction");
    // The next opposition: 1995 February 12.
    EXPECT_EQ(mars.events[0].year, 1995);
    EXPECT_EQ(mars.events[0].month, 2);
    EXPECT_EQ(mars.events[0].day, 12);
    EXPECT_EQ(std::string(mars.lines[0]).substr(20), "Opposition");

    ConjunctionSearch jupiter(0, 0);
    jupiter.searchPhenomena(localDate(1993, 10, 1), kPhenomenaJupiter);
    ASSERT_EQ(jupiter.count, 2);
    EXPECT_NEAR(jupiter.events[1].jde, julianDay(1993, 10, 18.3341), kMinute);
}

TEST(ConjunctionSearch, LocalHourIsRoundedAndCarried) {
    ConjunctionSearch search(0, 0);
    const double second = 1.0 / 86400.0;
    // 21:45 shows hour 22; 21:30 stays 21.
    search.toLocalRoundedHour(julianDay(2001, 3, 4) + 21.75 / 24 + second, 0);
    EXPECT_EQ(search.eventCalendar.hour, 22);
    search.toLocalRoundedHour(julianDay(2001, 3, 4) + 21.5 / 24 + second, 0);
    EXPECT_EQ(search.eventCalendar.hour, 21);
    // 23:30 on December 31 in zone +1 is listed on January 1 of the next year.
    search.toLocalRoundedHour(julianDay(2023, 12, 31) + 23.5 / 24 + second, 1);
    EXPECT_EQ(search.eventCalendar.year, 2024);
    EXPECT_EQ(search.eventCalendar.month, 1);
    EXPECT_EQ(search.eventCalendar.day, 1);
    EXPECT_EQ(search.eventCalendar.hour, 0);
    // 00:20 on March 1 of a leap year, zone -1, goes back to February 29.
    search.toLocalRoundedHour(julianDay(2024, 3, 1) + 20 * kMinute, -1);
    EXPECT_EQ(search.eventCalendar.month, 2);
    EXPECT_EQ(search.eventCalendar.day, 29);
    EXPECT_EQ(search.eventCalendar.hour, 23);
    // Half-hour zones move the minutes both ways: 12:00 UT is 08:30 at -3:30
    // (hour 8) and 12:30 at +0:30 (hour 12), 12:31 at +0:31 would round up.
    search.toLocalRoundedHour(julianDay(2010, 6, 1) + 0.5 + second, -3.5);
    EXPECT_EQ(search.eventCalendar.hour, 8);
    EXPECT_EQ(search.eventCalendar.minute, 30);
    search.toLocalRoundedHour(julianDay(2010, 6, 1) + 0.5 + second, 0.5);
    EXPECT_EQ(search.eventCalendar.hour, 12);
    EXPECT_EQ(search.eventCalendar.minute, 30);
}

TEST(ConjunctionSearch, ZoneDateFormatAndLanguage) {
    // Mercury's inferior conjunction at 03:28 TD in zone -5: 22:28, November 5.
    ConjunctionSearch search(1, 2);
    search.searchPhenomena(localDate(1993, 10, 1, -5, 0), kPhenomenaMercury);
    ASSERT_GE(search.count, 1);
    EXPECT_STREQ(search.lines[0], "05/11/1993   22h    Conjonction inf\u00e9rieure");
    ConjunctionSearch spanish(2, 3);
    spanish.searchPhenomena(localDate(1993, 10, 1), kPhenomenaMars);
    EXPECT_STREQ(spanish.lines[1], "12/27/1993   02h    Conjunci\u00f3n");
    EXPECT_STREQ(phenomenonName(kOpposition, 0), "Opposition");
    EXPECT_STREQ(phenomenonName(kGreatestElongationEast, 2), "M\u00e1xima elongaci\u00f3n Este");
}

TEST(ConjunctionSearch, OtherIndicesGiveNoLine) {
    ConjunctionSearch search(0, 0);
    for (int index : {-1, 1, 3, 13, 14, 99}) {
        search.searchPhenomena(localDate(2000, 1, 1), index);
        EXPECT_EQ(search.count, 0) << index;
    }
}

TEST(ConjunctionSearch, EventsFollowTheStartAndStayInItsYearOrLater) {
    // Every planet, every January and July from 1985 to 2050: each event lies
    // in the start year or later, within one synodic period and a half of the
    // start, and events before the start year are dropped, not listed.
    bool dropped = false;
    for (int planet = 0; planet <= 12; planet += 2) {
        for (int year = kFirstYear; year <= kLastYear; ++year) {
            for (int month : {1, 7}) {
                ConjunctionSearch search(0, 0);
                const DateTime dt = localDate(year, month, 1);
                search.searchPhenomena(dt, planet);
                const int expected = planet <= kPhenomenaVenus ? 4 : 2;
                ASSERT_LE(search.count, expected);
                dropped = dropped || search.count < expected;
                for (int i = 0; i < search.count; ++i) {
                    const ConjunctionSearch::Event& e = search.events[i];
                    ASSERT_GE(e.year, year);
                    EXPECT_GT(e.jde, dt.JD - 40) << planet << " " << year;
                    EXPECT_LT(e.jde, dt.JD + 1200) << planet << " " << year;
                }
            }
        }
    }
    EXPECT_TRUE(dropped);
}
