#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/CliRunner.h"
#include "tests/support/TempWorkingDir.h"

namespace {
std::string rowsPart(const std::string& json) {
    const size_t at = json.find("\"rows\":");
    return at == std::string::npos ? "" : json.substr(at);
}
}  // namespace

TEST(CliSatellites, JupiterHandbookExampleAndStates) {
    CliRun r = runCli("satellites --body jupiter --date 1992-12-16 --time 00:00 --json");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NEAR(jsonNumber(r.out, "x"), -3.4502, 0.005);  // Io, seen from the Earth
    EXPECT_NEAR(jsonNumber(r.out, "y"), 0.2137, 0.001);
    EXPECT_NE(r.out.find("\"in_transit\":false"), std::string::npos);
    r = runCli("satellites --body saturn --date 2005-04-03 --time 21:00");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("Iapetus - VIII"), std::string::npos);
    EXPECT_EQ(runCli("satellites --body pluto --date 2005-04-03").status, 2);
}

TEST(CliSatellites, MarsAndUranusFromTheRecordFilesOrNoData) {
    TempWorkingDir dir;
    std::filesystem::create_directory_symlink(std::filesystem::path(VANTOREL_SOURCE_DIR) / "data",
                                              dir.file("data"));
    CliRun r = runCli("satellites --body mars --date 2005-10-30 --time 03:00 --json");
    ASSERT_EQ(r.status, 0) << r.out;
    // Near opposition Phobos stays within 28" of Mars.
    const double east = jsonNumber(r.out, "east_arcsec"), north = jsonNumber(r.out, "north_arcsec");
    EXPECT_LT(east * east + north * north, 28.5 * 28.5);
    EXPECT_GT(east * east + north * north, 1.0);
    r = runCli("satellites --body mars --date 2040-10-30 --time 03:00 --lang fr");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("Phobos - I       pas de donn"), std::string::npos) << r.out;
    r = runCli("satellites --body uranus --date 1985-01-01 --time 00:00 --json");
    EXPECT_EQ(r.out.find("no_data"), std::string::npos) << r.out;
}

// Saturn's moons: the ring tilt is the one `ephem` gives, each moon has its
// sky and ring-frame offsets, and the model's places are marked.
TEST(CliSatellites, SaturnGivesSkyAndRingOffsetsWithTheEphemerisRingTilt) {
    TempWorkingDir dir;
    std::filesystem::create_directory_symlink(std::filesystem::path(VANTOREL_SOURCE_DIR) / "data",
                                              dir.file("data"));
    CliRun r = runCli("satellites --body saturn --date 2030-03-01 --time 00:00 --zone 0 --json");
    ASSERT_EQ(r.status, 0) << r.out;
    CliRun e = runCli("ephem --body saturn --date 2030-03-01 --time 00:00 --zone 0 --lat 45 --json");
    ASSERT_EQ(e.status, 0) << e.out;
    EXPECT_NEAR(jsonNumber(r.out, "ring_tilt_deg"), jsonNumber(e.out, "ring_tilt_deg"), 1e-3);
    EXPECT_LT(jsonNumber(r.out, "ring_tilt_deg"), -10.0);  // 2030: the south face
    // Mimas first: on the sky and in the ring frame the same distance.
    const double east = jsonNumber(r.out, "east"), north = jsonNumber(r.out, "north");
    const double x = jsonNumber(r.out, "x"), y = jsonNumber(r.out, "y");
    EXPECT_NEAR(std::hypot(east, north), std::hypot(x, y), 1e-6);
    EXPECT_LT(std::hypot(east, north), 3.3);
    EXPECT_EQ(r.out.find("\"approximate\":true"), std::string::npos) << r.out;
    r = runCli("satellites --body saturn --date 2049-03-01 --time 00:00 --zone 0");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("approximate"), std::string::npos) << r.out;  // Mimas after 2047
}

TEST(CliSatellites, YearlyFileIsReadBackByTheDayListAndRefusedTwice) {
    TempWorkingDir dir;
    const char* days[] = {"jupiter-phenomena --date 2011-10-29 --zone +5:30 --json",
                          "jupiter-phenomena --date 2011-03-02 --zone -5 --json"};
    std::string computed[2];
    for (int i = 0; i < 2; ++i) {
        CliRun r = runCli(days[i]);
        ASSERT_EQ(r.status, 0) << r.out;
        EXPECT_NE(r.out.find("\"from_file\":false"), std::string::npos);
        computed[i] = rowsPart(r.out);
    }
    CliRun gen = runCli("phenomena-file --year 2011 --json");
    ASSERT_EQ(gen.status, 0) << gen.out;
    EXPECT_GT(jsonNumber(gen.out, "rows"), 2000);
    for (int i = 0; i < 2; ++i) {
        CliRun r = runCli(days[i]);
        EXPECT_NE(r.out.find("\"from_file\":true"), std::string::npos);
        EXPECT_EQ(rowsPart(r.out), computed[i]);
    }
    CliRun again = runCli("phenomena-file --year 2011 --lang fr");
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.out.find("Le fichier j2011.sat  existe"), std::string::npos) << again.out;
}

TEST(CliSatellites, TextFileLimitsAndRedSpot) {
    TempWorkingDir dir;
    CliRun r = runCli("phenomena-file --text J.txt --start 2011-10-28 --unit month --count 12");
    EXPECT_EQ(r.status, 2);  // a bad argument, named
    EXPECT_EQ(r.out, "vantorel-cli phenomena-file: argument --count: The longest period in months "
                     "is 11\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("J.txt")));
    const std::string listing =
        "phenomena-file --text J.txt --start 2011-10-28 --unit day --count 2 --zone +1";
    r = runCli(listing);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(std::filesystem::exists(dir.file("J.txt")));
    // An existing listing is replaced only when asked.
    std::ofstream(dir.file("J.txt")) << "mine\n";
    r = runCli(listing);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("J.txt already exists"), std::string::npos) << r.out;
    r = runCli(listing + " --force");
    EXPECT_EQ(r.status, 0) << r.out;
    std::ifstream in(dir.file("J.txt"));
    std::string first;
    std::getline(in, first);
    EXPECT_NE(first, "mine");
    r = runCli("grs --date 2011-10-29 --zone +1 --longitude 120 --json");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("\"transits\":[{"), std::string::npos);
    EXPECT_EQ(runCli("grs --date 2011-10-29 --longitude 360").status, 2);
}
