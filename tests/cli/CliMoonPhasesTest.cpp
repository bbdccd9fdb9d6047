#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/CliRunner.h"

TEST(CliPhases, MonthPhasesAndLastNewMoon) {
    CliRun r = runCli("phases --date 2024-01-20 --json");
    ASSERT_EQ(r.status, 0) << r.out;
    // 2024 January 11, new moon at 11:57 UT (11:58 in dynamical time).
    EXPECT_NE(r.out.find("\"last_new_moon\":{\"kind\":\"new_moon\",\"kind_index\":0,"
                         "\"local\":\"2024-01-11T11:58\""),
              std::string::npos)
        << r.out;
    EXPECT_EQ(jsonNumber(r.out, "age_days"), 8);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '{'), 1 + 8 + 1);

    // The zone moves the local instants: +1 h.
    r = runCli("phases --date 2024-01-20 --zone +1 --json");
    EXPECT_NE(r.out.find("\"local\":\"2024-01-11T12:58\""), std::string::npos) << r.out;
}

TEST(CliPhases, ReadableTableFollowsLanguageAndDateFormat) {
    CliRun r = runCli("phases --date 2024-01-20 --lang fr --date-format 2");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("Les phases lunaires"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Heure"), std::string::npos);
    EXPECT_NE(r.out.find("11/01"), std::string::npos);  // day/month in the table
    EXPECT_NE(r.out.find("Nouvelle lune     11/01/2024  11:58"), std::string::npos) << r.out;
}

TEST(CliConjunctions, HandbookEventsAsLinesAndJson) {
    CliRun r = runCli("conjunctions --body mercury --date 1993-10-01");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("1993/11/06   03h    Inferior conjunction\n"), std::string::npos) << r.out;
    r = runCli("conjunctions --body mercury --date 1993-10-01 --json");
    ASSERT_EQ(r.status, 0) << r.out;
    // 1993 November 6.1449 TD = JDE 2449297.6449.
    const std::size_t inferior = r.out.find("\"kind\":\"inferior_conjunction\"");
    ASSERT_NE(inferior, std::string::npos) << r.out;
    EXPECT_NEAR(jsonNumber(r.out.substr(inferior), "jde"), 2449297.6449, 1.0 / 1440);
    EXPECT_NE(r.out.find("\"local\":\"1993-11-06T03:00\""), std::string::npos);
    EXPECT_NE(r.out.find("\"elongation_deg\":19.75"), std::string::npos) << r.out;

    r = runCli("conjunctions --body jupiter --date 1993-10-01 --zone -5 --lang es --date-format 3");
    ASSERT_EQ(r.status, 0) << r.out;
    // 1993 October 18.3341 TD is 03:01 in zone -5, listed as hour 03.
    EXPECT_NE(r.out.find("10/18/1993   03h    Conjunci\u00f3n"), std::string::npos) << r.out;
}

TEST(CliConjunctions, EachKindsNextEventInDateOrder) {
    // From 8 December 2026 the western elongation of 3 January comes first
    // (PyEphem: 17:40 UT, 46.95 deg), then the superior conjunction, the
    // eastern elongation and the inferior conjunction of 2028.
    const CliRun r = runCli("conjunctions --body venus --date 2026-12-08 --zone +1");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out,
              "2027/01/03   20h    Greatest elongation West  (47.0\u00b0)\n"
              "2027/08/12   01h    Superior conjunction\n"
              "2028/03/22   14h    Greatest elongation East  (46.1\u00b0)\n"
              "2028/06/01   11h    Inferior conjunction\n");
}

TEST(CliLists, BadArgumentsExitTwoWithOneLine) {
    for (const char* args :
         {"phases", "phases --date 2024-02-30", "phases --date 2024-01-01 --lang de",
          "phases --date 2024-01-01 --date-format 4", "phases --date 2024-01-01 --zone +15",
          "conjunctions --date 2024-01-01", "conjunctions --body pluto --date 2024-01-01",
          "conjunctions --body mars --date 1984-12-31",
          "conjunctions --body mars --date 2024-01-01 --x 1"}) {
        CliRun r = runCli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << args << ": " << r.out;
    }
}
