// vantorel-cli tonight, and the Tonight window through render and print: the
// plan in three languages, the timeline described by what it drew.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "tests/support/CliRunner.h"
#include "tests/support/TempWorkingDir.h"

namespace {

struct Band {
    std::string body;
    int y = 0, h = 0;
    std::vector<std::pair<int, int>> observable;
};

std::vector<std::pair<int, int>> pairs(const std::string& text) {
    std::vector<std::pair<int, int>> out;
    static const std::regex pair(R"(\[(-?\d+),(-?\d+)\])");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pair); it != std::sregex_iterator(); ++it)
        out.emplace_back(std::stoi((*it)[1]), std::stoi((*it)[2]));
    return out;
}

std::vector<Band> bands(const std::string& json) {
    std::vector<Band> out;
    static const std::regex band(
        R"re(\{"body":"(\w+)","y":(\d+),"h":(\d+),"up":\[((?:\[\d+,\d+\],?)*)\],"observable":\[((?:\[\d+,\d+\],?)*)\]\})re");
    for (auto it = std::sregex_iterator(json.begin(), json.end(), band); it != std::sregex_iterator(); ++it)
        out.push_back({(*it)[1], std::stoi((*it)[2]), std::stoi((*it)[3]), pairs((*it)[5])});
    return out;
}

std::vector<std::string> shades(const std::string& json) {
    std::vector<std::string> out;
    static const std::regex shade(R"re(\{"sky":"(\w+)","x0":(\d+),"x1":(\d+)\})re");
    for (auto it = std::sregex_iterator(json.begin(), json.end(), shade); it != std::sregex_iterator(); ++it)
        out.push_back((*it)[1]);
    return out;
}

// x and y of the marks of a kind and body.
std::vector<std::pair<int, int>> marks(const std::string& json, const std::string& kind, const std::string& body) {
    std::vector<std::pair<int, int>> out;
    const std::regex mark("\\{\"kind\":\"" + kind + "\",\"body\":\"" + body + "\",\"x\":(\\d+),\"y\":(\\d+)");
    for (auto it = std::sregex_iterator(json.begin(), json.end(), mark); it != std::sregex_iterator(); ++it)
        out.emplace_back(std::stoi((*it)[1]), std::stoi((*it)[2]));
    return out;
}

const char* kParis = " --zone +1 --lat 48.85 --lon 2.35";

}  // namespace

TEST(CliTonight, RenderDescribesTheTimelineItDrew) {
    TempWorkingDir dir;
    const CliRun r = runCli(std::string("render --window tonight --date 2023-12-05 --time 21:00") + kParis +
                            " --out t.png --json");
    ASSERT_EQ(r.status, 0) << r.out;
    // The sky from day to night and back, in order.
    EXPECT_EQ(shades(r.out), (std::vector<std::string>{"day", "civil", "nautical", "astronomical", "night",
                                                       "astronomical", "nautical", "civil", "day"}));
    const std::vector<Band> b = bands(r.out);
    ASSERT_EQ(b.size(), 8u) << r.out;
    const char* order[] = {"moon", "mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune"};
    for (size_t i = 0; i < b.size(); ++i) EXPECT_EQ(b[i].body, order[i]);
    // Jupiter observable from the end of civil twilight far into the night;
    // its best moment and its Red Spot transit on its band, inside that time.
    const Band& jupiter = b[4];
    ASSERT_EQ(jupiter.observable.size(), 1u);
    const auto [from, to] = jupiter.observable[0];
    EXPECT_GT(to - from, 300);
    const auto best = marks(r.out, "best", "jupiter");
    ASSERT_EQ(best.size(), 1u);
    EXPECT_GT(best[0].first, from);
    EXPECT_LT(best[0].first, to);
    EXPECT_GT(best[0].second, jupiter.y);
    EXPECT_LT(best[0].second, jupiter.y + jupiter.h);
    const auto spot = marks(r.out, "red_spot_transit", "jupiter");
    ASSERT_EQ(spot.size(), 1u);
    EXPECT_EQ(spot[0].second, best[0].second);
    EXPECT_GE(spot[0].first, from);
    // Mars is down all night: no observable time.
    EXPECT_TRUE(b[3].observable.empty());
    EXPECT_NE(r.out.find("{\"y\":"), std::string::npos);
    EXPECT_NE(r.out.find("\"text\":\"The Sun\""), std::string::npos);

    // Midsummer far north: daylight all along, nothing observable.
    const CliRun polar = runCli("render --window tonight --date 2024-06-21 --time 22:00 --zone +1 --lat 69.65"
                                " --lon 18.96 --out p.png --json");
    ASSERT_EQ(polar.status, 0) << polar.out;
    EXPECT_EQ(shades(polar.out), std::vector<std::string>{"day"});
    for (const Band& band : bands(polar.out)) EXPECT_TRUE(band.observable.empty()) << band.body;
    // Printed, the same drawing.
    const CliRun printed = runCli(std::string("print --window tonight --date 2023-12-05 --time 21:00") + kParis +
                                  " --out t.pdf");
    EXPECT_EQ(printed.status, 0) << printed.out;
    EXPECT_NE(printed.out.find("8 bands"), std::string::npos) << printed.out;
}

TEST(CliTonight, ThePlanInEachLanguageAndItsRefusals) {
    const std::string night = std::string("tonight --date 2024-03-14") + kParis;
    const CliRun en = runCli(night);
    ASSERT_EQ(en.status, 0) << en.out;
    EXPECT_NE(en.out.find("End of astronomical twilight"), std::string::npos) << en.out;
    EXPECT_NE(en.out.find("Jupiter: observable"), std::string::npos);
    const CliRun fr = runCli(night + " --lang fr");
    EXPECT_NE(fr.out.find("Fin du cr\u00e9puscule astronomique"), std::string::npos) << fr.out;
    EXPECT_NE(fr.out.find("Nuit du 2024/03/14"), std::string::npos);
    const CliRun es = runCli(night + " --lang es --date-format 2");
    EXPECT_NE(es.out.find("Fin del crep\u00fasculo astron\u00f3mico"), std::string::npos) << es.out;
    EXPECT_NE(es.out.find("Noche del 14/03/2024"), std::string::npos) << es.out;
    // The next day's times carry their date.
    EXPECT_NE(en.out.find("2024/03/15 07:03 Sunrise"), std::string::npos) << en.out;

    const CliRun json = runCli(night + " --json");
    ASSERT_EQ(json.status, 0);
    EXPECT_NEAR(jsonNumber(json.out, "latitude_deg"), 48.85, 1e-9);
    EXPECT_NE(json.out.find("\"jupiter_events\":["), std::string::npos);
    EXPECT_NE(json.out.find("\"kind\":\"sunset\",\"body\":\"sun\""), std::string::npos);

    for (const char* bad : {"tonight --date 2051-01-01", "tonight --date 2024-03-14 --lat 91",
                            "tonight --date 2024-03-14 --grs-longitude 360", "tonight --lat 10"}) {
        const CliRun r = runCli(bad);
        EXPECT_EQ(r.status, 2) << bad << "\n" << r.out;
        EXPECT_NE(r.out.find("vantorel-cli tonight:"), std::string::npos) << r.out;
    }
}
