#include <gtest/gtest.h>

#include <string>

#include "tests/support/CliRunner.h"

namespace {
// Minutes of the day of a "key":"HH:MM" member; -10000 when absent.
int clockMinutes(const std::string& json, const std::string& key) {
    const size_t at = json.find("\"" + key + "\":\"");
    if (at == std::string::npos) return -10000;
    const std::string hhmm = json.substr(at + key.size() + 4, 5);
    return std::stoi(hhmm.substr(0, 2)) * 60 + std::stoi(hhmm.substr(3, 2));
}
}  // namespace

// --lon: the site's longitude replaces the zone's centre; the JSON says which
// one was used.
TEST(CliSiteLongitude, ParisSunWithAndWithoutTheLongitude) {
    const std::string base = "ephem --date 2024-06-21 --time 12:00 --zone +2 --lat 48.8667 --body sun --json";
    CliRun site = runCli(base + " --lon 2.35");
    ASSERT_EQ(site.status, 0) << site.out;
    // Each within a minute of 05:47, 13:52 and 21:58.
    EXPECT_NEAR(clockMinutes(site.out, "rise"), 5 * 60 + 47, 1) << site.out;
    EXPECT_NEAR(clockMinutes(site.out, "transit"), 13 * 60 + 52, 1);
    EXPECT_NEAR(clockMinutes(site.out, "set"), 21 * 60 + 58, 1);
    EXPECT_NE(site.out.find("\"longitude_from\":\"site\""), std::string::npos);
    EXPECT_NEAR(jsonNumber(site.out, "longitude_east_deg"), 2.35, 1e-12);

    CliRun zone = runCli(base);
    ASSERT_EQ(zone.status, 0) << zone.out;
    EXPECT_NEAR(clockMinutes(zone.out, "rise"), 3 * 60 + 56, 1) << zone.out;
    EXPECT_NEAR(clockMinutes(zone.out, "transit"), 12 * 60 + 1, 1);
    EXPECT_NEAR(clockMinutes(zone.out, "set"), 20 * 60 + 7, 1);
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
