// vantorel-cli render and print for the sky chart and the heliocentric view:
// the description of what was drawn agrees with the picture's geometry, the
// catalogues come from data/ of the working directory, and print writes a
// PDF.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

#include "tests/support/CliRunner.h"
#include "tests/support/SkyCatalogues.h"
#include "tests/support/TempWorkingDir.h"

namespace {

const std::string kWhen = "--date 2026-12-08 --time 21:00 --zone +1";

// The {...} object of the body labelled `label` in a description.
std::string bodyJson(const std::string& json, const std::string& label) {
    std::smatch m;
    const std::regex re("\\{\"label\":\"" + label + "\"[^}]*\\}");
    return std::regex_search(json, m, re) ? m.str() : std::string();
}


}  // namespace

TEST(CliSky, DescribesBodiesByPixelAndCountsWhatTheCataloguesDrew) {
    TempWorkingDir dir;
    // A damaged catalogue in data/ of the working directory comes before the
    // program's own: its good records are drawn, the rest passed over.
    std::filesystem::create_directory("data");
    std::ofstream("data/etoiles.dat") << "1200      +000      0.00\nnot a star\n";
    const CliRun own = runCli("render --window sky " + kWhen +
                              " --lat 48.85 --width 1800 --height 667 --out sky.png --json");
    ASSERT_EQ(own.status, 0) << own.out;
    EXPECT_EQ(jsonNumber(own.out, "stars"), 1);
    EXPECT_TRUE(std::filesystem::exists("sky.png"));
    std::filesystem::remove_all("data");

    copySkyCatalogues();
    const CliRun r = runCli("render --window sky " + kWhen +
                            " --lat 48.85 --width 1800 --height 667 --out sky.png --json");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_GT(jsonNumber(r.out, "stars"), 5000);
    EXPECT_GT(jsonNumber(r.out, "figureSegments"), 700);
    // The constellations' names inside the picture, Orion's among them.
    int names = 0;
    const std::regex name("\\{\"name\":\"[A-Z][a-z][a-zA-Z]\"[^}]*\\}");
    for (auto it = std::sregex_iterator(r.out.begin(), r.out.end(), name); it != std::sregex_iterator(); ++it) {
        ++names;
        const std::string c = it->str();
        EXPECT_GE(jsonNumber(c, "left"), 0) << c;
        EXPECT_LE(jsonNumber(c, "left") + jsonNumber(c, "width"), 1800) << c;
        EXPECT_GE(jsonNumber(c, "top"), 0) << c;
        EXPECT_LE(jsonNumber(c, "top") + jsonNumber(c, "height"), 667) << c;
    }
    EXPECT_GT(names, 70);
    EXPECT_NE(r.out.find("{\"name\":\"Ori\""), std::string::npos);
    // Five pixels a degree: a body's pixel is its right ascension from the
    // right edge and its declination from the middle.
    for (const char* label : {"Sun", "Moon", "Ma", "J", "S", "P"}) {
        const std::string b = bodyJson(r.out, label);
        ASSERT_FALSE(b.empty()) << label;
        EXPECT_NEAR(jsonNumber(b, "x"), 1800 - 5 * jsonNumber(b, "ra"), 1.0) << label;
        EXPECT_NEAR(jsonNumber(b, "y"), 333 - 5 * jsonNumber(b, "dec"), 1.0) << label;
    }
    // Mars in Leo, near Regulus (10 h 08 m, +12 degrees).
    const std::string mars = bodyJson(r.out, "Ma");
    EXPECT_NEAR(jsonNumber(mars, "ra"), 157.45, 0.05);

    const CliRun south = runCli("render --window sky " + kWhen +
                                " --lat -1 --lang fr --width 1800 --height 667 --out s.png --json");
    ASSERT_EQ(south.status, 0) << south.out;
    EXPECT_NE(south.out.find("\"flipped\":true"), std::string::npos);
    EXPECT_FALSE(bodyJson(south.out, "Lune").empty());
    const std::string marsSouth = bodyJson(south.out, "Ma");
    EXPECT_NEAR(jsonNumber(marsSouth, "y"), 333 + 5 * jsonNumber(marsSouth, "dec"), 1.0);
}

TEST(CliSky, TheMeridianAndTheHorizonOfTheSite) {
    TempWorkingDir dir;
    const std::string paris = " --lat 48.85 --lon 2.35 --zone +2 --width 1800 --height 667 --out sky.png --json";
    // Paris, 2024 June 21: the Sun transits at 13:53 and rises at 05:47.
    const CliRun noon = runCli("render --window sky --date 2024-06-21 --time 13:53" + paris);
    ASSERT_EQ(noon.status, 0) << noon.out;
    std::smatch m;
    ASSERT_TRUE(std::regex_search(noon.out, m, std::regex("\"meridian\":\\{[^}]*\\}")));
    const std::string meridian = m.str();
    const std::string sun = bodyJson(noon.out, "Sun");
    EXPECT_NEAR(jsonNumber(meridian, "x"), jsonNumber(sun, "x"), 2.0);
    EXPECT_NEAR(jsonNumber(meridian, "ra"), jsonNumber(sun, "ra"), 0.5);

    const CliRun rise = runCli("render --window sky --date 2024-06-21 --time 05:47" + paris);
    ASSERT_EQ(rise.status, 0) << rise.out;
    const std::string sunAtRise = bodyJson(rise.out, "Sun");
    const double sunX = jsonNumber(sunAtRise, "x"), sunY = jsonNumber(sunAtRise, "y");
    // Every tenth column of the horizon: the one nearest the Sun passes
    // within a few pixels of it (its centre 0.8 degree under the horizon).
    const std::regex point("\\[(\\d+),(\\d+)\\]");
    const auto horizon = rise.out.substr(rise.out.find("\"horizon\":"));
    int points = 0;
    double nearest = 1e9;
    for (auto it = std::sregex_iterator(horizon.begin(), horizon.end(), point); it != std::sregex_iterator(); ++it) {
        ++points;
        const double x = std::stod((*it)[1]), y = std::stod((*it)[2]);
        EXPECT_GE(y, 0);
        EXPECT_LT(y, 667);
        if (std::abs(x - sunX) <= 5) nearest = std::min(nearest, std::abs(y - sunY));
    }
    EXPECT_EQ(points, 181);  // columns 0, 10 .. 1790 and 1799
    EXPECT_LE(nearest, 12);
}

TEST(CliSky, ASouthernSiteSeesTheChartTurnedNotMirrored) {
    // Sydney, 33 deg 52' S, 151 deg 13' E, zone +11, against Paris at the
    // same instant: the chart is turned by 180 degrees, so every body lands
    // on the turned pixel, and a body east of another (the larger right
    // ascension within half a turn) is to its right, as the sky shows it
    // facing north, where it was to the left on the northern chart.
    TempWorkingDir dir;
    copySkyCatalogues();
    const std::string size = " --width 1800 --height 667 --out s.png --json";
    const CliRun north =
        runCli("render --window sky --date 2026-12-08 --time 21:00 --zone +1 --lat 48.85" + size);
    const CliRun south = runCli(
        "render --window sky --date 2026-12-09 --time 07:00 --zone +11 --lat -33.87 --lon 151.22" +
        size);
    ASSERT_EQ(north.status, 0) << north.out;
    ASSERT_EQ(south.status, 0) << south.out;
    EXPECT_NE(south.out.find("\"flipped\":true"), std::string::npos);
    EXPECT_EQ(jsonNumber(south.out, "stars"), jsonNumber(north.out, "stars"));
    const int y0 = static_cast<int>(jsonNumber(north.out, "y0"));
    for (const char* label : {"Sun", "M", "V", "Ma", "J", "S", "U", "N", "P"}) {
        const std::string n = bodyJson(north.out, label), s = bodyJson(south.out, label);
        ASSERT_FALSE(n.empty() || s.empty()) << label;
        EXPECT_NEAR(jsonNumber(s, "x"), 1800 - 1 - jsonNumber(n, "x"), 1.0) << label;
        EXPECT_NEAR(jsonNumber(s, "y"), 2 * y0 - 1 - jsonNumber(n, "y"), 1.0) << label;
        // Right ascension 0 at the left edge, five pixels a degree.
        EXPECT_NEAR(jsonNumber(s, "x"), 5 * jsonNumber(s, "ra"), 1.0) << label;
    }
    int pairs = 0;
    for (const char* a : {"M", "V", "Ma", "J", "S"}) {
        for (const char* b : {"M", "V", "Ma", "J", "S"}) {
            const std::string sa = bodyJson(south.out, a), sb = bodyJson(south.out, b);
            const std::string na = bodyJson(north.out, a), nb = bodyJson(north.out, b);
            const double east = jsonNumber(sa, "ra") - jsonNumber(sb, "ra");
            if (east <= 5 || east >= 175) continue;  // a east of b, clearly
            ++pairs;
            EXPECT_GT(jsonNumber(sa, "x"), jsonNumber(sb, "x")) << a << " east of " << b;
            EXPECT_LT(jsonNumber(na, "x"), jsonNumber(nb, "x")) << a << " east of " << b;
        }
    }
    EXPECT_GE(pairs, 3);
}

TEST(CliHelio, DescribesEachPlanetsPixelAndLongitude) {
    TempWorkingDir dir;
    const CliRun r =
        runCli("render --window helio " + kWhen + " --width 370 --height 430 --out h.png --json");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(jsonNumber(r.out, "K"), 2223714);
    EXPECT_EQ(jsonNumber(r.out, "X"), 185);
    for (const char* label : {"Mercury", "Earth", "J", "S", "N"}) {
        const std::string b = bodyJson(r.out, label);
        ASSERT_FALSE(b.empty()) << label;
        const double lon = jsonNumber(b, "longitude");
        EXPECT_GE(lon, 0);
        EXPECT_LT(lon, 360);
    }
    // Saturn on Jupiter's circle of 175 pixels around (185, 185).
    const std::string saturn = bodyJson(r.out, "S");
    EXPECT_NEAR(std::hypot(jsonNumber(saturn, "x") - 185, jsonNumber(saturn, "y") - 185), 175, 1.5);

    const CliRun p = runCli("print --window helio " + kWhen + " --out helio.pdf --json");
    ASSERT_EQ(p.status, 0) << p.out;
    std::ifstream pdf("helio.pdf", std::ios::binary);
    std::string head(5, '\0');
    pdf.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");
    EXPECT_EQ(runCli("print --window sky " + kWhen + " --out sky.pdf").status, 0);
    EXPECT_TRUE(std::filesystem::exists("sky.pdf"));
}
