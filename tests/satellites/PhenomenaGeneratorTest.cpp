// The generator's runs: what a request covers, cancelling at any moment, and
// the listing written whole or not at all.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "satellites/PhenomenaGenerator.h"
#include "tests/satellites/GalileanTestSupport.h"
#include "tests/satellites/KeplerPlaceSource.h"
#include "tests/support/TempWorkingDir.h"

using namespace vantorel;
namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& p) {
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

int filesIn(const fs::path& dir) {
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++n;
    return n;
}

TextFileRequest threeDays(const std::string& path) {
    TextFileRequest r;
    r.path = path;
    r.year = 2005;
    r.month = 3;
    r.day = 15;
    r.unit = PeriodUnit::Day;
    r.count = 3;
    return r;
}

}  // namespace

TEST(PhenomenaGenerator, RequestCoversItsUnitAndTheYearlyFileTakesAWholeYear) {
    GeneratorRequest g;
    g.text = threeDays("JupSat.txt");
    EXPECT_EQ(generatorDays(g), 3);
    EXPECT_EQ(generatorFileName(g), "JupSat.txt");
    g.text.unit = PeriodUnit::Month;
    g.text.count = 1;
    EXPECT_EQ(generatorDays(g), 31);  // March, from the 1st
    g.text.count = 12;
    EXPECT_EQ(validateGeneratorRequest(g), "The longest period in months is 11");

    // The yearly file ignores the unit and the count, and counts the evening
    // before: 31 December and the year.
    g.yearlyFile = true;
    EXPECT_EQ(validateGeneratorRequest(g), "");
    EXPECT_EQ(generatorDays(g), 366);
    EXPECT_EQ(generatorFileName(g), "j2005.sat");
    g.text.year = 2004;
    EXPECT_EQ(generatorDays(g), 367);
    g.text.year = 2051;
    EXPECT_EQ(validateGeneratorRequest(g), "The year is not valid.");
    g.text.language = 2;
    EXPECT_EQ(validateGeneratorRequest(g), "Año inválido.");
}

TEST(PhenomenaGenerator, PeriodFromTheStartOrTheFirstOfItsMonthOrYear) {
    auto same = [](const LocalMinute& d, int year, int month, int day) {
        return d.year == year && d.month == month && d.day == day;
    };
    GeneratorRequest g;
    g.text.year = 2026;
    g.text.month = 12;
    g.text.day = 8;
    g.text.count = 30;
    GeneratorPeriod p = generatorPeriod(g);
    EXPECT_TRUE(same(p.first, 2026, 12, 8));
    EXPECT_TRUE(same(p.last, 2027, 1, 6));  // 30 days, into the next year
    g.text.unit = PeriodUnit::Month;
    g.text.count = 3;
    p = generatorPeriod(g);
    EXPECT_TRUE(same(p.first, 2026, 12, 1));
    EXPECT_TRUE(same(p.last, 2027, 2, 28));
    g.text.unit = PeriodUnit::Year;
    g.text.count = 1;
    p = generatorPeriod(g);
    EXPECT_TRUE(same(p.first, 2026, 1, 1));
    EXPECT_TRUE(same(p.last, 2026, 12, 31));
    g.text.unit = PeriodUnit::Day;
    g.yearlyFile = true;
    g.text.year = 2028;
    p = generatorPeriod(g);
    EXPECT_TRUE(same(p.first, 2028, 1, 1));
    EXPECT_TRUE(same(p.last, 2028, 12, 31));
}

TEST(PhenomenaGenerator, KnowsWhenAListingWouldBeReplacedAndWhereItWrote) {
    TempWorkingDir wd;
    GeneratorRequest g;
    g.text = threeDays("notes.txt");
    EXPECT_FALSE(generatorReplacesAFile(g));
    std::ofstream("notes.txt") << "mine\n";
    EXPECT_TRUE(generatorReplacesAFile(g));
    g.yearlyFile = true;  // refused, never replaced
    EXPECT_FALSE(generatorReplacesAFile(g));
    g.yearlyFile = false;
    g.text.replaceExisting = true;
    const FileResult r = runGenerator(g);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.path, std::filesystem::absolute("notes.txt").string());
}

TEST(PhenomenaGenerator, CancelledRunsLeaveNoFileAndKeepTheListingTheyWouldReplace) {
    TempWorkingDir wd;
    std::ofstream("JupSat.txt") << "the listing of last week\n";
    PlaceDrivenSatellites sat;
    KeplerPlaceSource source;
    std::atomic<bool> cancel{false};
    long lastDay = -1;
    const auto stopOnTheSecondDay = [&](long day, int) {
        lastDay = day;
        if (day >= 1) cancel = true;
    };
    FileResult r = generateTextFile(threeDays("JupSat.txt"), sat, source, SearchMode::Fast, {},
                                    stopOnTheSecondDay, &cancel);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.cancelled);
    EXPECT_TRUE(r.message.empty());
    EXPECT_EQ(lastDay, 1);  // stopped at once, not at the end of the period
    EXPECT_EQ(readAll("JupSat.txt"), "the listing of last week\n");
    EXPECT_EQ(filesIn(wd.path()), 1);

    cancel = false;
    r = generateYearlyFile(2006, sat, source, SearchMode::Fast, 0, stopOnTheSecondDay, &cancel);
    EXPECT_TRUE(r.cancelled);
    EXPECT_FALSE(fs::exists("j2006.sat"));
    EXPECT_EQ(filesIn(wd.path()), 1);
    // Nothing of the cancelled year stands in the way of the next one.
    cancel = false;
    r = generateYearlyFile(2006, sat, source, SearchMode::Fast, 0);
    EXPECT_TRUE(r.ok) << r.message;
}

TEST(PhenomenaGenerator, ListingReplacesTheOldOneWholeKeepingItsModeAndFollowingALink) {
    TempWorkingDir wd;
    fs::create_directory("lists");
    std::ofstream("lists/jupiter.txt") << "old\n";
    fs::permissions("lists/jupiter.txt", fs::perms::owner_read | fs::perms::owner_write |
                                             fs::perms::group_read);
    fs::create_symlink("lists/jupiter.txt", "JupSat.txt");
    PlaceDrivenSatellites sat;
    KeplerPlaceSource source;
    const FileResult r = generateTextFile(threeDays("JupSat.txt"), sat, source, SearchMode::Fast, {});
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_TRUE(fs::is_symlink("JupSat.txt"));
    const std::string text = readAll("lists/jupiter.txt");
    EXPECT_EQ(text.rfind("Ec.D. : eclipse disappearance", 0), 0u);
    EXPECT_NE(text.find("\nVANTOREL "), std::string::npos);
    EXPECT_EQ(fs::status("lists/jupiter.txt").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(filesIn(wd.path() / "lists"), 1);

    // A listing that cannot be written reports it and leaves nothing.
    const FileResult bad = generateTextFile(threeDays("missing/dir/JupSat.txt"), sat, source,
                                            SearchMode::Fast, {});
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.message, "Cannot write the file missing/dir/JupSat.txt: No such file or "
                           "directory. Nothing was changed.");
}

TEST(PhenomenaGenerator, RunReportsEveryDayUpToTheEndOfThePeriod) {
    TempWorkingDir wd;
    GeneratorRequest g;
    g.text = threeDays("three.txt");
    g.redSpotLongitude = 50;
    long maxDay = -1;
    int hours = 0;
    const FileResult r = runGenerator(g, [&](long day, int) {
        maxDay = std::max(maxDay, day);
        ++hours;
    });
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_GT(r.rows, 0);
    // The last day is reached; the fast search skips the quiet hours.
    EXPECT_EQ(maxDay, generatorDays(g) - 1);
    EXPECT_GE(hours, 3 * 8);
    // The Red Spot times follow the first phenomenon of a day.
    const std::string text = readAll("three.txt");
    EXPECT_NE(text.find(": "), std::string::npos);
}
