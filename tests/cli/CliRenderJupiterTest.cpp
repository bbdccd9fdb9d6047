// vantorel-cli render draws the two Jupiter windows and says where the disc,
// the Red Spot, the satellites and the shadows landed. 16 January 2024 at
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
                            "--out j.png --json");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("\"disc\":{\"cx\":150,\"cy\":140,\"rx\":98.00,\"ry\":91.47}"),
              std::string::npos)
        << r.out;
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
    // Neither window zooms.
    EXPECT_EQ(runCli("render --window jupiter --date 2024-01-15 --time 20:00 --zoom 50 --out z.png")
                  .status,
              2);
}

}  // namespace
