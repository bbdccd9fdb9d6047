#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>

#include "tests/support/CliRunner.h"

TEST(CliLunarX, OneLinePerFirstQuarterWithLocalInstants) {
    CliRun r = runCli("lunar-x --date 2024-01-01 --zone +1");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out.rfind("Lunar X Times\nDate             Time\n", 0), 0u) << r.out;
    const std::regex line(R"(\n2024/(\d\d)/\d\d  \d\d:\d\d)");
    EXPECT_EQ(std::distance(std::sregex_iterator(r.out.begin(), r.out.end(), line),
                            std::sregex_iterator()),
              12);

    // November on: November's and December's first quarters; the JSON
    // instants are the lines' local times, shifted by the zone.
    CliRun utc = runCli("lunar-x --date 2024-11-01 --json");
    CliRun east = runCli("lunar-x --date 2024-11-01 --zone +1 --json --date-format 2");
    ASSERT_EQ(utc.status, 0) << utc.out;
    std::smatch m;
    ASSERT_TRUE(std::regex_search(
        utc.out, m,
        std::regex(
            R"re("line":"2024/11/(\d\d)  (\d\d):(\d\d)","local":"2024-11-(\d\d)T(\d\d):(\d\d)")re")))
        << utc.out;
    EXPECT_EQ(m[1], m[4]);
    EXPECT_EQ(m[2], m[5]);
    EXPECT_EQ(m[3], m[6]);
    const int hour = std::stoi(m[2]);
    const std::string expected = "\"line\":\"" + std::string(m[1]) + "/11/2024  " +
                                 (hour + 1 < 10 ? "0" : "") + std::to_string(hour + 1) + ":" +
                                 std::string(m[3]);
    EXPECT_NE(east.out.find(expected), std::string::npos) << east.out;
    EXPECT_EQ(std::count(utc.out.begin(), utc.out.end(), '{'), 3);
}

TEST(CliSeasons, ListsAndJson) {
    CliRun r = runCli("seasons --start 2000 --years 1 --json");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("{\"season\":\"spring\",\"boundary_deg\":360,\"local\":\"2000-05-31T"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("\"local\":\"2002"), std::string::npos);
    r = runCli("seasons --start 2000 --years 1 --lang fr --date-format 2");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("Saisons martiennes\n"), std::string::npos);
    EXPECT_NE(r.out.find("31/05/2000  16:"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("printemps"), std::string::npos);
}

TEST(CliSeasons, InvalidValuesGiveTheMessageAndExitTwo) {
    CliRun r = runCli("seasons --start 1989 --years 11");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out,
              "vantorel-cli seasons: argument --start: The year is not valid. (1990 - 2050) \n");
    r = runCli("seasons --start 2000 --years 0 --lang es");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("Periodo inv\u00e1lido. (1 - 10) "), std::string::npos) << r.out;
    for (const char* args :
         {"seasons --start x --years 1", "seasons --start 2000 --years 1.5", "seasons --years 1",
          "lunar-x", "lunar-x --date 2024-01-01 --lang xx"}) {
        r = runCli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << args << ": " << r.out;
    }
}
