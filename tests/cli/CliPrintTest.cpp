// vantorel-cli print: every page on the side of the paper that fits the
// window, headed by the window's title, the date, the time, the zone and the
// site; the sky chart fills its page instead of a strip of it. The PDF is
// read back with poppler's tools.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "tests/support/CliRunner.h"
#include "tests/support/TempWorkingDir.h"

namespace {

const std::string kWhen = "--date 2026-12-08 --time 21:00 --zone +1 --lat 48.8 --lon 2.3";

bool havePoppler() { return std::system("pdftotext -v >/dev/null 2>&1 && pdftoppm -v >/dev/null 2>&1") == 0; }

std::string shellOutput(const std::string& command) {
    FILE* p = popen(command.c_str(), "r");
    std::string out;
    char buf[4096];
    while (size_t n = fread(buf, 1, sizeof buf, p)) out.append(buf, n);
    pclose(p);
    return out;
}

// The page as a grey picture (P5 PGM at 30 dots an inch).
struct Grey {
    int width = 0, height = 0;
    std::string pixels;
    double darkShare() const {
        size_t dark = 0;
        for (unsigned char c : pixels) dark += c < 64;
        return pixels.empty() ? 0.0 : static_cast<double>(dark) / static_cast<double>(pixels.size());
    }
};

Grey pageOf(const std::string& pdf) {
    std::system(("pdftoppm -r 30 -gray -singlefile " + pdf + " page").c_str());
    std::ifstream in("page.pgm", std::ios::binary);
    Grey g;
    std::string magic;
    int maxValue = 0;
    in >> magic >> g.width >> g.height >> maxValue;
    in.get();
    g.pixels.assign(static_cast<size_t>(g.width) * static_cast<size_t>(g.height), '\0');
    in.read(g.pixels.data(), static_cast<std::streamsize>(g.pixels.size()));
    return magic == "P5" ? g : Grey{};
}

}  // namespace

TEST(CliPrint, EveryWindowOnTheSideThatFitsHeadedByDateTimeZoneAndSite) {
    if (!havePoppler()) GTEST_SKIP() << "poppler-utils (pdftotext, pdftoppm) is not installed";
    TempWorkingDir dir;
    struct Case {
        const char* window;
        bool landscape;
        const char* title;
    };
    for (const Case& c : {Case{"sky", true, "Sky -- 2026/12/08"}, Case{"helio", false, "Heliocentric"},
                          Case{"table", true, "Data"}}) {
        SCOPED_TRACE(c.window);
        const std::string pdf = std::string(c.window) + ".pdf";
        const CliRun r = runCli(std::string("print --window ") + c.window + " " + kWhen + " --out " + pdf);
        ASSERT_EQ(r.status, 0) << r.out;
        const std::string info = shellOutput("pdfinfo " + pdf);
        EXPECT_TRUE(std::regex_search(info, std::regex("Pages:\\s+1\\n"))) << info;
        const Grey page = pageOf(pdf);
        ASSERT_GT(page.width, 0);
        EXPECT_EQ(page.width > page.height, c.landscape) << page.width << " x " << page.height;
        const std::string text = shellOutput("pdftotext -layout " + pdf + " -");
        for (const std::string& wanted :
             {std::string(c.title), std::string("Date: 2026/12/08"), std::string("Time: 21:00"),
              std::string("Zone: UT+1"), std::string("Latitude: 48\u00b048' N"),
              std::string("Longitude: 2\u00b018' E")})
            EXPECT_NE(text.find(wanted), std::string::npos) << wanted << " in\n" << text;
        // The black chart covers half the sideways page, not a strip of an
        // upright one.
        if (std::string(c.window) == "sky") EXPECT_GT(page.darkShare(), 0.4);
    }

    // The heading speaks the language, with the zone and a southern site.
    const CliRun es = runCli("print --window helio --date 2026-12-08 --time 21:00 --zone -3 --lat -33.5 "
                             "--lang es --out helio-es.pdf");
    ASSERT_EQ(es.status, 0) << es.out;
    const std::string text = shellOutput("pdftotext -layout helio-es.pdf -");
    for (const char* wanted : {"Heliocéntrico", "Fecha: 2026/12/08", "Hora: 21:00", "Huso: TU-3",
                               "Latitud: 33°30' S", "Longitud: huso"})
        EXPECT_NE(text.find(wanted), std::string::npos) << wanted << " in\n" << text;
}
