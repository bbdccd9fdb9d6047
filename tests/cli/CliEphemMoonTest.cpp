#include <gtest/gtest.h>

#include <string>

#include "moon/MoonPlace.h"
#include "tests/support/CliRunner.h"

using namespace vantorel;

TEST(CliEphemMoon, HandbookInstantApril1992) {
    CliRun r = runCli("ephem --jd 2448724.5 --zone 0 --lat 0 --body moon --json");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NEAR(jsonNumber(r.out, "ra_deg"), 134.688470, 1e-4);
    EXPECT_NEAR(jsonNumber(r.out, "dec_deg"), 13.768368, 1e-4);
    EXPECT_NEAR(jsonNumber(r.out, "distance_km"), 368409.7, 0.1);
    EXPECT_NEAR(jsonNumber(r.out, "apparent_lon_deg"), 133.167265, 1e-4);
    EXPECT_NEAR(jsonNumber(r.out, "lat_deg"), -3.229126, 1e-4);
    EXPECT_NEAR(jsonNumber(r.out, "libration_lon_deg"), -1.23, 0.01);
    EXPECT_NEAR(jsonNumber(r.out, "libration_lat_deg"), 4.20, 0.02);
    EXPECT_NEAR(jsonNumber(r.out, "colongitude_deg"), 22.10, 0.02);
    // The handbook's position angle of the axis, 15.08 deg.
    EXPECT_NEAR(jsonNumber(r.out, "axis_position_angle_deg"), 15.08, 0.05);
    EXPECT_NEAR(jsonNumber(r.out, "illuminated_fraction"), 0.6786, 5e-4);
    EXPECT_NEAR(jsonNumber(r.out, "diameter_arcmin"), 32.434, 0.001);
    // New moon 1992 April 3, 05:01 UT.
    EXPECT_EQ(jsonNumber(r.out, "age_days"), 8);
}

TEST(CliEphemMoon, AltitudeAtTheListedRiseIsTheMoonsStandardAltitude) {
    CliRun r =
        runCli("ephem --date 2024-01-20 --time 12:00 --zone +1 --lat 48.85 --body moon --json");
    ASSERT_EQ(r.status, 0) << r.out;
    const size_t at = r.out.find("\"rise\":\"");
    ASSERT_NE(at, std::string::npos) << r.out;
    const std::string rise = r.out.substr(at + 8, 5);
    CliRun atRise = runCli("ephem --date 2024-01-20 --time " + rise +
                           " --zone +1 --lat 48.85 --body moon --json");
    const double h0 = moonRiseAltitude(jsonNumber(atRise.out, "distance_km")) * 57.295779513;
    EXPECT_GT(h0, 0.1);
    EXPECT_LT(h0, 0.2);
    // The Moon climbs about 0.15 degree a minute there; the time is truncated.
    EXPECT_NEAR(jsonNumber(atRise.out, "altitude_deg"), h0, 0.2) << rise;
    // `all` lists the Moon after the Sun.
    CliRun all = runCli("ephem --date 2024-01-20 --time 12:00 --zone +1 --lat 48.85 --json");
    EXPECT_NE(all.out.find("\"sun\":{"), std::string::npos);
    EXPECT_LT(all.out.find("\"sun\":{"), all.out.find("\"moon\":{"));
    EXPECT_LT(all.out.find("\"moon\":{"), all.out.find("\"mercury\":{"));
}

namespace {

// "HH:MM" of a key in minutes; -1 for null, -2 when absent.
int clockMinutes(const std::string& json, const std::string& key) {
    if (json.find("\"" + key + "\":null") != std::string::npos) return -1;
    const size_t at = json.find("\"" + key + "\":\"");
    if (at == std::string::npos) return -2;
    const std::string hhmm = json.substr(at + key.size() + 4, 5);
    return std::stoi(hhmm.substr(0, 2)) * 60 + std::stoi(hhmm.substr(3, 2));
}

}  // namespace

// The events of the local date at 29 N 81 W, as the US Naval Observatory's
// table gives them: the Moon rose at 01:58 UT on 2019-01-24 (20:58 on the
// evening of the 23rd at -5 h) and at 03:03 UT on the 25th (22:03 on the
// 24th); in universal time it rose at 23:40 on the 21st and not at all on the
// 22nd.
TEST(CliEphemMoon, EventsOfTheLocalDate) {
    const std::string site = " --time 21:00 --lat 29 --lon -81 --body moon --json";
    const CliRun evening = runCli("ephem --date 2019-01-23 --zone -5" + site);
    ASSERT_EQ(evening.status, 0) << evening.out;
    EXPECT_NEAR(clockMinutes(evening.out, "rise"), 20 * 60 + 58, 1) << evening.out;
    const CliRun next = runCli("ephem --date 2019-01-24 --zone -5" + site);
    EXPECT_NEAR(clockMinutes(next.out, "rise"), 22 * 60 + 3, 1) << next.out;
    const CliRun none = runCli("ephem --date 2019-01-22 --zone 0" + site);
    ASSERT_EQ(none.status, 0) << none.out;
    EXPECT_EQ(clockMinutes(none.out, "rise"), -1) << none.out;
    // Its set (13:32 UT) and transit still fall on the date.
    EXPECT_NEAR(clockMinutes(none.out, "set"), 13 * 60 + 32, 1) << none.out;
    EXPECT_GE(clockMinutes(none.out, "transit"), 0) << none.out;
    // The text output shows the missing rise as a dash.
    const CliRun text = runCli("ephem --date 2019-01-22 --time 21:00 --zone 0 --lat 29 --lon -81 "
                               "--body moon");
    EXPECT_NE(text.out.find("rise                     --:--"), std::string::npos) << text.out;
}

// The window shows what the command line gives: Moon rise 07:31 and transit
// 11:20 on 2026-12-08 at 48 deg 48' N in zone +1 (the Moon document's test
// expects the same two times).
TEST(CliEphemMoon, SameTimesAsTheMoonWindow) {
    const CliRun r =
        runCli("ephem --date 2026-12-08 --time 10:06 --zone +1 --lat 48.8 --body moon --json");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(clockMinutes(r.out, "rise"), 7 * 60 + 31) << r.out;
    EXPECT_EQ(clockMinutes(r.out, "transit"), 11 * 60 + 20) << r.out;
}

// At a pole the altitude of any body is its declination, whatever the hour
// angle: the Moon is up exactly when its declination stands above its rise
// altitude, and every body answers at once (the search has no step that
// divides by the cosine of the latitude).
TEST(CliEphemMoon, ThePoles) {
    for (const char* args : {"--date 1985-01-01 --time 00:00 --zone 0 --lat 90",
                             "--date 2050-12-31 --time 23:00 --zone 0 --lat -90",
                             "--date 2019-01-10 --time 06:00 --zone +5 --lat 90"}) {
        const CliRun r = runCli(std::string("ephem ") + args + " --json");
        ASSERT_EQ(r.status, 0) << args << r.out;
        const size_t moonAt = r.out.find("\"moon\":{");
        ASSERT_NE(moonAt, std::string::npos) << r.out;
        const std::string moon = r.out.substr(moonAt, r.out.find('}', moonAt) - moonAt);
        const double latitude = std::string(args).find("-90") != std::string::npos ? -90 : 90;
        const double dec = jsonNumber(moon, "dec_deg");
        EXPECT_NEAR(jsonNumber(moon, "altitude_deg"), latitude > 0 ? dec : -dec, 0.01) << args;
        // A time or null, never a missing key.
        EXPECT_GE(clockMinutes(moon, "rise"), -1) << moon;
        EXPECT_GE(clockMinutes(moon, "set"), -1) << moon;
    }
}
