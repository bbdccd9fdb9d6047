// vantorel-cli render draws the two Jupiter windows and says where the disc,
// the Red Spot, the satellites and the shadows landed, on each zoom level of
// the disc. 16 January 2024 at
// 18:00 UT: Io and its shadow on the disc (shadow ingress 17:44, transit
// egress 18:34 in the day's phenomena list).
#include <gtest/gtest.h>

#include <string>

#include "tests/support/CliRunner.h"
#include "tests/support/TempWorkingDir.h"

namespace {

// The text between `key` and the next closing brace.
std::string objectAfter(const std::string& json, const std::string& key) {
    const size_t at = json.find(key);
    if (at == std::string::npos) return {};
    return json.substr(at, json.find('}', at) - at + 1);
}

TEST(CliRenderJupiter, DiscDescribesTheShadowTransitOfIo) {
    TempWorkingDir dir;
    const CliRun r = runCli("render --window jupiter --date 2024-01-16 --time 18:00 --zone 0 "
                            "--zoom 0 --out j.png --json");
    ASSERT_EQ(r.status, 0) << r.out;
    // Level 0: the globe fills the 300 pixels of the height less 2 either side.
    EXPECT_NE(r.out.find("\"disc\":{\"cx\":300,\"cy\":150,\"rx\":158.56,\"ry\":148.00}"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\"zoom\":{\"level\":0,\"levels\":8}"), std::string::npos) << r.out;
    const std::string shadows = r.out.substr(r.out.find("\"shadows\""));
    EXPECT_NE(objectAfter(shadows, "\"name\":\"Io\"").find("\"drawn\":true"), std::string::npos)
        << r.out;
    EXPECT_NE(objectAfter(shadows, "\"name\":\"Europa\"").find("\"drawn\":false"),
              std::string::npos)
        << r.out;
    const std::string satellites = r.out.substr(r.out.find("\"satellites\""));
    EXPECT_NE(objectAfter(satellites, "\"name\":\"Io\"").find("\"drawn\":true"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("1 shadow(s) on the disc"), std::string::npos) << r.out;
}

namespace {

struct Spot {
    double x = 0, y = 0;
    bool inside = false;
};

// Where one level put the disc, the Red Spot, the four satellites and Io's
// shadow.
struct DiscLayout {
    int level = -1;
    double cx = 0, cy = 0, rx = 0, ry = 0;
    Spot redSpot;
    Spot satellites[4];
    Spot ioShadow;
};

DiscLayout renderDisc(const std::string& when, const std::string& extra) {
    const CliRun r = runCli("render --window jupiter " + when + " --out j.png --json " + extra);
    EXPECT_EQ(r.status, 0) << r.out;
    DiscLayout d;
    const std::string disc = objectAfter(r.out, "\"disc\"");
    d.cx = jsonNumber(disc, "cx");
    d.cy = jsonNumber(disc, "cy");
    d.rx = jsonNumber(disc, "rx");
    d.ry = jsonNumber(disc, "ry");
    d.level = static_cast<int>(jsonNumber(objectAfter(r.out, "\"zoom\""), "level"));
    const std::string spot = objectAfter(r.out, "\"red_spot\"");
    d.redSpot = {jsonNumber(spot, "x"), jsonNumber(spot, "y"), true};
    static const char* const kNames[4] = {"Io", "Europa", "Ganymede", "Callisto"};
    const std::string satellites = r.out.substr(r.out.find("\"satellites\""));
    for (int i = 0; i < 4; ++i) {
        const std::string s =
            objectAfter(satellites, std::string("\"name\":\"") + kNames[i] + "\"");
        d.satellites[i] = {jsonNumber(s, "x"), jsonNumber(s, "y"),
                           s.find("\"inside\":true") != std::string::npos};
    }
    const std::string io = objectAfter(r.out.substr(r.out.find("\"shadows\"")), "\"name\":\"Io\"");
    d.ioShadow = {jsonNumber(io, "x"), jsonNumber(io, "y"),
                  io.find("\"drawn\":true") != std::string::npos};
    return d;
}

// An offset from the centre at `to`'s scale, from one at `from`'s: the
// places are truncated to whole pixels at each level.
void expectScaled(double offsetFrom, const DiscLayout& from, double offsetTo, const DiscLayout& to,
                  const char* what) {
    EXPECT_NEAR(offsetTo, offsetFrom * to.rx / from.rx, 1.0 + to.rx / from.rx)
        << what << " at level " << to.level << " from level " << from.level;
}

}  // namespace

// 8 December 2026 at 21:00 (zone +1): Io 5.8 Jupiter radii west, Callisto
// 24 east; the window maximised to 1100 pixels once showed none of them.
TEST(CliRenderJupiter, ZoomLevelsScaleEveryOffsetAndTheDefaultShowsAllFourMoons) {
    TempWorkingDir dir;
    const std::string when = "--date 2026-12-08 --time 21:00 --zone 1";
    const DiscLayout widest = renderDisc(when, "");
    EXPECT_EQ(widest.level, 7);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(widest.satellites[i].inside) << i;
    // Maximised, the default level shows them too.
    const DiscLayout large = renderDisc(when, "--width 1100 --height 700");
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(large.satellites[i].inside) << i;
    EXPECT_GT(large.rx, widest.rx);

    // Every level keeps each satellite's offset in Jupiter radii; the radius
    // grows as the level falls, until the globe fills the height.
    const DiscLayout filled = renderDisc(when, "--zoom 0");
    EXPECT_NEAR(filled.ry, 148.0, 0.01);
    double previous = 0;
    for (int level = 7; level >= 0; --level) {
        const DiscLayout d = renderDisc(when, "--zoom " + std::to_string(level));
        ASSERT_EQ(d.level, level);
        EXPECT_GT(d.rx, previous) << level;
        previous = d.rx;
        EXPECT_EQ(d.cx, 300);
        EXPECT_EQ(d.cy, 150);
        for (int i = 0; i < 4; ++i)
            expectScaled(filled.satellites[i].x - filled.cx, filled, d.satellites[i].x - d.cx, d,
                         "satellite");
    }
    // Io, 5.8 radii out, is inside the picture from level 3 outwards, and
    // the outer moons only further out.
    EXPECT_TRUE(renderDisc(when, "--zoom 3").satellites[0].inside);
    EXPECT_FALSE(renderDisc(when, "--zoom 2").satellites[0].inside);
    EXPECT_FALSE(renderDisc(when, "--zoom 6").satellites[3].inside);
}

// 16 January 2024 at 18:00 UT Io's shadow is on the disc: it and the Red
// Spot keep their places in Jupiter radii on every level.
TEST(CliRenderJupiter, ShadowAndRedSpotStayInPlaceOnEveryLevel) {
    TempWorkingDir dir;
    const std::string when = "--date 2024-01-16 --time 18:00 --zone 0";
    const DiscLayout filled = renderDisc(when, "--zoom 0");
    ASSERT_TRUE(filled.ioShadow.inside);
    for (int level = 1; level < 8; ++level) {
        const DiscLayout d = renderDisc(when, "--zoom " + std::to_string(level));
        ASSERT_TRUE(d.ioShadow.inside) << level;
        expectScaled(filled.ioShadow.x - filled.cx, filled, d.ioShadow.x - d.cx, d, "shadow x");
        expectScaled(filled.ioShadow.y - filled.cy, filled, d.ioShadow.y - d.cy, d, "shadow y");
        expectScaled(filled.redSpot.x - filled.cx, filled, d.redSpot.x - d.cx, d, "spot x");
        expectScaled(filled.redSpot.y - filled.cy, filled, d.redSpot.y - d.cy, d, "spot y");
    }
    // Out of the window's range.
    EXPECT_EQ(runCli("render --window jupiter " + when + " --zoom 8 --out z.png").status, 2);
}

TEST(CliRenderJupiter, StripAndTheOccultedSatellites) {
    TempWorkingDir dir;
    // 15 January 2024 at 20:00 UT Io and Europa are behind the disc.
    const CliRun r = runCli("render --window jupiter-satellites --date 2024-01-15 --time 20:00 "
                            "--out s.png --json");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("\"width\":640,\"height\":140"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"rx\":12.00"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("\"shadows\""), std::string::npos) << r.out;
    EXPECT_NE(objectAfter(r.out, "\"name\":\"Io\"").find("\"drawn\":false"), std::string::npos)
        << r.out;
    EXPECT_NE(objectAfter(r.out, "\"name\":\"Europa\"").find("\"drawn\":false"), std::string::npos)
        << r.out;
    EXPECT_NE(objectAfter(r.out, "\"name\":\"Callisto\"").find("\"drawn\":true"), std::string::npos)
        << r.out;
    // The strip does not zoom.
    EXPECT_EQ(runCli("render --window jupiter-satellites --date 2024-01-15 --time 20:00 --zoom 2 "
                     "--out z.png")
                  .status,
              2);
}

}  // namespace
