#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <sstream>

#include "common/files/SafeFile.h"
#include "common/settings/SettingsFile.h"
#include "common/text/LanguageText.h"
#include "tests/support/TempWorkingDir.h"

using namespace vantorel;

namespace {
void writeFile(const std::string& text) { std::ofstream("vantorel.ini", std::ios::binary) << text; }
std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}
}  // namespace

TEST(SettingsFile, MissingFileGivesDefaults) {
    TempWorkingDir wd;
    Settings s;
    EXPECT_EQ(SettingsFile::readSettings(s), 0);
    EXPECT_EQ(s.latituded, 99);
    EXPECT_EQ(s.latitudem, 99);
    EXPECT_EQ(s.redSpotLongitude, 80);
    EXPECT_EQ(s.projection, 0);
    EXPECT_EQ(s.language, 99);
    EXPECT_EQ(s.dateFormat, 99);
    EXPECT_EQ(s.zoneHours, 0);
    EXPECT_EQ(SettingsFile::readMarsZoom(), 80);
    EXPECT_EQ(SettingsFile::readUranusZoom(), 10);
}

TEST(SettingsFile, EveryKeyRoundTripsInTheWorkingDirectory) {
    TempWorkingDir wd;
    writeFile("");
    Settings s;
    ASSERT_TRUE(SettingsFile::writeLatitude(s, 45, 30, true));
    ASSERT_TRUE(SettingsFile::writeFirstStartZone(s, -3, 30));
    ASSERT_TRUE(SettingsFile::writeProjection(s, 3));
    ASSERT_TRUE(SettingsFile::writeDateFormat(s, 2));
    ASSERT_TRUE(SettingsFile::writeRedSpotLongitude(s, 312));
    ASSERT_TRUE(SettingsFile::writeLanguage(1));
    ASSERT_TRUE(SettingsFile::writeMarsZoom(55.9));
    ASSERT_TRUE(SettingsFile::writeUranusZoom(12));
    ASSERT_TRUE(SettingsFile::writeJupiterZoom(3));
    EXPECT_TRUE(std::filesystem::exists(wd.file("vantorel.ini")));
    EXPECT_FLOAT_EQ(s.latitude, -45.5f);

    Settings r;
    EXPECT_EQ(SettingsFile::readSettings(r), 1);
    EXPECT_EQ(r.latituded, -45);
    EXPECT_EQ(r.latitudem, 30);
    EXPECT_FLOAT_EQ(r.latitude, -45.5f);
    EXPECT_EQ(r.zoneHours, -3);
    EXPECT_EQ(r.zoneMinutes, 30);
    EXPECT_EQ(r.projection, 3);
    EXPECT_EQ(r.dateFormat, 2);
    EXPECT_EQ(r.redSpotLongitude, 312);
    EXPECT_EQ(r.language, 1);
    EXPECT_EQ(r.languageOffset, 200);
    EXPECT_EQ(SettingsFile::readMarsZoom(), 55);
    EXPECT_EQ(SettingsFile::readUranusZoom(), 12);
    EXPECT_EQ(SettingsFile::readJupiterZoom(7, 7), 3);

    // One section, each key once, integers only.
    const std::string text = readFile(wd.file("vantorel.ini"));
    EXPECT_EQ(text.find("[Vantorel]"), 0u);
    EXPECT_NE(text.find("Latituded=-45\n"), std::string::npos);
    EXPECT_NE(text.find("DisplayWarning=1\n"), std::string::npos);
    ASSERT_TRUE(SettingsFile::writeProjection(s, 1));
    EXPECT_EQ(readFile(wd.file("vantorel.ini")).find("Projection=3"), std::string::npos);
    // No temporary file is left behind.
    int files = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(wd.path())) ++files;
    EXPECT_EQ(files, 1);
}

TEST(SettingsFile, SouthernLatitudeUnderOneDegreeKeepsItsSign) {
    TempWorkingDir wd;
    Settings s;
    SettingsFile::writeLatitude(s, 0, 30, true);
    EXPECT_FLOAT_EQ(s.latitude, -0.5f);
    EXPECT_EQ(SettingsFile::readInt("Latituded", 99), 0);
    EXPECT_EQ(SettingsFile::readInt("Latitudem", 99), -30);
    Settings r;
    SettingsFile::readSettings(r);
    EXPECT_FLOAT_EQ(r.latitude, -0.5f);

    SettingsFile::writeLatitude(s, 0, 30, false);
    SettingsFile::readSettings(r);
    EXPECT_FLOAT_EQ(r.latitude, 0.5f);
    EXPECT_EQ(SettingsFile::readInt("Latitudem", 99), 30);
    SettingsFile::writeLatitude(s, 12, 15, false);
    EXPECT_EQ(SettingsFile::readInt("Latitudem", 99), 15);
}

TEST(SettingsFile, DamagedFilesReadAsDefaults) {
    TempWorkingDir wd;
    writeFile("garbage line\r\n=5\r\n[Other]\r\nLangue=1\r\n[Vantorel]\r\nLangue=abc\r\n"
              "DATE= 2 \r\nProjection=3x\r\nGRS=99999999999999\r\nFuseauH=-5\r\n");
    Settings s;
    SettingsFile::readSettings(s);
    EXPECT_EQ(s.language, 99);  // the [Other] section does not count
    EXPECT_EQ(s.dateFormat, 2);  // CRLF and spaces are fine
    EXPECT_EQ(s.projection, 0);
    EXPECT_EQ(s.redSpotLongitude, 80);
    EXPECT_EQ(s.zoneHours, -5);

    writeFile("Langue=1\nDATE=1\n");  // no section at all
    SettingsFile::readSettings(s);
    EXPECT_EQ(s.language, 99);
    EXPECT_EQ(s.dateFormat, 99);

    // Writing into a damaged file keeps its other lines.
    writeFile("; comment\n[Other]\nx=1\n");
    ASSERT_TRUE(SettingsFile::writeDateFormat(s, 3));
    const std::string text = readFile(wd.file("vantorel.ini"));
    EXPECT_NE(text.find("; comment"), std::string::npos);
    EXPECT_NE(text.find("x=1"), std::string::npos);
    EXPECT_EQ(SettingsFile::readInt("DATE", 99), 3);
}

TEST(SettingsFile, OutOfRangeValuesAreSafeWhereUsed) {
    TempWorkingDir wd;
    writeFile("[Vantorel]\nLangue=7\nDATE=12\nProjection=9\nMarsZoom=200\nUranusZoom=81\n");
    Settings s;
    SettingsFile::readSettings(s);
    EXPECT_EQ(s.language, kNotSet);  // read as missing, the file is not touched
    EXPECT_EQ(s.dateFormat, kNotSet);
    EXPECT_EQ(s.languageIndex(), 0);
    EXPECT_EQ(s.dateFormatIndex(), 0);
    EXPECT_EQ(s.projectionCode(), 0);
    EXPECT_STREQ(windowTitle(s.language, kTitleMars), " Mars");
    EXPECT_STREQ(pickText(s.language, "a", "b", "c"), "a");
    EXPECT_EQ(SettingsFile::readMarsZoom(), 80);
    EXPECT_EQ(SettingsFile::readUranusZoom(), 80);
}

TEST(SettingsFile, FollowsTheWorkingDirectoryOfTheMoment) {
    TempWorkingDir first;
    writeFile("");
    Settings s;
    SettingsFile::writeDateFormat(s, 1);
    {
        TempWorkingDir second;
        EXPECT_EQ(SettingsFile::readInt("DATE", 99), 99);
        // Without a file of its own the directory leaves the settings to the user's folder.
        EXPECT_EQ(SettingsFile::settingsPath(), second.userConfigFile("vantorel.ini").string());
    }
    EXPECT_EQ(SettingsFile::readInt("DATE", 99), 1);
}

TEST(LanguageText, TitlesAndTriples) {
    EXPECT_STREQ(windowTitle(0, kTitleMoon), " Moon");
    EXPECT_STREQ(windowTitle(1, kTitleHeliocentric), " Héliocentrique");
    EXPECT_STREQ(windowTitle(2, kTitleJupiter), " Júpiter");
    EXPECT_STREQ(windowTitle(2, kTitleEmpty), "");
    EXPECT_EQ(languageOffset(2), 400);
    EXPECT_EQ(languageFromOffset(200), 1);
    const TextTriple t{"Yes", "Oui", "Sí"};
    EXPECT_STREQ(t(1), "Oui");
    EXPECT_STREQ(t(2), "Sí");
    EXPECT_STREQ(t(99), "Yes");
}

// ---- files that are not what they seem --------------------------------------

namespace {
std::filesystem::perms modeOf(const std::filesystem::path& p) {
    return std::filesystem::status(p).permissions() & std::filesystem::perms::mask;
}
}  // namespace

TEST(SettingsFileSafety, AFileThatCannotBeReadWholeIsNeverReplaced) {
    namespace fs = std::filesystem;
    // Each is a vantorel.ini that exists but cannot be read as a settings
    // file: it reads as missing, and no write may put a fresh file in its place.
    struct Case {
        const char* what;
        void (*make)();
    };
    const Case cases[] = {
        {"directory", [] { fs::create_directory("vantorel.ini"); }},
        {"fifo", [] { ASSERT_EQ(mkfifo("vantorel.ini", 0644), 0); }},
        {"link to /dev/zero", [] { fs::create_symlink("/dev/zero", "vantorel.ini"); }},
        {"over 64 KiB",
         [] {
             std::ofstream out("vantorel.ini");
             out << "[Vantorel]\nLangue=1\n" << std::string(70000, ';') << "\n";
         }},
    };
    for (const Case& c : cases) {
        TempWorkingDir wd;
        c.make();
        const fs::file_type before = fs::symlink_status("vantorel.ini").type();
        Settings s;
        EXPECT_EQ(SettingsFile::readSettings(s), 0) << c.what;  // returns at once
        EXPECT_EQ(s.language, kNotSet) << c.what;
        EXPECT_FALSE(SettingsFile::writeProjection(s, 2)) << c.what;
        EXPECT_TRUE(s.settingsNotSaved) << c.what;
        EXPECT_EQ(SettingsFile::writeKey("DATE", 1), SettingsWrite::Refused) << c.what;
        EXPECT_EQ(fs::symlink_status("vantorel.ini").type(), before) << c.what;
        int files = 0;
        for ([[maybe_unused]] auto& e : fs::directory_iterator(wd.path())) ++files;
        EXPECT_EQ(files, 1) << c.what;  // no temporary left either
    }
}

TEST(SettingsFileSafety, AnUnreadableFileIsNotOverwritten) {
    // Root reads a mode-000 file all the same; only others can test this.
    if (geteuid() == 0) GTEST_SKIP() << "root reads files of mode 000";
    TempWorkingDir wd;
    writeFile("[Vantorel]\nLangue=1\nOther=7\n");
    std::filesystem::permissions("vantorel.ini", std::filesystem::perms::none);
    Settings s;
    SettingsFile::readSettings(s);
    EXPECT_EQ(s.language, kNotSet);
    EXPECT_FALSE(SettingsFile::writeDateFormat(s, 1));
    std::filesystem::permissions("vantorel.ini", std::filesystem::perms::owner_read);
    EXPECT_EQ(readFile("vantorel.ini"), "[Vantorel]\nLangue=1\nOther=7\n");
}

TEST(SettingsFileSafety, WritesGoThroughLinksAndKeepTheMode) {
    namespace fs = std::filesystem;
    TempWorkingDir wd;
    fs::create_directory("kept");
    std::ofstream("kept/settings.ini") << "[Vantorel]\nLangue=2\n";
    fs::permissions("kept/settings.ini", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("kept/settings.ini", "vantorel.ini");
    Settings s;
    ASSERT_TRUE(SettingsFile::writeProjection(s, 3));
    EXPECT_TRUE(fs::is_symlink("vantorel.ini"));
    EXPECT_EQ(readFile("kept/settings.ini"), "[Vantorel]\nLangue=2\nProjection=3\n");
    EXPECT_EQ(modeOf("kept/settings.ini"), fs::perms::owner_read | fs::perms::owner_write);

    // A read-only file stays as it is, for root too.
    fs::remove("vantorel.ini");
    writeFile("[Vantorel]\nLangue=2\n");
    fs::permissions("vantorel.ini", fs::perms::owner_read | fs::perms::group_read |
                                        fs::perms::others_read);
    EXPECT_EQ(SettingsFile::writeKey("Projection", 1), SettingsWrite::Refused);
    EXPECT_EQ(readFile("vantorel.ini"), "[Vantorel]\nLangue=2\n");
    EXPECT_EQ(modeOf("vantorel.ini"), fs::perms::owner_read | fs::perms::group_read |
                                          fs::perms::others_read);
    Settings r;
    SettingsFile::readSettings(r);
    EXPECT_EQ(r.language, 2);  // still read
}

TEST(SettingsFileSafety, ByteOrderMarkAndEveryLineEndAreReadAndKept) {
    struct Case {
        const char* what;
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"BOM", "\xEF\xBB\xBF[Vantorel]\nLangue=1\nDATE=2\n",
         "\xEF\xBB\xBF[Vantorel]\nLangue=1\nDATE=3\n"},
        {"CR", "[Vantorel]\rLangue=1\rDATE=2\r", "[Vantorel]\rLangue=1\rDATE=3\r"},
        {"CRLF", "[Vantorel]\r\nLangue=1\r\nDATE=2\r\n", "[Vantorel]\r\nLangue=1\r\nDATE=3\r\n"},
        {"BOM and CRLF", "\xEF\xBB\xBF[Vantorel]\r\nLangue=1\r\nDATE=2",
         "\xEF\xBB\xBF[Vantorel]\r\nLangue=1\r\nDATE=3\r\n"},
    };
    for (const Case& c : cases) {
        TempWorkingDir wd;
        writeFile(c.text);
        Settings s;
        SettingsFile::readSettings(s);
        EXPECT_EQ(s.language, 1) << c.what;
        EXPECT_EQ(s.dateFormat, 2) << c.what;
        ASSERT_TRUE(SettingsFile::writeDateFormat(s, 3)) << c.what;
        EXPECT_EQ(readFile("vantorel.ini"), c.expected) << c.what;  // one section, own line ends
    }
}

TEST(SettingsFileSafety, ZoomsOutsideTheWindowsRangeFallBack) {
    TempWorkingDir wd;
    writeFile("[Vantorel]\nMarsZoom=-2147483648\nUranusZoom=0\n");
    EXPECT_EQ(SettingsFile::readMarsZoom(), 80);
    EXPECT_EQ(SettingsFile::readUranusZoom(), 10);
    writeFile("[Vantorel]\nMarsZoom=30\nUranusZoom=2147483647\n");
    EXPECT_EQ(SettingsFile::readMarsZoom(), 30);
    EXPECT_EQ(SettingsFile::readUranusZoom(), 80);
    // Jupiter's levels: a level beyond the window's, a negative one or a
    // missing key open the window at its default.
    for (const char* text : {"[Vantorel]\nJupiterZoom=8\n", "[Vantorel]\nJupiterZoom=-1\n",
                             "[Vantorel]\nJupiterZoom=x\n", "[Vantorel]\n"}) {
        writeFile(text);
        EXPECT_EQ(SettingsFile::readJupiterZoom(7, 6), 6) << text;
    }
    writeFile("[Vantorel]\nJupiterZoom=0\n");
    EXPECT_EQ(SettingsFile::readJupiterZoom(7, 6), 0);
}

// Two programs write at once: one is slowed at the flush, between reading
// the file and renaming its new version over it; the other's key, written
// meanwhile, must survive, as must the key both found there.
TEST(SettingsFileSafety, TwoWritersAtOnceKeepEachOthersKeys) {
    TempWorkingDir wd;
    writeFile("[Vantorel]\nLangue=1\n");
    std::atomic<bool> slowAtFlush{false};
    std::thread::id slowed;
    setFileStepHookForTesting([&](FileStep step, const std::string&) {
        if (step == FileStep::Sync && std::this_thread::get_id() == slowed) {
            slowAtFlush = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        }
        return 0;
    });
    std::thread first([&] {
        slowed = std::this_thread::get_id();  // read by others only once it is slowed
        Settings s;
        EXPECT_TRUE(SettingsFile::writeLatitude(s, 45, 30, false));
    });
    while (!slowAtFlush) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    Settings s;
    EXPECT_TRUE(SettingsFile::writeProjection(s, 2));
    first.join();
    setFileStepHookForTesting({});

    Settings r;
    SettingsFile::readSettings(r);
    EXPECT_EQ(r.language, 1);
    EXPECT_EQ(r.latituded, 45);
    EXPECT_EQ(r.latitudem, 30);
    EXPECT_EQ(r.projection, 2);
    EXPECT_FALSE(std::filesystem::exists("vantorel.ini.lock"));
}
