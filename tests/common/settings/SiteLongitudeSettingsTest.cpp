// The site longitude in the settings file and in the latitude dialog's
// command: old files untouched, keys that round-trip, damaged keys ignored.
#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <sstream>

#include "common/settings/LongitudeEntry.h"
#include "common/settings/SettingsCommands.h"
#include "common/settings/SettingsFile.h"
#include "tests/support/TempWorkingDir.h"

using namespace vantorel;

namespace {

void writeIni(const std::string& text) { std::ofstream("vantorel.ini", std::ios::binary) << text; }
std::string iniText() {
    std::ifstream in("vantorel.ini", std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Answers the latitude dialog from a queue (empty: Cancel); nothing else is asked.
class SiteHost : public SettingsDialogHost {
public:
    std::deque<LatitudeEntry> answers;
    std::vector<LatitudeEntry> shown;
    std::vector<LatitudeCheck> errors;
    std::optional<int> askLanguage(int) override { return std::nullopt; }
    std::optional<int> askDateFormat(int) override { return std::nullopt; }
    std::optional<ZoneChoice> askZone(const ZoneChoice&) override { return std::nullopt; }
    std::optional<LatitudeEntry> askLatitude(const LatitudeEntry& s, LatitudeCheck) override {
        shown.push_back(s);
        if (answers.empty()) return std::nullopt;
        LatitudeEntry e = answers.front();
        answers.pop_front();
        return e;
    }
    void reportLatitudeError(LatitudeCheck c) override { errors.push_back(c); }
    std::optional<int> askProjection(int) override { return std::nullopt; }
};

const char* const kOldFile =
    "[Vantorel]\n"
    "Latituded=48\n"
    "Latitudem=52\n"
    "GRS=80\n"
    "Projection=0\n"
    "Langue=1\n"
    "FuseauH=2\n"
    "FuseauM=0\n"
    "DATE=2\n"
    "DisplayWarning=1\n";

}  // namespace

TEST(SiteLongitudeSettings, AnOldFileReadsAsTheZoneAndIsWrittenBackByteForByte) {
    TempWorkingDir wd;
    writeIni(kOldFile);
    Settings s;
    SettingsFile::readSettings(s);
    EXPECT_FALSE(s.longitude.has_value());
    DateTime dt;
    dt.siteLongitude = 5.0;
    s.placeSite(dt);
    EXPECT_FALSE(dt.siteLongitude.has_value());
    EXPECT_EQ(dt.zoneHours, 2);

    // Confirming the dialog as shown (longitude left empty) rewrites the
    // latitude keys with their own values and adds nothing.
    SiteHost host;
    host.answers.push_back({48, 52, false, std::nullopt});
    ASSERT_TRUE(enterLatitude(s, host));
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_FALSE(host.shown[0].longitude.has_value());
    EXPECT_EQ(iniText(), kOldFile);
}

TEST(SiteLongitudeSettings, KeysRoundTripEastWestAndUnderOneDegree) {
    TempWorkingDir wd;
    writeIni(kOldFile);
    Settings s;
    SettingsFile::readSettings(s);
    SiteHost host;
    host.answers.push_back({48, 52, false, LongitudeEntry{2, 21, false}});
    ASSERT_TRUE(enterLatitude(s, host));
    ASSERT_TRUE(s.longitude.has_value());
    EXPECT_NEAR(*s.longitude, 2.35, 1e-12);
    EXPECT_EQ(iniText(), std::string(kOldFile) + "Longituded=2\nLongitudem=21\n");
    Settings r;
    SettingsFile::readSettings(r);
    ASSERT_TRUE(r.longitude.has_value());
    EXPECT_NEAR(*r.longitude, 2.35, 1e-12);
    EXPECT_EQ(longitudeInUseText(r.longitude, kEnglish), "2\u00b021' E");

    // The dialog opens on what is stored; a west site keeps its sign.
    host.answers.push_back({48, 52, false, LongitudeEntry{3, 42, true}});
    ASSERT_TRUE(enterLatitude(r, host));
    EXPECT_EQ(host.shown.back(), (LatitudeEntry{48, 52, false, LongitudeEntry{2, 21, false}}));
    EXPECT_NE(iniText().find("Longituded=-3\nLongitudem=42\n"), std::string::npos);
    SettingsFile::readSettings(s);
    EXPECT_NEAR(*s.longitude, -3.7, 1e-12);
    EXPECT_EQ(longitudeInUseText(s.longitude, kFrench), "3\u00b042' O");
    EXPECT_EQ(longitudeInUseText(std::nullopt, kSpanish), "huso");

    // Under one degree west the sign rides on the minutes, as for the latitude.
    SettingsFile::writeLongitude(s, 0, 30, true);
    EXPECT_NE(iniText().find("Longituded=0\nLongitudem=-30\n"), std::string::npos);
    SettingsFile::readSettings(r);
    EXPECT_NEAR(*r.longitude, -0.5, 1e-12);
    EXPECT_EQ(longitudeEntryOf(*r.longitude), (LongitudeEntry{0, 30, true}));

    // Every minute comes back as entered (no single-precision loss).
    for (int m = 0; m < 60; ++m) {
        SettingsFile::writeLongitude(s, 122, m, true);
        SettingsFile::readSettings(r);
        ASSERT_EQ(longitudeEntryOf(*r.longitude), (LongitudeEntry{122, m, true})) << m;
    }

    // Emptying the field gives the longitude back to the zone: the keys are
    // marked not set, not left to be read again.
    host.answers.push_back({48, 52, false, std::nullopt});
    ASSERT_TRUE(enterLatitude(r, host));
    EXPECT_FALSE(r.longitude.has_value());
    SettingsFile::readSettings(s);
    EXPECT_FALSE(s.longitude.has_value());
}

TEST(SiteLongitudeSettings, OutOfRangeOrDamagedKeysReadAsMissing) {
    TempWorkingDir wd;
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"181", "0"}, {"-181", "0"}, {"180", "1"}, {"-180", "30"}, {"10", "60"},
        {"10", "-5"}, {"0", "-60"}, {"999", "0"}, {"2x", "21"}, {"2", ""},
        {"99999999999", "0"},
    };
    for (const auto& [d, m] : bad) {
        writeIni(std::string(kOldFile) + "Longituded=" + d + "\nLongitudem=" + m + "\n");
        Settings s;
        SettingsFile::readSettings(s);
        EXPECT_FALSE(s.longitude.has_value()) << d << " " << m;
        EXPECT_FLOAT_EQ(s.latitude, 48.0f + 52.0f / 60.0f);
    }
    writeIni(std::string(kOldFile) + "Longituded=5\n");  // minutes missing
    Settings s;
    SettingsFile::readSettings(s);
    EXPECT_FALSE(s.longitude.has_value());
    // The ends of the range are sites like any other.
    EXPECT_EQ(longitudeFromKeys(180, 0), std::optional<double>(180.0));
    EXPECT_EQ(longitudeFromKeys(-180, 0), std::optional<double>(-180.0));
    EXPECT_EQ(longitudeFromKeys(0, 0), std::optional<double>(0.0));
}

TEST(SiteLongitudeSettings, TheDialogRefusesImpossibleLongitudes) {
    EXPECT_EQ(checkLongitude(180, 0), LongitudeCheck::Valid);
    EXPECT_EQ(checkLongitude(180, 1), LongitudeCheck::BadMinutes);
    EXPECT_EQ(checkLongitude(181, 0), LongitudeCheck::BadDegrees);
    EXPECT_EQ(checkLongitude(-1, 0), LongitudeCheck::BadDegrees);
    EXPECT_EQ(checkLongitude(10, 60), LongitudeCheck::BadMinutes);

    TempWorkingDir wd;
    writeIni(kOldFile);
    Settings s;
    SettingsFile::readSettings(s);
    SiteHost host;
    // A bad latitude is reported before the longitude; each refusal opens the
    // dialog again and nothing is written until an entry is whole.
    host.answers.push_back({91, 0, false, LongitudeEntry{200, 0, false}});
    host.answers.push_back({48, 52, false, LongitudeEntry{200, 0, false}});
    host.answers.push_back({48, 52, false, LongitudeEntry{20, 75, true}});
    EXPECT_FALSE(enterLatitude(s, host));  // the fourth answer is a Cancel
    EXPECT_EQ(host.errors, (std::vector<LatitudeCheck>{LatitudeCheck::BadDegrees,
                                                       LatitudeCheck::BadLongitudeDegrees,
                                                       LatitudeCheck::BadLongitudeMinutes}));
    EXPECT_STREQ(latitudeMessage(LatitudeCheck::BadLongitudeDegrees)(kEnglish),
                 "The longitude is not valid (0 - 180 degree) ");
    EXPECT_EQ(iniText(), kOldFile);
    EXPECT_FALSE(s.longitude.has_value());
}
