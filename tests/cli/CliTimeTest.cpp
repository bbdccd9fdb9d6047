#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/CliRunner.h"


TEST(CliTime, HandbookSiderealTimeAndNutation) {
    CliRun r = runCli("time --date 1987-04-10 --time 00:00 --zone 0 --json");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NEAR(jsonNumber(r.out, "theta0_deg"), 197.693195, 1e-5);
    EXPECT_NEAR(jsonNumber(r.out, "delta_psi_arcsec"), -3.788, 0.01);
    EXPECT_NEAR(jsonNumber(r.out, "delta_epsilon_arcsec"), 9.443, 0.01);
    EXPECT_NEAR(jsonNumber(r.out, "epsilon_deg") * 3600, (23 * 60 + 26) * 60 + 36.850, 0.01);
    EXPECT_NEAR(jsonNumber(r.out, "delta_t_s"), 55.4, 1e-9);
    EXPECT_NE(r.out.find("\"ut_date\":\"1987-04-10\""), std::string::npos);
}

TEST(CliTime, ZonesAndReadableOutput) {
    CliRun r = runCli("time --date 2005-12-31 --time 23:45 --zone -5 --json");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("\"ut_date\":\"2006-01-01\""), std::string::npos);
    EXPECT_NE(r.out.find("\"ut_time\":\"04:45\""), std::string::npos);
    r = runCli("time --date 2010-06-15 --time 12:00 --zone -0:30");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("12:30"), std::string::npos);
}

TEST(CliTime, BadArgumentsNameTheArgumentAndExitTwo) {
    for (const char* args : {"time --date 1987-13-10 --time 00:00", "time --date 2051-01-01 --time 00:00",
                             "time --date 1987-04-10 --time 25:00", "time --date 1987-04-10",
                             "time --date x --time 00:00", "time --date 1987-04-10 --time 00:00 --zone +14:30",
                             "time --date 1987-04-10 --time 00:00 --zone -13:30",
                             "time --date 1987-04-10 --time 00:00 --bogus 1"}) {
        CliRun r = runCli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
        EXPECT_NE(r.out.find("--"), std::string::npos) << r.out;
    }
    EXPECT_EQ(runCli("nosuchcommand").status, 2);
}
