#include <gtest/gtest.h>

#include "common/files/Paths.h"
#include "common/settings/StartOptions.h"
#include "tests/support/TempWorkingDir.h"

using namespace vantorel;

TEST(StartOptions, HelpAndVersionStopBeforeAnyWindowOtherArgumentsAreLeftToQt) {
    TempWorkingDir wd;
    using A = StartOptions::Action;
    EXPECT_EQ(parseStartOptions({}).action, A::Run);
    // Qt's options and a launcher's stray arguments start the program as usual.
    EXPECT_EQ(parseStartOptions({"-platform", "offscreen", "%U", "--unknown"}).action, A::Run);
    EXPECT_EQ(parseStartOptions({"--", "--help"}).action, A::Run);

    const StartOptions version = parseStartOptions({"--version"});
    EXPECT_EQ(version.action, A::Version);
    EXPECT_EQ(version.text, std::string("vantorel ") + VANTOREL_VERSION + "\n");
    // Help wins wherever it stands.
    const StartOptions help = parseStartOptions({"-style", "fusion", "--version", "-h"});
    ASSERT_EQ(help.action, A::Help);
    EXPECT_NE(help.text.find("--version"), std::string::npos);
    // It tells where this run keeps its settings and finds its data.
    EXPECT_NE(help.text.find(wd.userConfigFile("vantorel.ini").string()), std::string::npos);
    EXPECT_NE(help.text.find(wd.file("data").string()), std::string::npos);
}
