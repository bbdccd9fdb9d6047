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
