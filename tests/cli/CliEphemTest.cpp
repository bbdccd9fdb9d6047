// vantorel-cli ephem: figures, JSON shape and argument checks.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/CliRunner.h"

namespace {

// The bodies object of one body, so that a key is read from that body only.
std::string bodyJson(const std::string& json, const std::string& body) {
    const size_t at = json.find("\"" + body + "\":{");
    if (at == std::string::npos) return "";
    return json.substr(at, json.find('}', at) - at + 1);
}

// Venus 1992 December 20, 0h TD, taken as the record's Julian day.
TEST(CliEphem, VenusMatchesTheWorkedExample) {
    const CliRun run = runCli("ephem --jd 2448976.5 --zone 0 --lat 42 --body venus --json");
    ASSERT_EQ(run.status, 0) << run.out;
    const std::string venus = bodyJson(run.out, "venus");
    EXPECT_NEAR(jsonNumber(run.out, "jd"), 2448976.5, 1e-9);
    EXPECT_NEAR(jsonNumber(venus, "helio_lon_deg"), 26.11428, 1e-5);
    EXPECT_NEAR(jsonNumber(venus, "helio_lat_deg"), -2.62070, 1e-5);
    EXPECT_NEAR(jsonNumber(venus, "radius_au"), 0.724603, 1e-6);
    EXPECT_NEAR(jsonNumber(venus, "ra_deg"), (21 + 4 / 60.0 + 41.45 / 3600.0) * 15, 1 / 3600.0);
    EXPECT_NEAR(jsonNumber(venus, "dec_deg"), -(18 + 53 / 60.0 + 16.8 / 3600.0), 1 / 3600.0);
    EXPECT_NE(venus.find("\"rise\":\""), std::string::npos);
}

TEST(CliEphem, AllBodiesAndTheirOwnFigures) {
    const CliRun run = runCli("ephem --date 1992-12-16 --time 00:00 --zone 0 --lat 45 --json");
    ASSERT_EQ(run.status, 0) << run.out;
    for (const char* body :
         {"sun", "mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune", "pluto"})
        EXPECT_NE(bodyJson(run.out, body), "") << body;
    EXPECT_NEAR(jsonNumber(bodyJson(run.out, "saturn"), "ring_tilt_deg"), 16.44, 0.02);
    EXPECT_NE(bodyJson(run.out, "saturn").find("\"ring_same_side\":true"), std::string::npos);
    const std::string jupiter = bodyJson(run.out, "jupiter");
    EXPECT_NEAR(jsonNumber(jupiter, "system1_corrected_deg") - jsonNumber(jupiter, "system1_deg"),
                0.42, 0.02);
    EXPECT_LT(jsonNumber(bodyJson(run.out, "mars"), "season_angle_deg"), 360);
    EXPECT_LT(jsonNumber(bodyJson(run.out, "sun"), "diameter_arcmin"), 33);
}

TEST(CliEphem, MidnightSunHasNoRiseOrSet) {
    const CliRun run =
        runCli("ephem --date 2020-06-21 --time 12:00 --zone +1 --lat 75 --body sun --json");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("\"rise\":null"), std::string::npos);
    EXPECT_NE(run.out.find("\"set\":null"), std::string::npos);
    EXPECT_EQ(run.out.find("\"transit\":null"), std::string::npos);
}

// On the equator at Greenwich at the March equinox the Sun rises about 06:04
// and sets about 18:11: its upper limb, with refraction, at the horizon.
TEST(CliEphem, SunRiseAndSetAtTheEquinox) {
    const CliRun run = runCli("ephem --date 2021-03-20 --time 12:00 --zone 0 --lat 0 --body sun --json");
    ASSERT_EQ(run.status, 0) << run.out;
    auto minutes = [&](const char* key) {
        const size_t at = run.out.find(std::string("\"") + key + "\":\"");
        if (at == std::string::npos) return -1;
        const std::string hhmm = run.out.substr(at + std::string(key).size() + 4, 5);
        return std::stoi(hhmm.substr(0, 2)) * 60 + std::stoi(hhmm.substr(3, 2));
    };
    EXPECT_NEAR(minutes("rise"), 6 * 60 + 4, 2);
    EXPECT_NEAR(minutes("transit"), 12 * 60 + 7, 2);
    EXPECT_NEAR(minutes("set"), 18 * 60 + 11, 2);
    // At 12:00, seven minutes before the transit, the hour angle is about 1.8 degrees.
    EXPECT_NEAR(jsonNumber(run.out, "altitude_deg"), 88.2, 0.3);
}

TEST(CliEphem, RepeatReportsTheMeanTime) {
    const CliRun run = runCli("ephem --date 2020-06-21 --time 12:00 --zone 0 --lat 45 --body mars --repeat 3");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("microseconds over 3 runs"), std::string::npos);
    EXPECT_NE(run.out.find("central_longitude_deg"), std::string::npos);
}

TEST(CliEphem, BadArgumentsAreRefused) {
    for (const char* args : {
             "ephem --date 2020-06-21 --time 12:00 --zone 0 --lat 45 --body moonbase",
             "ephem --date 2020-06-21 --time 12:00 --zone 0 --lat 95",
             "ephem --date 2020-06-21 --time 12:00 --zone 0",
             "ephem --jd 2448976.5 --date 2020-06-21 --zone 0 --lat 45",
             "ephem --jd 1000000 --zone 0 --lat 45",
             "ephem --jd nan --zone 0 --lat 45",
             "ephem --jd 1e300 --zone 0 --lat 45",
             "ephem --date 2020-06-21 --time 12:00 --zone 0 --lat 45 --repeat 0",
             "ephem --date 2060-01-01 --time 12:00 --zone 0 --lat 45",
         }) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 2) << args << "\n" << run.out;
        EXPECT_NE(run.out.find("vantorel-cli ephem: "), std::string::npos) << args;
    }
}

}  // namespace
