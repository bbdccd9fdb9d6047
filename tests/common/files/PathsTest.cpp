#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "common/files/Paths.h"
#include "common/settings/Settings.h"
#include "common/settings/SettingsFile.h"
#include "satellites/SatelliteRecordTable.h"
#include "tests/support/CliRunner.h"
#include "tests/support/TempWorkingDir.h"

using namespace vantorel;
namespace fs = std::filesystem;

namespace {

// Sets an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        had_ = std::getenv(name) != nullptr;
        if (value) setenv(name, value, 1);
        else unsetenv(name);
    }
    ~ScopedEnv() {
        if (had_) setenv(name_, old_.c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    std::string old_;
    bool had_ = false;
};

// Enters a subdirectory and removes it while inside, as a user does who
// deletes the folder a terminal still stands in.
class RemovedWorkingDir {
public:
    explicit RemovedWorkingDir(const TempWorkingDir& parent) {
        const fs::path gone = parent.file("gone");
        fs::create_directory(gone);
        fs::current_path(gone);
        fs::remove(gone);
    }
};

}  // namespace

TEST(Paths, DataIsLookedUpInTheWorkingDirectoryThenBesideTheProgramThenInstalled) {
    TempWorkingDir wd;
    const std::vector<fs::path> dirs = Paths::dataDirectories();
    ASSERT_GE(dirs.size(), 3u);
    EXPECT_EQ(dirs[0], wd.file("data"));
    EXPECT_EQ(dirs[1], Paths::executableDirectory() / "data");
    EXPECT_TRUE(dirs.back().is_absolute());
    EXPECT_EQ(dirs.back().filename(), "vantorel");

    EXPECT_TRUE(Paths::dataFile("mars05.dat").empty() ||
                Paths::dataFile("mars05.dat").parent_path() != dirs[0]);
    fs::create_directory(wd.file("data"));
    std::ofstream(wd.file("data/mars05.dat")) << "\n";
    EXPECT_EQ(Paths::dataFile("mars05.dat"), wd.file("data/mars05.dat"));
    // A folder that happens to carry the name is no data file.
    fs::create_directory(wd.file("data/etoiles.dat"));
    const fs::path stars = Paths::dataFile("etoiles.dat");
    EXPECT_NE(stars, wd.file("data/etoiles.dat"));
    EXPECT_TRUE(Paths::dataFile("no-such-file.dat").empty());
}

TEST(Paths, SettingsAndYearlyFilesStayInAWorkingDirectoryThatHasSettings) {
    TempWorkingDir wd;
    // Nothing here yet: the user's own folders.
    EXPECT_EQ(Paths::settingsFile(), wd.userConfigFile("vantorel.ini"));
    EXPECT_EQ(Paths::yearlyFileToWrite("j2011.sat"), wd.userDataFile("j2011.sat"));
    EXPECT_EQ(Paths::yearlyFileToRead("j2011.sat"), wd.userDataFile("j2011.sat"));

    // A yearly file left in the working directory is still read.
    std::ofstream(wd.file("j2011.sat")) << "";
    EXPECT_EQ(Paths::yearlyFileToRead("j2011.sat"), wd.file("j2011.sat"));
    EXPECT_EQ(Paths::yearlyFileToWrite("j2012.sat"), wd.userDataFile("j2012.sat"));

    // A settings file here, even a link whose target is gone, keeps everything here.
    fs::create_symlink(wd.file("elsewhere.ini"), wd.file("vantorel.ini"));
    EXPECT_EQ(Paths::settingsFile(), wd.file("vantorel.ini"));
    EXPECT_EQ(Paths::yearlyFileToWrite("j2012.sat"), wd.file("j2012.sat"));
}

TEST(Paths, PerUserFoldersFollowTheXdgRules) {
    TempWorkingDir wd;
    {
        ScopedEnv home("HOME", "/home/someone");
        ScopedEnv config("XDG_CONFIG_HOME", "relative/is/ignored");
        ScopedEnv data("XDG_DATA_HOME", nullptr);
        EXPECT_EQ(Paths::userConfigDirectory(), fs::path("/home/someone/.config/vantorel"));
        EXPECT_EQ(Paths::userDataDirectory(), fs::path("/home/someone/.local/share/vantorel"));
    }
    // A first write makes the user's folder, private to the user.
    Settings s;
    ASSERT_TRUE(SettingsFile::writeDateFormat(s, 2));
    EXPECT_EQ(SettingsFile::readInt("DATE", 99), 2);
    ASSERT_TRUE(fs::is_regular_file(wd.userConfigFile("vantorel.ini")));
    EXPECT_FALSE(fs::exists(wd.file("vantorel.ini")));
    struct stat st {};
    ASSERT_EQ(::stat(wd.userConfigFile("").parent_path().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    // A configuration folder that cannot be made is a failed write, not a crash.
    {
        std::ofstream(wd.file("plain-file")) << "";
        ScopedEnv config("XDG_CONFIG_HOME", wd.file("plain-file").c_str());
        EXPECT_FALSE(SettingsFile::writeDateFormat(s, 1));
    }
}

TEST(Paths, ARemovedWorkingDirectoryIsAnEmptyOneNotACrash) {
    TempWorkingDir wd;
    RemovedWorkingDir gone(wd);
    EXPECT_TRUE(Paths::workingDirectory().empty());
    EXPECT_NO_THROW({
        EXPECT_EQ(Paths::settingsFile(), wd.userConfigFile("vantorel.ini"));
        EXPECT_EQ(Paths::yearlyFileToRead("j2011.sat"), wd.userDataFile("j2011.sat"));
        EXPECT_EQ(Paths::dataDirectories().front(), Paths::executableDirectory() / "data");
        Settings s;
        EXPECT_TRUE(SettingsFile::writeProjection(s, 2));
        EXPECT_EQ(SettingsFile::readInt("Projection", 0), 2);
        SatelliteRecordTable deimos = SatelliteRecordTable::mars();
        double a = 0;
        double b = 0;
        deimos.offsets(2, 2005, 10, 30, 3, 0, a, b);
    });
}

TEST(Paths, AnExportedFileGoesWhereTheUserSaid) {
    TempWorkingDir wd;
    // A bare name: the working directory; a path: itself.
    EXPECT_EQ(Paths::exportFile("nights.ics"), wd.path() / "nights.ics");
    EXPECT_EQ(Paths::exportFile("/tmp/x/nights.ics"), fs::path("/tmp/x/nights.ics"));
    EXPECT_EQ(Paths::exportFile("sub/nights.ics"), fs::path("sub/nights.ics"));
    // Without a working directory, the home folder.
    ScopedEnv home("HOME", "/home/observer");
    RemovedWorkingDir gone(wd);
    EXPECT_EQ(Paths::exportFile("nights.ics"), fs::path("/home/observer/nights.ics"));
}

TEST(Paths, CommandsRunInARemovedWorkingDirectory) {
    TempWorkingDir wd;
    RemovedWorkingDir gone(wd);
    // The build tree's data beside the tool still gives the moons of Mars.
    CliRun r = runCli("satellites --body mars --date 2005-10-30 --time 03:00 --json");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out.find("no_data"), std::string::npos) << r.out;
    EXPECT_EQ(runCli("satellites --body uranus --date 2005-10-30").status, 0);
    r = runCli("jupiter-phenomena --date 2011-03-15 --zone +5:30 --json");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("\"from_file\":false"), std::string::npos) << r.out;
}
