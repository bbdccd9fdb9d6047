#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/DateTime.h"
#include "sky/ConjunctionSearch.h"
#include "sky/PhenomenaSeries.h"

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
    // In date order: the eastern elongation of 14 October before the
    // inferior conjunction it leads to, then the western one, then the
    // superior conjunction of January.
    EXPECT_EQ(search.events[0].kind, kGreatestElongationEast);
    EXPECT_EQ(search.events[1].kind, kInferiorConjunction);
    EXPECT_EQ(search.events[2].kind, kGreatestElongationWest);
    EXPECT_EQ(search.events[3].kind, kSuperiorConjunction);
    // 1993 November 6.1449 TD.
    EXPECT_NEAR(search.events[1].jde, julianDay(1993, 11, 6.1449), kMinute);
    EXPECT_STREQ(search.lines[1], "1993/11/06   03h    Inferior conjunction");
    // The western elongation of that cycle: 1993 November 22.6386, 19.7506 deg.
    EXPECT_NEAR(search.events[2].jde, julianDay(1993, 11, 22.6386), kMinute);
    EXPECT_NEAR(search.events[2].elongationDeg, 19.7506, 1e-4);
    EXPECT_STREQ(search.lines[2], "1993/11/22   15h    Greatest elongation West  (19.8\u00b0)");
}

TEST(ConjunctionSearch, HandbookMercuryEasternElongation1990) {
    // 1990 August 11.8514, 27.4201 deg: the first eastern elongation from
    // 1990 August 1.
    ConjunctionSearch search(0, 0);
    search.searchPhenomena(localDate(1990, 8, 1), kPhenomenaMercury);
    ASSERT_EQ(search.count, 4);
    EXPECT_EQ(search.events[0].kind, kGreatestElongationEast);
    EXPECT_NEAR(search.events[0].jde, julianDay(1990, 8, 11.8514), kMinute);
    EXPECT_NEAR(search.events[0].elongationDeg, 27.4201, 1e-4);
}

TEST(ConjunctionSearch, HandbookConjunctionsOfMarsAndJupiter1993) {
    ConjunctionSearch mars(0, 0);
    mars.searchPhenomena(localDate(1993, 10, 1), kPhenomenaMars);
    ASSERT_EQ(mars.count, 2);
    EXPECT_EQ(mars.events[0].kind, kConjunction);
    EXPECT_EQ(mars.events[1].kind, kOpposition);
    EXPECT_NEAR(mars.events[0].jde, julianDay(1993, 12, 27.0898), kMinute);
    EXPECT_STREQ(mars.lines[0], "1993/12/27   02h    Conjunction");
    // The next opposition: 1995 February 12.
    EXPECT_EQ(mars.events[1].year, 1995);
    EXPECT_EQ(mars.events[1].month, 2);
    EXPECT_EQ(mars.events[1].day, 12);
    EXPECT_EQ(std::string(mars.lines[1]).substr(20), "Opposition");

    ConjunctionSearch jupiter(0, 0);
    jupiter.searchPhenomena(localDate(1993, 10, 1), kPhenomenaJupiter);
    ASSERT_EQ(jupiter.count, 2);
    EXPECT_EQ(jupiter.events[0].kind, kConjunction);
    EXPECT_NEAR(jupiter.events[0].jde, julianDay(1993, 10, 18.3341), kMinute);
}

TEST(ConjunctionSearch, VenusFromDecember2026ListsTheWesternElongationOfJanuaryFirst) {
    // PyEphem: greatest western elongation 2027-01-03 17:40 UT (46.95 deg),
    // superior conjunction 2027-08-12 00:21, greatest eastern elongation
    // 2028-03-22 12:13 (46.11 deg), inferior conjunction 2028-06-01 10:00.
    ConjunctionSearch search(0, 0);
    search.searchPhenomena(localDate(2026, 12, 8, 1), kPhenomenaVenus);
    ASSERT_EQ(search.count, 4);
    const struct {
        int kind;
        double jd;
    } expected[4] = {{kGreatestElongationWest, julianDay(2027, 1, 3.736)},
                     {kSuperiorConjunction, julianDay(2027, 8, 12.014)},
                     {kGreatestElongationEast, julianDay(2028, 3, 22.509)},
                     {kInferiorConjunction, julianDay(2028, 6, 1.417)}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(search.events[i].kind, expected[i].kind) << i;
        // The handbook's mean phenomena are good to a few hours; elongations
        // are flat maxima.
        EXPECT_NEAR(search.events[i].jde, expected[i].jd, 0.5) << i;
    }
    EXPECT_NEAR(search.events[0].elongationDeg, 46.95, 0.1);
    EXPECT_STREQ(search.lines[0], "2027/01/03   20h    Greatest elongation West  (47.0\u00b0)");
}

TEST(ConjunctionSearch, AnEventOnTheStartDayIsListedOneTheDayBeforeIsNot) {
    // Mercury's inferior conjunction of 1993 November 6, 03:28 TD.
    ConjunctionSearch onTheDay(0, 0);
    onTheDay.searchPhenomena(localDate(1993, 11, 6), kPhenomenaMercury);
    ASSERT_EQ(onTheDay.count, 4);
    EXPECT_EQ(onTheDay.events[0].kind, kInferiorConjunction);
    EXPECT_EQ(onTheDay.events[0].day, 6);
    ConjunctionSearch after(0, 0);
    after.searchPhenomena(localDate(1993, 11, 7), kPhenomenaMercury);
    ASSERT_EQ(after.count, 4);
    for (int i = 0; i < after.count; ++i) {
        if (after.events[i].kind != kInferiorConjunction) continue;
        // The next one, about a synodic period later: 1994 February 20.
        EXPECT_EQ(after.events[i].year, 1994);
        EXPECT_EQ(after.events[i].month, 2);
        EXPECT_EQ(after.events[i].day, 20);
    }
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
    ASSERT_GE(search.count, 2);
    EXPECT_STREQ(search.lines[1], "05/11/1993   22h    Conjonction inf\u00e9rieure");
    ConjunctionSearch spanish(2, 3);
    spanish.searchPhenomena(localDate(1993, 10, 1), kPhenomenaMars);
    EXPECT_STREQ(spanish.lines[0], "12/27/1993   02h    Conjunci\u00f3n");
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

namespace {

// The event of `kind` a search from a local date lists (the first of its
// kind on or after that date); null when there is none.
const ConjunctionSearch::Event* eventOf(ConjunctionSearch& search, int year, int month, int day,
                                        int planet, int kind) {
    search.searchPhenomena(localDate(year, month, day), planet);
    for (int i = 0; i < search.count; ++i)
        if (search.events[i].kind == kind) return &search.events[i];
    return nullptr;
}

}  // namespace

TEST(ConjunctionSearch, EachKindOnceOnOrAfterTheStartInDateOrder) {
    // Every planet, three days of every January and July from 1985 to 2050:
    // one event of each kind, none before the start day, in date order.
    for (int planet = 0; planet <= 12; planet += 2) {
        for (int year = kFirstYear; year <= kLastYear; ++year) {
            for (int month : {1, 7}) {
                for (int day : {1, 15, 28}) {
                    ConjunctionSearch search(0, 0);
                    search.searchPhenomena(localDate(year, month, day), planet);
                    const int expected = planet <= kPhenomenaVenus ? 4 : 2;
                    ASSERT_EQ(search.count, expected) << planet << " " << year << "-" << month;
                    bool kinds[6] = {};
                    for (int i = 0; i < search.count; ++i) {
                        const ConjunctionSearch::Event& e = search.events[i];
                        EXPECT_FALSE(kinds[e.kind]) << planet << " " << year;
                        kinds[e.kind] = true;
                        const int date[3] = {e.year, e.month, e.day};
                        const int start[3] = {year, month, day};
                        EXPECT_FALSE(std::lexicographical_compare(date, date + 3, start, start + 3))
                            << planet << " " << year << "-" << month << "-" << day;
                        if (i > 0) EXPECT_LE(search.events[i - 1].jde, e.jde);
                    }
                }
            }
        }
    }
}

TEST(ConjunctionSearch, NoEventOfAKindIsSkipped) {
    // From 1985 on, each kind's event searched from the day after the last
    // one is the next of the chain: about a synodic period later, and the
    // one listed from any day up to its own. A search that skipped a cycle
    // (or listed an older one) breaks the chain.
    for (int planet = 0; planet <= 12; planet += 2) {
        const double synodic = kPhenomenonRows[planet].B;
        const int kinds[4] = {planet <= kPhenomenaVenus ? kInferiorConjunction : kOpposition,
                              planet <= kPhenomenaVenus ? kSuperiorConjunction : kConjunction,
                              kGreatestElongationEast, kGreatestElongationWest};
        for (int kind : kinds) {
            if (planet > kPhenomenaVenus && kind >= kGreatestElongationEast) continue;
            ConjunctionSearch search(0, 0);
            const ConjunctionSearch::Event* e = eventOf(search, kFirstYear, 1, 1, planet, kind);
            ASSERT_NE(e, nullptr);
            ConjunctionSearch::Event last = *e;
            int steps = 0;
            while (last.year < kLastYear - 1) {
                DateTime dayAfter;
                dayAfter.setLocal(last.year, last.month, last.day + 1, 0, 0, 0, 0);
                dayAfter.normaliseLocalDate();
                e = eventOf(search, dayAfter.localYear, dayAfter.localMonth, dayAfter.localDay, planet,
                            kind);
                ASSERT_NE(e, nullptr);
                const ConjunctionSearch::Event next = *e;
                EXPECT_GT(next.jde - last.jde, 0.6 * synodic) << planet << " " << kind << " " << last.year;
                EXPECT_LT(next.jde - last.jde, 1.4 * synodic) << planet << " " << kind << " " << last.year;
                // Searched from its own day it is still the one listed.
                e = eventOf(search, next.year, next.month, next.day, planet, kind);
                ASSERT_NE(e, nullptr);
                EXPECT_DOUBLE_EQ(e->jde, next.jde);
                last = next;
                ++steps;
            }
            EXPECT_GT(steps, 20);
        }
    }
}
