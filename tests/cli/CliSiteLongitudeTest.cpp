#include <gtest/gtest.h>

#include <string>

#include "tests/support/CliRunner.h"

// --lon: the site's longitude replaces the zone's centre; the JSON says which
// one was used.
TEST(CliSiteLongitude, ParisSunWithAndWithoutTheLongitude) {
    const std::string base = "ephem --date 2024-06-21 --time 12:00 --zone +2 --lat 48.8667 --body sun --json";
    CliRun site = runCli(base + " --lon 2.35");
    ASSERT_EQ(site.status, 0) << site.out;
    EXPECT_NE(site.out.find("\"rise\":\"05:47\""), std::string::npos) << site.out;
    EXPECT_NE(site.out.find("\"transit\":\"13:52\""), std::string::npos);
    EXPECT_NE(site.out.find("\"set\":\"21:58\""), std::string::npos);
    EXPECT_NE(site.out.find("\"longitude_from\":\"site\""), std::string::npos);
    EXPECT_NEAR(jsonNumber(site.out, "longitude_east_deg"), 2.35, 1e-12);

    CliRun zone = runCli(base);
    ASSERT_EQ(zone.status, 0) << zone.out;
    EXPECT_NE(zone.out.find("\"rise\":\"03:56\""), std::string::npos) << zone.out;
    EXPECT_NE(zone.out.find("\"longitude_from\":\"zone\""), std::string::npos);
    EXPECT_NEAR(jsonNumber(zone.out, "longitude_east_deg"), 30.0, 1e-12);
}

TEST(CliSiteLongitude, OutOfRangeOrMalformedLongitudeIsRefused) {
    for (const char* bad : {"181", "-180.5", "2E", "nan", ""}) {
        CliRun r = runCli(std::string("ephem --date 2024-06-21 --time 12:00 --zone +2 --lat 48 --lon ") +
                          (*bad ? bad : "''"));
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_NE(r.out.find("--lon"), std::string::npos) << bad << ": " << r.out;
    }
}
