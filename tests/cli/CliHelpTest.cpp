#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/CliRunner.h"
#include "tests/support/TempWorkingDir.h"

namespace {

// The command names of the tool's own list.
std::vector<std::string> commandNames() {
    std::vector<std::string> names;
    std::istringstream lines(runCli("--help").out);
    std::string line;
    bool inList = false;
    while (std::getline(lines, line)) {
        if (line == "commands:") inList = true;
        else if (inList && line.rfind("  ", 0) == 0) names.push_back(line.substr(2, line.find(' ', 2) - 2));
    }
    return names;
}

}  // namespace

// Every command explains itself, and the example its help gives really runs.
TEST(CliHelp, EveryCommandHasHelpWithRangesDefaultsAndAnExampleThatRuns) {
    TempWorkingDir dir;
    const std::vector<std::string> names = commandNames();
    ASSERT_GE(names.size(), 10u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const CliRun help = runCli(name + " --help");
        ASSERT_EQ(help.status, 0) << help.out;
        EXPECT_EQ(help.out.rfind("usage: vantorel-cli " + name, 0), 0u) << help.out;
        EXPECT_NE(help.out.find("\noptions:\n"), std::string::npos);
        const std::string marker = "\nexample:\n  vantorel-cli ";
        const size_t at = help.out.find(marker);
        ASSERT_NE(at, std::string::npos) << help.out;
        std::string example = help.out.substr(at + marker.size());
        example = example.substr(0, example.find('\n'));
        EXPECT_EQ(example.rfind(name + " ", 0), 0u) << example;
        const CliRun run = runCli(example);
        // A tree without any printable window yet cannot run print's example.
        if (name == "print" && run.out.find("no window prints") != std::string::npos) continue;
        EXPECT_EQ(run.status, 0) << example << "\n" << run.out;
    }
    // Ranges and defaults come from the declarations.
    const CliRun grs = runCli("grs --help");
    EXPECT_NE(grs.out.find("(0..359, default 80)"), std::string::npos) << grs.out;
    // Help wins over a line that would be refused.
    EXPECT_EQ(runCli("seasons --years 1e300 --help").status, 0);
    EXPECT_EQ(runCli("seasons --years 1e300").status, 2);
}

TEST(CliHelp, VersionOfBothPrograms) {
    const CliRun v = runCli("--version");
    EXPECT_EQ(v.status, 0);
    EXPECT_EQ(v.out, std::string("vantorel-cli ") + VANTOREL_VERSION + "\n");
}
