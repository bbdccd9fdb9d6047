// vantorel-cli render and print for the all-planets table: every row of the
// table as drawn, in the language asked, and a PDF page.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/CliRunner.h"
#include "tests/support/TempWorkingDir.h"

namespace {

const char* const kTable =
    "--window table --date 2024-03-21 --time 21:00 --zone +1 --lat 45 ";

// The JSON object of the row named `name`.
std::string row(const std::string& json, const std::string& name) {
    const size_t at = json.find("{\"name\":\"" + name + "\"");
    if (at == std::string::npos) return "";
    return json.substr(at, json.find("]}", at) - at + 2);
}

}  // namespace

TEST(CliTable, RenderDescribesEveryRowAsDrawn) {
    TempWorkingDir dir;
    const CliRun r = runCli(std::string("render ") + kTable + "--out table.png --json");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(std::filesystem::exists("table.png"));
    for (const char* name : {"title", "sun_header", "sun", "moon_header", "moon", "planets_header",
                             "mercury", "venus", "mars", "jupiter", "jupiter_system2", "saturn",
                             "uranus", "neptune", "pluto", "red_spot"})
        EXPECT_FALSE(row(r.out, name).empty()) << name;
    const std::string venus = row(r.out, "venus");
    // Venus's magnitude, as the table prints it, in the magnitude column
    // under its heading.
    EXPECT_NE(venus.find("\"text\":\"-3.9\""), std::string::npos) << venus;
    EXPECT_NE(row(r.out, "title").find("Date: 2024/03/21  -  Time: 21: 00"), std::string::npos);
    // Rows one line apart, each under the one before.
    EXPECT_LT(jsonNumber(row(r.out, "mercury"), "y"), jsonNumber(row(r.out, "venus"), "y"));
    EXPECT_LT(jsonNumber(row(r.out, "pluto"), "y"), jsonNumber(row(r.out, "red_spot"), "y"));

    const CliRun fr = runCli(std::string("render ") + kTable + "--lang fr --out fr.png --json");
    ASSERT_EQ(fr.status, 0) << fr.out;
    EXPECT_NE(row(fr.out, "planets_header").find("\"text\":\"Objet\""), std::string::npos);
    EXPECT_NE(row(fr.out, "pluto").find("\"text\":\"Pluton\""), std::string::npos);
}

TEST(CliTable, PrintWritesAPdfAndRefusesBadArguments) {
    TempWorkingDir dir;
    const CliRun r = runCli(std::string("print ") + kTable + "--lang es --out table.pdf");
    ASSERT_EQ(r.status, 0) << r.out;
    std::ifstream in("table.pdf", std::ios::binary);
    std::string head(5, '\0');
    in.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");
    EXPECT_GT(std::filesystem::file_size("table.pdf"), 2000u);

    EXPECT_EQ(runCli("print --window table --date 2024-13-01 --time 21:00 --out x.pdf").status, 2);
    EXPECT_EQ(runCli("print --window table --date 2024-03-01 --time 25:00 --out x.pdf").status, 2);
    EXPECT_EQ(runCli(std::string("render ") + kTable + "--lang de --out x.png").status, 2);
    EXPECT_FALSE(std::filesystem::exists("x.pdf"));
    // A folder that does not exist: refused, nothing crashes.
    EXPECT_EQ(runCli(std::string("print ") + kTable + "--out no/such/t.pdf").status, 1);
}
