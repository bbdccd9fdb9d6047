// vantorel-cli render --window data: the data dialog of a body as a picture,
// each label listed with the figure beside or above it, so a figure shown
// under the wrong name shows in the description.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <regex>
#include <string>

#include "tests/support/CliRunner.h"
#include "tests/support/TempWorkingDir.h"

namespace {

const std::string kParis = "--date 2026-12-08 --time 21:00 --zone +1 --lat 48.8 --lon 2.3";

// The value listed with a label ("" when it has none, "absent" when the
// label is not listed).
std::string valueOf(const std::string& json, const std::string& label, std::string* where = nullptr) {
    std::smatch m;
    const std::regex re("\\{\"id\":\\d+,\"label\":\"" + label +
                        "\",\"value\":(null|\"([^\"]*)\",\"value_id\":\\d+),\"where\":(null|\"(\\w+)\")\\}");
    if (!std::regex_search(json, m, re)) return "absent";
    if (where) *where = m[4].str();
    return m[2].str();
}

std::string degrees(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f\u00b0", value);
    return text;
}

}  // namespace

TEST(CliRenderData, JupitersSystemsStandAboveTheirOwnNamesInEveryLanguage) {
    // Paris, 8 December 2026, 21:00: System I 26.66, System II 176.64 (as
    // ephem and PyEphem give them).
    TempWorkingDir dir;
    const CliRun ephem = runCli("ephem --body jupiter --json " + kParis);
    ASSERT_EQ(ephem.status, 0) << ephem.out;
    const double system1 = jsonNumber(ephem.out, "system1_deg");
    const double system2 = jsonNumber(ephem.out, "system2_deg");
    EXPECT_NEAR(system1, 26.66, 0.01);
    EXPECT_NEAR(system2, 176.64, 0.01);
    const char* names[3][2] = {{"Syst. I", "Syst. II"}, {"Syst. I", "Syst. II"}, {"Sist. I", "Sist. II"}};
    const char* languages[3] = {"en", "fr", "es"};
    for (int language = 0; language < 3; ++language) {
        const CliRun r = runCli("render --window data --body jupiter --json --out data.png --lang " +
                                std::string(languages[language]) + " " + kParis);
        ASSERT_EQ(r.status, 0) << r.out;
        std::string where;
        EXPECT_EQ(valueOf(r.out, names[language][0], &where), degrees(system1)) << languages[language];
        EXPECT_EQ(where, "above");
        EXPECT_EQ(valueOf(r.out, names[language][1], &where), degrees(system2)) << languages[language];
        EXPECT_EQ(where, "above");
    }
}

TEST(CliRenderData, EveryBodysRowsPairTheirLabelsWithTheirOwnFigures) {
    TempWorkingDir dir;
    for (const char* body : {"mercury", "venus", "mars", "jupiter", "saturn", "uranus"}) {
        const CliRun ephem = runCli(std::string("ephem --json --body ") + body + " " + kParis);
        const CliRun r = runCli(std::string("render --window data --json --out data.png --body ") + body +
                                " " + kParis);
        ASSERT_EQ(r.status, 0) << r.out;
        std::string where;
        // The magnitude beside its label, to the tenth; the distance in AU.
        char magnitude[16];
        std::snprintf(magnitude, sizeof magnitude, "%.1f", jsonNumber(ephem.out, "magnitude"));
        EXPECT_EQ(valueOf(r.out, "Magnitude :", &where), magnitude) << body;
        EXPECT_EQ(where, "beside");
        const std::string distance = valueOf(r.out, "Distance :");
        // Saturn and Uranus show three decimals, the others five.
        EXPECT_NEAR(std::stod(distance), jsonNumber(ephem.out, "distance_au"), 6e-4) << body << distance;
        const std::string illumination = valueOf(r.out, "Illumination :");
        EXPECT_NEAR(std::stod(illumination), 100 * jsonNumber(ephem.out, "illuminated_fraction"), 0.1)
            << body;
        // The picture is the dialog's size: as wide as its texts need.
        EXPECT_EQ(jsonNumber(r.out, "height"), 379) << body;
        EXPECT_GE(jsonNumber(r.out, "width"), 165) << body;
    }
    // The Moon's librations beside their names.
    const CliRun ephem = runCli("ephem --json --body moon " + kParis);
    const CliRun moon = runCli("render --window data --json --out data.png --body moon " + kParis);
    ASSERT_EQ(moon.status, 0) << moon.out;
    std::string where;
    EXPECT_EQ(valueOf(moon.out, "Longit.", &where), degrees(jsonNumber(ephem.out, "libration_lon_deg")));
    EXPECT_EQ(where, "beside");
    EXPECT_EQ(valueOf(moon.out, "Latitude", &where), degrees(jsonNumber(ephem.out, "libration_lat_deg")));
    EXPECT_EQ(where, "beside");
}

TEST(CliRenderData, TheBodyIsAskedOfTheDataWindowOnly) {
    TempWorkingDir dir;
    CliRun r = runCli("render --window data --out data.png " + kParis);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("argument --body"), std::string::npos) << r.out;
    r = runCli("render --window mars --body mars --out m.png " + kParis);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("argument --body"), std::string::npos) << r.out;
    r = runCli("render --window data --body pluto --out data.png " + kParis);
    EXPECT_EQ(r.status, 2);
    r = runCli("render --window data --body saturn --out data.png " + kParis);
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("wrote data.png ("), std::string::npos) << r.out;
}
