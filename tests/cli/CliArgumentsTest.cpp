#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/CliRunner.h"
#include "tests/support/TempWorkingDir.h"

// Every command reads its line through one parser: these cases are the ways a
// line goes wrong, each of which must give exit status 2 and one message that
// names the command and the argument.

namespace {

struct BadLine {
    const char* args;
    const char* message;  // the whole message after "vantorel-cli "
};

void expectRefused(const BadLine& c) {
    const CliRun r = runCli(c.args);
    EXPECT_EQ(r.status, 2) << c.args << "\n" << r.out;
    EXPECT_EQ(r.out, "vantorel-cli " + std::string(c.message) + "\n") << c.args;
}

}  // namespace

TEST(CliArguments, NumbersOutOfRangeAreRefusedByName) {
    TempWorkingDir wd;  // nothing may be written, but nowhere that matters
    const char* text = "phenomena-file --text x.txt --unit day ";
    const std::string withCount = std::string(text) + "--start 2011-01-01 --count ";
    const BadLine cases[] = {
        {"phenomena-file --year 1e300",
         "phenomena-file: argument --year: expected a whole number from 1985 to 2050, got '1e300'"},
        {"phenomena-file --year 1984",
         "phenomena-file: argument --year: expected a whole number from 1985 to 2050, got '1984'"},
        {"phenomena-file --year 2051",
         "phenomena-file: argument --year: expected a whole number from 1985 to 2050, got '2051'"},
        {"phenomena-file --year 2147483648",
         "phenomena-file: argument --year: expected a whole number from 1985 to 2050, got "
         "'2147483648'"},
        {"seasons --start 1e10 --years 1",
         "seasons: argument --start: expected a whole number from -1e+06 to 1e+06, got '1e10'"},
        {"seasons --start 2000 --years 2147483648",
         "seasons: argument --years: expected a whole number from -1e+06 to 1e+06, got "
         "'2147483648'"},
        {"ephem --date 2020-06-21 --time 12:00 --zone 0 --lat 45 --repeat 3e9",
         "ephem: argument --repeat: expected a whole number from 1 to 1e+07, got '3e9'"},
        {"grs --date 2011-10-29 --longitude 360",
         "grs: argument --longitude: expected a whole number from 0 to 359, got '360'"},
        {"render --window mars --date 2024-03-17 --time 21:00 --out x.png --width 99999999999999999999",
         "render: argument --width: expected a whole number from 32 to 4000, got "
         "'99999999999999999999'"},
        {"ephem --jd inf --zone 0 --lat 45",
         "ephem: argument --jd: expected a number from 2.4e+06 to 2.5e+06, got 'inf'"},
        {"ephem --jd 0x1p21 --zone 0 --lat 45",
         "ephem: argument --jd: expected a number from 2.4e+06 to 2.5e+06, got '0x1p21'"},
    };
    for (const BadLine& c : cases) expectRefused(c);
    // The count's limit depends on the unit: still a bad argument, named.
    const CliRun count = runCli(withCount + "61");
    EXPECT_EQ(count.status, 2) << count.out;
    EXPECT_EQ(count.out, "vantorel-cli phenomena-file: argument --count: The longest period in "
                         "days is 60\n");
    const CliRun huge = runCli(withCount + "3e9");
    EXPECT_EQ(huge.status, 2);
    EXPECT_NE(huge.out.find("argument --count: expected a whole number"), std::string::npos);
    // A bad start date is named as --start, not --date.
    const CliRun start = runCli(std::string(text) + "--count 1 --start 1e10");
    EXPECT_EQ(start.status, 2);
    EXPECT_EQ(start.out,
              "vantorel-cli phenomena-file: argument --start: expected YYYY-MM-DD, got '1e10'\n");
    EXPECT_FALSE(std::filesystem::exists(wd.file("x.txt")));
}

TEST(CliArguments, MalformedLinesAreRefused) {
    const BadLine cases[] = {
        {"time --date 2024-01-01 --time 00:00 --json=false",
         "time: argument --json: takes no value, got 'false'"},
        {"time --date 2024-01-01 --time 00:00 --json --json",
         "time: argument --json: given more than once"},
        {"time --date 2024-01-01 --date 2024-01-02 --time 00:00",
         "time: argument --date: given more than once"},
        {"time --date 2024-01-01 --time", "time: argument --time: missing value"},
        {"time --date 2024-01-01 --time 00:00 --bogus 1", "time: argument --bogus: unknown option"},
        {"time 2024-01-01", "time: unexpected argument '2024-01-01'"},
        {"time --time 00:00", "time: argument --date: required"},
        // Options the chosen mode would ignore.
        {"ephem --jd 2448976.5 --zone 0 --lat 42 --time 12:00",
         "ephem: argument --time: not used with --jd"},
        {"ephem --jd 2448976.5 --date 2020-06-21 --zone 0 --lat 42",
         "ephem: argument --date: cannot be combined with --jd"},
        {"ephem --zone 0 --lat 42", "ephem: argument --date: required (or give --jd)"},
        {"phenomena-file --year 2011 --zone +1", "phenomena-file: argument --zone: not used with --year"},
        {"phenomena-file --year 2011 --start 2011-01-01",
         "phenomena-file: argument --start: not used with --year"},
        {"phenomena-file --year 2011 --text x.txt",
         "phenomena-file: argument --text: cannot be combined with --year"},
        {"phenomena-file --text x.txt --start 2011-01-01 --unit day",
         "phenomena-file: argument --count: required with --text"},
        {"phenomena-file --zone +1", "phenomena-file: argument --zone: only with --text"},
        {"phenomena-file", "phenomena-file: argument --year: required (or give --text)"},
        {"satellites --body pluto --date 2005-04-03",
         "satellites: argument --body: expected one of jupiter, saturn, mars, uranus, got 'pluto'"},
    };
    for (const BadLine& c : cases) expectRefused(c);
}

// A forgotten value never takes the next option for itself: "--out --json"
// would write a file named --json. A value that does start with -- is given
// as --out=VALUE; a negative number still follows its option.
TEST(CliArguments, AnOptionIsNeverTakenForAValue) {
    TempWorkingDir wd;
    const std::string render = "render --window moon --date 2024-03-17 --time 21:00 --width 64 "
                               "--height 64 ";
    expectRefused({(render + "--out --json").c_str(),
                   "render: argument --out: missing value before --json (a value that starts "
                   "with -- is given as --out=VALUE)"});
    expectRefused({"phenomena-file --text --force --start 2011-01-01 --unit day --count 1",
                   "phenomena-file: argument --text: missing value before --force (a value that "
                   "starts with -- is given as --text=VALUE)"});
    expectRefused({"seasons --start 2000 --years --zone=+1",
                   "seasons: argument --years: missing value before --zone (a value that starts "
                   "with -- is given as --years=VALUE)"});
    EXPECT_FALSE(std::filesystem::exists("--json"));

    EXPECT_EQ(runCli(render + "--out=--json").status, 0);
    EXPECT_TRUE(std::filesystem::is_regular_file("--json"));
    EXPECT_EQ(runCli(render + "--out --not-an-option.png").status, 0);
    EXPECT_TRUE(std::filesystem::is_regular_file("--not-an-option.png"));
    EXPECT_EQ(runCli("seasons --start 2000 --years 1 --zone -5").status, 0);
}

TEST(CliArguments, EchoedValuesHaveTheirControlCharactersEscaped) {
    const CliRun r = runCli("time --date \"$(printf '2024\\033[2J\\r\\t\\001x')\" --time 00:00");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "vantorel-cli time: argument --date: expected YYYY-MM-DD, got "
                     "'2024\\x1b[2J\\r\\t\\x01x'\n");
    const CliRun name = runCli("time --date 2024-01-01 --time 00:00 \"--$(printf 'a\\033b')\"");
    EXPECT_EQ(name.out, "vantorel-cli time: argument --a\\x1bb: unknown option\n");
    // UTF-8 text passes as it is; a stray byte and a C1 control do not; a
    // long value is cut.
    const CliRun utf8 = runCli("phases --date 2024-01-01 --lang \"$(printf 'fran\\303\\247ais\\377\\302\\233')\"");
    EXPECT_NE(utf8.out.find("got 'fran\u00e7ais\\xff\\xc2\\x9b'"), std::string::npos) << utf8.out;
    const CliRun longer = runCli("phases --date " + std::string(300, '9'));
    EXPECT_NE(longer.out.find("...'"), std::string::npos);
    EXPECT_LT(longer.out.size(), 160u);
}

// Every command refuses what it does not know, in one line with status 2.
TEST(CliArguments, EveryCommandUsesTheSameParser) {
    const CliRun list = runCli("--help");
    ASSERT_EQ(list.status, 0);
    std::vector<std::string> commands;
    size_t at = list.out.find("commands:\n");
    ASSERT_NE(at, std::string::npos);
    for (at = list.out.find('\n', at) + 1; at < list.out.size(); at = list.out.find('\n', at) + 1) {
        const size_t start = list.out.find_first_not_of(' ', at);
        commands.push_back(list.out.substr(start, list.out.find(' ', start) - start));
    }
    EXPECT_GE(commands.size(), 11u);
    for (const std::string& c : commands) {
        CliRun r = runCli(c + " --no-such-option");
        EXPECT_EQ(r.status, 2) << c;
        EXPECT_EQ(r.out, "vantorel-cli " + c + ": argument --no-such-option: unknown option\n");
        r = runCli(c + " --json=false");
        EXPECT_EQ(r.status, 2) << c;
        EXPECT_NE(r.out.find("argument --json: takes no value"), std::string::npos) << c << r.out;
    }
}
