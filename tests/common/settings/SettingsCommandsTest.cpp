#include <gtest/gtest.h>

#include <deque>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/settings/SettingsCommands.h"
#include "common/settings/SettingsFile.h"
#include "common/text/ProjectionText.h"
#include "tests/support/TempWorkingDir.h"

using namespace vantorel;

namespace {

// 2025-01-01 0h UT: the instant whose standard offset a named zone keeps.
constexpr double kNowJd = 2460676.5;

// Answers every dialog from its own queue (an empty queue cancels) and
// records the questions in the order asked.
class ScriptedSettingsHost : public SettingsDialogHost {
public:
    std::deque<std::optional<int>> languages, formats, projections;
    std::deque<std::optional<ZoneChoice>> zones;
    std::deque<std::optional<LatitudeEntry>> latitudes;
    std::vector<std::string> asked;
    std::vector<LatitudeCheck> latitudeErrors;
    std::vector<LatitudeCheck> latitudeFocus;
    std::vector<LatitudeEntry> latitudeShown;
    std::vector<ZoneChoice> zoneShown;
    int languagePreselected = -2;

    template <typename T>
    static std::optional<T> next(std::deque<std::optional<T>>& q) {
        if (q.empty()) return std::nullopt;
        auto v = q.front();
        q.pop_front();
        return v;
    }
    std::optional<int> askLanguage(int pre) override {
        asked.push_back("language");
        languagePreselected = pre;
        return next(languages);
    }
    std::optional<int> askDateFormat(int) override {
        asked.push_back("date");
        return next(formats);
    }
    std::optional<ZoneChoice> askZone(const ZoneChoice& shown) override {
        asked.push_back("zone");
        zoneShown.push_back(shown);
        return next(zones);
    }
    std::optional<LatitudeEntry> askLatitude(const LatitudeEntry& shown, LatitudeCheck last) override {
        asked.push_back("latitude");
        latitudeShown.push_back(shown);
        latitudeFocus.push_back(last);
        return next(latitudes);
    }
    void reportLatitudeError(LatitudeCheck c) override { latitudeErrors.push_back(c); }
    std::optional<int> askProjection(int) override {
        asked.push_back("projection");
        return next(projections);
    }
    void reportSettingsNotSaved(const char* text) override { notSaved.push_back(text); }
    std::vector<std::string> notSaved;
};

// The settings file in use: the user's, as the working directory has none.
std::string iniText() {
    std::ifstream in(SettingsFile::settingsPath());
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

int zoneIndex(const char* label) {
    for (int i = 0; i < kZoneSizeCount; ++i)
        if (std::string(kZoneSizes[i].label) == label) return i;
    return -1;
}

}  // namespace

TEST(FirstStart, AsksInOrderAndWritesExactlyItsKeys) {
    TempWorkingDir wd;
    ScriptedSettingsHost host;
    host.languages = {1};
    host.formats = {2};
    host.zones = {ZoneChoice{zoneIndex("9.5h"), true}};
    host.latitudes = {LatitudeEntry{48, 51, false, {}}};
    Settings s;
    SettingsFile::readSettings(s);
    std::string help;
    runFirstStart(s, host, help, kNowJd);

    EXPECT_EQ(host.asked, (std::vector<std::string>{"language", "date", "zone", "latitude"}));
    EXPECT_EQ(host.languagePreselected, 0);
    EXPECT_EQ(host.zoneShown.front(), (ZoneChoice{0, false}));
    EXPECT_EQ(help, "francais\\vantfr.hlp");
    EXPECT_EQ(s.language, 1);
    EXPECT_EQ(s.languageOffset, 200);
    EXPECT_EQ(iniText(),
              "[Vantorel]\nLangue=1\nDATE=2\nFuseauH=-9\nFuseauM=30\nDisplayWarning=1\n"
              "Latituded=48\nLatitudem=51\n");

    // A second start asks nothing.
    ScriptedSettingsHost again;
    Settings r;
    SettingsFile::readSettings(r);
    runFirstStart(r, again, help, kNowJd);
    EXPECT_TRUE(again.asked.empty());
    EXPECT_NEAR(r.latitude, 48.85f, 1e-5);
    EXPECT_EQ(r.zoneHours, -9);
}

TEST(FirstStart, CancelsAndADismissedLanguageDialog) {
    TempWorkingDir wd;
    ScriptedSettingsHost host;  // every dialog cancelled or dismissed
    Settings s;
    SettingsFile::readSettings(s);
    std::string help = "unset";
    runFirstStart(s, host, help, kNowJd);
    EXPECT_EQ(host.asked, (std::vector<std::string>{"language", "date", "zone", "latitude"}));
    // English for this run, format 0 for this run; neither is written. The
    // zone question is answered once and for all with 0 h.
    EXPECT_EQ(s.languageIndex(), 0);
    EXPECT_EQ(s.dateFormat, 0);
    EXPECT_EQ(help, "unset");
    EXPECT_EQ(iniText(), "[Vantorel]\nFuseauH=0\nFuseauM=0\nDisplayWarning=1\n");

    ScriptedSettingsHost next;
    Settings r;
    SettingsFile::readSettings(r);
    runFirstStart(r, next, help, kNowJd);
    EXPECT_EQ(next.asked, (std::vector<std::string>{"language", "date", "latitude"}));
}

TEST(FirstStart, ADamagedLanguageIsAskedAgain) {
    TempWorkingDir wd;
    std::ofstream("vantorel.ini") << "[Vantorel]\nLangue=7\nDATE=0\nDisplayWarning=1\n"
                                     "Latituded=10\nLatitudem=0\n";
    ScriptedSettingsHost host;
    host.languages = {2};
    Settings s;
    SettingsFile::readSettings(s);
    std::string help;
    runFirstStart(s, host, help, kNowJd);
    EXPECT_EQ(host.asked, std::vector<std::string>{"language"});
    EXPECT_EQ(SettingsFile::readInt("Langue"), 2);
}

TEST(LatitudeCommand, LimitsMessagesAndTheSouthUnderOneDegree) {
    EXPECT_EQ(checkLatitude(90, 0), LatitudeCheck::Valid);
    EXPECT_EQ(checkLatitude(90, 1), LatitudeCheck::BadMinutes);
    EXPECT_EQ(checkLatitude(91, 0), LatitudeCheck::BadDegrees);
    EXPECT_EQ(checkLatitude(-1, 0), LatitudeCheck::BadDegrees);
    EXPECT_EQ(checkLatitude(45, 60), LatitudeCheck::BadMinutes);
    EXPECT_EQ(checkLatitude(45, -1), LatitudeCheck::BadMinutes);
    EXPECT_STREQ(latitudeMessage(LatitudeCheck::BadMinutes)(1),
                 "La latitude saisie n'est pas valide (0 - 59 minutes) ");

    TempWorkingDir wd;
    ScriptedSettingsHost host;
    host.latitudes = {LatitudeEntry{90, 1, false, {}}, LatitudeEntry{120, 0, false, {}},
                      LatitudeEntry{0, 30, true, {}}};
    Settings s;
    s.latitude = 45.0f;
    ASSERT_TRUE(enterLatitude(s, host));
    EXPECT_EQ(host.latitudeErrors,
              (std::vector<LatitudeCheck>{LatitudeCheck::BadMinutes, LatitudeCheck::BadDegrees}));
    // Each new showing is on the values before the dialog, focus on the
    // faulty entry.
    EXPECT_EQ(host.latitudeFocus, (std::vector<LatitudeCheck>{LatitudeCheck::Valid,
                                                              LatitudeCheck::BadMinutes,
                                                              LatitudeCheck::BadDegrees}));
    for (const LatitudeEntry& e : host.latitudeShown) EXPECT_EQ(e, (LatitudeEntry{45, 0, false, {}}));
    EXPECT_FLOAT_EQ(s.latitude, -0.5f);
    EXPECT_TRUE(s.hemisphereChanged);
    EXPECT_EQ(SettingsFile::readInt("Latituded"), 0);
    // The south survives a restart.
    Settings r;
    SettingsFile::readSettings(r);
    EXPECT_FLOAT_EQ(r.latitude, -0.5f);
    EXPECT_EQ(latitudeEntryOf(r.latitude), (LatitudeEntry{0, 30, true, {}}));

    // Cancel writes nothing.
    ScriptedSettingsHost cancel;
    const std::string before = iniText();
    EXPECT_FALSE(enterLatitude(s, cancel));
    EXPECT_EQ(iniText(), before);
}

TEST(LatitudeCommand, HemisphereFlagAndMinutesShownAgainUnchanged) {
    EXPECT_TRUE(crossesHemisphere(45.0f, -10.0f));
    EXPECT_TRUE(crossesHemisphere(0.0f, 10.0f));
    EXPECT_TRUE(crossesHemisphere(-5.0f, 5.0f));
    EXPECT_FALSE(crossesHemisphere(10.0f, 0.0f));
    EXPECT_FALSE(crossesHemisphere(10.0f, 50.0f));
    EXPECT_FALSE(crossesHemisphere(-10.0f, -50.0f));

    // 12 + 20/60 in single precision is a hair under: the dialog must still
    // show 20 minutes, or each confirmation would lose one.
    TempWorkingDir wd;
    Settings s;
    SettingsFile::writeLatitude(s, 12, 20, false);
    EXPECT_EQ(latitudeEntryOf(s.latitude), (LatitudeEntry{12, 20, false, {}}));
    for (int m = 0; m < 60; ++m) {
        SettingsFile::writeLatitude(s, 47, m, true);
        ASSERT_EQ(latitudeEntryOf(s.latitude), (LatitudeEntry{47, m, true, {}})) << m;
    }
    EXPECT_EQ(latitudeEntryOf(89.9999f), (LatitudeEntry{90, 0, false, {}}));
}

TEST(TimeZoneCommand, WestHalfHoursAndTheZoneShown) {
    const ZoneChoice nineAndAHalfWest{zoneIndex("9.5h"), true};
    EXPECT_EQ(zoneOf(nineAndAHalfWest), (Zone{-9, 30}));
    EXPECT_EQ(zoneOf(ZoneChoice{zoneIndex("3.5h"), true}), (Zone{-3, 30}));
    for (const char* eastOnly :
         {"4.5h", "5.5h", "5.75h", "6.5h", "8.75h", "10.5h", "12.75h", "13h", "13.75h", "14h"}) {
        EXPECT_FALSE(zoneChoosable(zoneIndex(eastOnly), true)) << eastOnly;
        EXPECT_TRUE(zoneChoosable(zoneIndex(eastOnly), false)) << eastOnly;
        EXPECT_FALSE(zoneOf(ZoneChoice{zoneIndex(eastOnly), true}).has_value());
    }
    EXPECT_EQ(zoneOf(ZoneChoice{zoneIndex("5.5h"), false}), (Zone{5, 30}));
    EXPECT_FALSE(zoneOf(ZoneChoice{kZoneSizeCount, false}).has_value());
    EXPECT_EQ(zoneChoiceFor(-9, 30), nineAndAHalfWest);
    EXPECT_EQ(zoneChoiceFor(13, 0), (ZoneChoice{zoneIndex("13h"), false}));
    EXPECT_EQ(zoneChoiceFor(2, 45), (ZoneChoice{0, false}));  // no such size

    TempWorkingDir wd;
    ScriptedSettingsHost host;
    host.zones = {nineAndAHalfWest};
    Settings s;
    s.zoneHours = 1;
    ASSERT_TRUE(enterZone(s, host, kNowJd));
    EXPECT_EQ(host.zoneShown.front(), (ZoneChoice{zoneIndex("1h"), false}));
    EXPECT_EQ(s.zoneHours, -9);
    EXPECT_EQ(s.zoneMinutes, 30);
    EXPECT_EQ(iniText(), "[Vantorel]\nFuseauH=-9\nFuseauM=30\n");
    ScriptedSettingsHost cancel;
    EXPECT_FALSE(enterZone(s, cancel, kNowJd));
    EXPECT_EQ(s.zoneHours, -9);
}

TEST(ProjectionCommand, BothFlipsGiveThreeAndThePaneNamesIt) {
    EXPECT_EQ(projectionFromFlips(true, true), 3);
    EXPECT_EQ(projectionFromFlips(false, true), 2);
    EXPECT_EQ(projectionPaneText(0, 3), "Projection: S -- E");
    EXPECT_EQ(projectionPaneText(0, 0), "Projection: N -- W");
    EXPECT_EQ(projectionPaneText(1, 2), "Projection: S -- O");
    EXPECT_EQ(projectionPaneText(2, 0), "Proyección: N -- O");
    EXPECT_EQ(projectionPaneText(2, 1), "Proyección: N -- E");

    TempWorkingDir wd;
    ScriptedSettingsHost host;
    host.projections = {3};
    Settings s;
    ASSERT_TRUE(enterProjection(s, host));
    EXPECT_EQ(s.projection, 3);
    EXPECT_EQ(SettingsFile::readInt("Projection"), 3);
}

TEST(LanguageCommand, ANewLanguageTakesEffectAtOnceAndCancelKeepsTheOld) {
    TempWorkingDir wd;
    Settings s;
    s.setLanguage(1);
    ScriptedSettingsHost same;
    same.languages = {1};
    EXPECT_FALSE(chooseLanguage(s, same));
    EXPECT_FALSE(SettingsFile::readInt("Langue").has_value());

    ScriptedSettingsHost cancelled;  // no answer: the dialog was cancelled
    EXPECT_FALSE(chooseLanguage(s, cancelled));
    EXPECT_EQ(s.language, 1);
    EXPECT_FALSE(SettingsFile::readInt("Langue").has_value());

    ScriptedSettingsHost other;
    other.languages = {2};
    EXPECT_TRUE(chooseLanguage(s, other));
    EXPECT_EQ(other.languagePreselected, 1);
    EXPECT_EQ(SettingsFile::readInt("Langue"), 2);
    EXPECT_EQ(s.language, 2);

    ScriptedSettingsHost format;
    format.formats = {7};
    s.dateFormat = 3;
    EXPECT_TRUE(enterDateFormat(s, format));
    EXPECT_EQ(s.dateFormat, 0);
    EXPECT_EQ(SettingsFile::readInt("DATE"), 0);
}

// ---- damaged and protected settings files -------------------------------------

TEST(SettingsCommands, OutOfRangeValuesAreAskedAgainAtStart) {
    struct Case {
        const char* file;
        std::vector<std::string> asked;
    };
    const Case cases[] = {
        // The zone is asked again for a value no zone can have, the latitude
        // for one no site can have; the other answers stand.
        {"FuseauH=15\nFuseauM=0\nLatituded=45\nLatitudem=0\n", {"zone"}},
        {"FuseauH=14\nFuseauM=30\nLatituded=45\nLatitudem=0\n", {"zone"}},
        {"FuseauH=-14\nFuseauM=0\nLatituded=45\nLatitudem=0\n", {"zone"}},
        {"FuseauH=99\nFuseauM=0\nLatituded=45\nLatitudem=0\n", {"zone"}},
        {"FuseauH=2147483647\nFuseauM=0\nLatituded=45\nLatitudem=0\n", {"zone"}},
        {"FuseauH=-2147483648\nFuseauM=0\nLatituded=45\nLatitudem=0\n", {"zone"}},
        {"FuseauH=1\nFuseauM=2147483647\nLatituded=45\nLatitudem=0\n", {"zone"}},
        {"FuseauH=1\nFuseauM=-2147483648\nLatituded=45\nLatitudem=0\n", {"zone"}},
        {"FuseauH=-13\nFuseauM=30\nLatituded=45\nLatitudem=0\n", {"zone"}},
        {"FuseauH=2\nFuseauM=0\nLatituded=-2147483648\nLatitudem=0\n", {"latitude"}},
        {"FuseauH=2\nFuseauM=0\nLatituded=91\nLatitudem=0\n", {"latitude"}},
        {"FuseauH=2\nFuseauM=0\nLatituded=90\nLatitudem=30\n", {"latitude"}},
        {"FuseauH=2\nFuseauM=0\nLatituded=45\nLatitudem=999\n", {"latitude"}},
        {"FuseauH=2\nFuseauM=0\nLatituded=45\nLatitudem=-30\n", {"latitude"}},
        // Valid extremes and the record's western encoding are kept.
        {"FuseauH=-12\nFuseauM=0\nLatituded=-90\nLatitudem=0\n", {}},
        {"FuseauH=14\nFuseauM=0\nLatituded=-90\nLatitudem=0\n", {}},
        {"FuseauH=63\nFuseauM=0\nLatituded=0\nLatitudem=-59\n", {}},
    };
    for (const Case& c : cases) {
        TempWorkingDir wd;
        std::ofstream("vantorel.ini")
            << "[Vantorel]\nLangue=0\nDATE=0\nDisplayWarning=1\n" << c.file;
        Settings s;
        SettingsFile::readSettings(s);
        ScriptedSettingsHost host;
        std::string help;
        runFirstStart(s, host, help, kNowJd);
        EXPECT_EQ(host.asked, c.asked) << c.file;
        EXPECT_GE(s.zoneHours, -13) << c.file;
        EXPECT_LE(s.zoneHours, 63) << c.file;
        EXPECT_GE(s.zoneMinutes, 0) << c.file;
        EXPECT_LE(s.zoneMinutes, 59) << c.file;
        EXPECT_LE(std::fabs(s.latitude), 90.0f) << c.file;
    }
}

TEST(SettingsCommands, ARefusedFileIsToldOnceAndKeptAsItWas) {
    TempWorkingDir wd;
    const std::string original = "[Vantorel]\nLangue=1\nDATE=2\nDisplayWarning=1\nLatituded=45\n"
                                 "Latitudem=0\n; mine\n";
    std::ofstream("vantorel.ini") << original;
    std::filesystem::permissions("vantorel.ini", std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::group_read |
                                                     std::filesystem::perms::others_read);
    Settings s;
    SettingsFile::readSettings(s);
    ScriptedSettingsHost host;
    host.projections = {2, 1};
    host.formats = {1};
    EXPECT_TRUE(enterProjection(s, host));
    EXPECT_EQ(s.projection, 2);  // applies for this run
    EXPECT_TRUE(enterProjection(s, host));
    EXPECT_TRUE(enterDateFormat(s, host));
    ASSERT_EQ(host.notSaved.size(), 1u);
    EXPECT_NE(host.notSaved[0].find("vantorel.ini"), std::string::npos);
    EXPECT_NE(host.notSaved[0].find("fichier"), std::string::npos);  // in French, as chosen
    EXPECT_EQ(iniText(), original);
}
