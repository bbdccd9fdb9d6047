#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "common/settings/SettingsCommands.h"
#include "common/settings/SettingsFile.h"
#include "common/settings/TimeZoneChoice.h"
#include "common/site/ZoneNameList.h"
#include "common/files/Paths.h"
#include "engine/DateTime.h"
#include "tests/support/TempWorkingDir.h"

using namespace vantorel;

namespace {

constexpr double kJanuary2025 = 2460676.5;  // 2025-01-01 0h UT
constexpr double kJuly2025 = 2460857.5;     // 2025-07-01 0h UT

void writeFile(const std::string& text) { std::ofstream("vantorel.ini", std::ios::binary) << text; }
std::string readFile() {
    std::ifstream in("vantorel.ini", std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Answers the zone and site questions from its queues and keeps what it is
// told; the other questions are not expected here.
class ZoneHost : public SettingsDialogHost {
public:
    std::deque<std::optional<ZoneChoice>> zones;
    std::deque<SiteAnswer> sites;
    std::deque<std::optional<LatitudeEntry>> latitudes;
    std::vector<std::string> asked, told;
    std::vector<ZoneChoice> zoneShown;

    std::optional<int> askLanguage(int) override { asked.push_back("language"); return std::nullopt; }
    std::optional<int> askDateFormat(int) override { asked.push_back("date"); return std::nullopt; }
    std::optional<ZoneChoice> askZone(const ZoneChoice& shown) override {
        asked.push_back("zone");
        zoneShown.push_back(shown);
        return take(zones, std::optional<ZoneChoice>());
    }
    std::optional<LatitudeEntry> askLatitude(const LatitudeEntry&, LatitudeCheck) override {
        asked.push_back("latitude");
        return take(latitudes, std::optional<LatitudeEntry>());
    }
    void reportLatitudeError(LatitudeCheck) override {}
    std::optional<int> askProjection(int) override { return std::nullopt; }
    SiteAnswer askSite() override {
        asked.push_back("site");
        return take(sites, SiteAnswer{});
    }
    void reportZoneProblem(const std::string& text) override { told.push_back(text); }

private:
    template <typename T>
    static T take(std::deque<T>& q, T none) {
        if (q.empty()) return none;
        T v = q.front();
        q.pop_front();
        return v;
    }
};

const std::string kSettled = "[Vantorel]\nLangue=0\nDATE=0\nLatituded=48\nLatitudem=51\n";

}  // namespace

// ZoneName goes into the file with the standard offset beside it for older
// readers, comes back known, and reaches every record through placeSite.
TEST(ZoneSettings, ANamedZoneRoundTripsWithItsStandardOffset) {
    TempWorkingDir wd;
    writeFile(kSettled + "FuseauH=0\nFuseauM=0\nDisplayWarning=1\n");
    Settings s;
    SettingsFile::readSettings(s);
    ASSERT_TRUE(SettingsFile::writeNamedZone(s, TimeZone::named("Europe/Paris").value(), kJuly2025));
    // Summer at the time of writing, and still the standard offset kept.
    EXPECT_EQ(readFile(), kSettled + "FuseauH=1\nFuseauM=0\nDisplayWarning=1\nZoneName=Europe/Paris\n");

    Settings r;
    SettingsFile::readSettings(r);
    EXPECT_EQ(r.zoneName, "Europe/Paris");
    ASSERT_TRUE(r.namedZone.has_value());
    EXPECT_FALSE(r.zoneNameUnknown());
    EXPECT_EQ(r.zoneHours, 1);
    DateTime dt;
    dt.setLocal(2025, 7, 14, 22, 0, 0, 0);
    r.placeSite(dt);
    dt.computeDate();
    EXPECT_EQ(dt.zoneOffsetHours(), 2.0);
    EXPECT_EQ(dt.utHour, 20);

    // Southern zones keep their winter (July) offset: Sydney +10, not +11.
    ASSERT_TRUE(SettingsFile::writeNamedZone(r, TimeZone::named("Australia/Sydney").value(), kJanuary2025));
    EXPECT_EQ(SettingsFile::readInt("FuseauH"), 10);
    EXPECT_EQ(SettingsFile::readText("ZoneName"), "Australia/Sydney");
    // Half and quarter hours, and west of Greenwich.
    ASSERT_TRUE(SettingsFile::writeNamedZone(r, TimeZone::named("America/St_Johns").value(), kJuly2025));
    EXPECT_EQ(SettingsFile::readInt("FuseauH"), -3);
    EXPECT_EQ(SettingsFile::readInt("FuseauM"), 30);
    ASSERT_TRUE(SettingsFile::writeNamedZone(r, TimeZone::named("Asia/Kathmandu").value(), kJuly2025));
    EXPECT_EQ(SettingsFile::readInt("FuseauH"), 5);
    EXPECT_EQ(SettingsFile::readInt("FuseauM"), 45);

    // A fixed offset chosen afterwards empties the name, which then holds no
    // more; a file that never had one gets no such line.
    ASSERT_TRUE(SettingsFile::writeZone(r, -5, 0));
    EXPECT_EQ(SettingsFile::readText("ZoneName"), "");
    EXPECT_FALSE(r.namedZone.has_value());
    Settings again;
    SettingsFile::readSettings(again);
    EXPECT_FALSE(again.namedZone.has_value());
    EXPECT_EQ(again.timeZone().offsetMinutesAtUtc(kJuly2025), -300);
    writeFile(kSettled);
    ASSERT_TRUE(SettingsFile::writeZone(again, 2, 0));
    EXPECT_EQ(readFile(), kSettled + "FuseauH=2\nFuseauM=0\n");
}

// A name this computer does not know: the fixed zone of the file is used,
// the user is told once in the language in use, and the line stays.
TEST(ZoneSettings, AnUnknownNameIsToldOnceAndKept) {
    TempWorkingDir wd;
    const std::string text = "[Vantorel]\nLangue=1\nDATE=0\nFuseauH=-3\nFuseauM=0\nDisplayWarning=1\n"
                             "Latituded=-23\nLatitudem=33\nZoneName=Mars/Olympus_Mons\nOther=kept\n";
    writeFile(text);
    Settings s;
    SettingsFile::readSettings(s);
    EXPECT_TRUE(s.zoneNameUnknown());
    EXPECT_EQ(s.zoneName, "Mars/Olympus_Mons");
    EXPECT_EQ(s.timeZone().offsetMinutesAtUtc(kJuly2025), -180);
    ZoneHost host;
    std::string help;
    runFirstStart(s, host, help, kJanuary2025);
    EXPECT_TRUE(host.asked.empty());
    ASSERT_EQ(host.told.size(), 1u);
    EXPECT_NE(host.told[0].find("\"Mars/Olympus_Mons\""), std::string::npos) << host.told[0];
    EXPECT_NE(host.told[0].find("UTC-3"), std::string::npos) << host.told[0];
    EXPECT_NE(host.told[0].find("inconnu"), std::string::npos) << host.told[0];
    EXPECT_EQ(readFile(), text);

    // Another setting written meanwhile keeps the line and the unknown key.
    ASSERT_TRUE(SettingsFile::writeProjection(s, 2));
    EXPECT_NE(readFile().find("ZoneName=Mars/Olympus_Mons\nOther=kept\nProjection=2\n"),
              std::string::npos);

    // Names of no zone's form, or too long to be one, are not looked up and
    // are shown only as printable text.
    writeFile("[Vantorel]\nZoneName=../../etc/passwd\n");
    Settings odd;
    SettingsFile::readSettings(odd);
    EXPECT_TRUE(odd.zoneNameUnknown());
    writeFile("[Vantorel]\nZoneName=" + std::string(5000, 'A') + "\x1b[2J\n");
    SettingsFile::readSettings(odd);
    EXPECT_LE(odd.zoneName.size(), 80u);
    EXPECT_TRUE(odd.zoneNameUnknown());
}

// The zone dialog's choice of a named zone writes it; a name the system
// does not have writes nothing.
TEST(ZoneSettings, TheZoneCommandTakesANamedZone) {
    TempWorkingDir wd;
    writeFile(kSettled + "FuseauH=1\nFuseauM=0\nDisplayWarning=1\n");
    Settings s;
    SettingsFile::readSettings(s);
    ZoneHost host;
    host.zones = {ZoneChoice{0, false, "America/Sao_Paulo"}, ZoneChoice{0, false, "Nowhere/Atall"}};
    ASSERT_TRUE(enterZone(s, host, kJanuary2025));
    EXPECT_EQ(host.zoneShown.back().name, "");
    EXPECT_EQ(s.zoneName, "America/Sao_Paulo");
    EXPECT_EQ(SettingsFile::readInt("FuseauH"), -3);
    const std::string written = readFile();
    EXPECT_FALSE(enterZone(s, host, kJanuary2025));
    EXPECT_EQ(host.zoneShown.back().name, "America/Sao_Paulo");  // opens on the named zone
    EXPECT_EQ(readFile(), written);
}

// A city picked in the Site dialog sets latitude, longitude and zone in one
// write, to the minute; "by hand" goes on to the latitude dialog.
TEST(ZoneSettings, ASiteIsOneWriteOfCoordinatesAndZone) {
    TempWorkingDir wd;
    writeFile("; a comment\n[Vantorel]\nLangue=2\nFuseauH=1\nFuseauM=0\nDisplayWarning=1\nLatituded=48\n"
              "Latitudem=51\nFavourite=yes\n[Other]\nx=1\n");
    Settings s;
    SettingsFile::readSettings(s);
    ZoneHost host;
    host.sites = {SiteAnswer{SiteAnswerKind::Picked, {-23.5475, -46.63611, "America/Sao_Paulo"}},
                  SiteAnswer{SiteAnswerKind::ByHand, {}}, SiteAnswer{}};
    ASSERT_TRUE(enterSite(s, host, kJanuary2025));
    EXPECT_EQ(readFile(),
              "; a comment\n[Vantorel]\nLangue=2\nFuseauH=-3\nFuseauM=0\nDisplayWarning=1\n"
              "Latituded=-23\nLatitudem=33\nFavourite=yes\nLongituded=-46\nLongitudem=38\n"
              "ZoneName=America/Sao_Paulo\n[Other]\nx=1\n");
    EXPECT_NEAR(s.latitude, -(23 + 33 / 60.0), 1e-4);
    EXPECT_NEAR(*s.longitude, -(46 + 38 / 60.0), 1e-9);
    EXPECT_TRUE(s.hemisphereChanged);
    EXPECT_TRUE(host.told.empty());

    EXPECT_FALSE(enterSite(s, host, kJanuary2025));  // by hand, then the latitude cancelled
    EXPECT_EQ(host.asked, (std::vector<std::string>{"site", "site", "latitude"}));
    EXPECT_FALSE(enterSite(s, host, kJanuary2025));  // cancelled
    EXPECT_EQ(host.asked.size(), 4u);

    // A city whose zone this computer lacks: its coordinates, the zone as it
    // was, and a word about it.
    host.sites = {SiteAnswer{SiteAnswerKind::Picked, {0.5, -0.25, "Atlantis/Capital"}}};
    ASSERT_TRUE(enterSite(s, host, kJanuary2025));
    EXPECT_EQ(SettingsFile::readInt("Latitudem"), 30);
    EXPECT_EQ(SettingsFile::readInt("Longituded"), 0);
    EXPECT_EQ(SettingsFile::readInt("Longitudem"), -15);
    EXPECT_EQ(SettingsFile::readText("ZoneName"), "America/Sao_Paulo");
    ASSERT_EQ(host.told.size(), 1u);
    EXPECT_NE(host.told[0].find("Atlantis/Capital"), std::string::npos);
}

// At the first start the Site dialog comes before the zone and latitude
// questions; a city answers both.
TEST(ZoneSettings, TheFirstStartAsksForTheSiteFirst) {
    {
        TempWorkingDir wd;
        writeFile("[Vantorel]\nLangue=0\nDATE=1\n");
        Settings s;
        SettingsFile::readSettings(s);
        ZoneHost host;
        host.sites = {SiteAnswer{SiteAnswerKind::Picked, {51.5072, -0.1275, "Europe/London"}}};
        std::string help;
        runFirstStart(s, host, help, kJanuary2025);
        EXPECT_EQ(host.asked, (std::vector<std::string>{"site"}));
        EXPECT_EQ(readFile(), "[Vantorel]\nLangue=0\nDATE=1\nLatituded=51\nLatitudem=30\n"
                              "Longituded=0\nLongitudem=-8\nZoneName=Europe/London\nFuseauH=0\n"
                              "FuseauM=0\nDisplayWarning=1\n");
        Settings again;
        EXPECT_EQ(SettingsFile::readSettings(again), 1);
        ZoneHost next;
        runFirstStart(again, next, help, kJanuary2025);
        EXPECT_TRUE(next.asked.empty());
    }
    {
        TempWorkingDir wd;
        writeFile("[Vantorel]\nLangue=0\nDATE=1\n");
        Settings s;
        SettingsFile::readSettings(s);
        ZoneHost host;
        host.sites = {SiteAnswer{SiteAnswerKind::ByHand, {}}};
        host.zones = {ZoneChoice{0, false, "Pacific/Auckland"}};
        std::string help;
        runFirstStart(s, host, help, kJanuary2025);
        EXPECT_EQ(host.asked, (std::vector<std::string>{"site", "zone", "latitude"}));
        EXPECT_EQ(SettingsFile::readText("ZoneName"), "Pacific/Auckland");
        EXPECT_EQ(SettingsFile::readInt("FuseauH"), 12);
        EXPECT_EQ(SettingsFile::readInt("DisplayWarning"), 1);
    }
}

// The fixed offsets the zone dialog offers hold every offset the system's
// zones keep in 2025, summer and winter alike, and the stored pair reads
// back as the offset.
TEST(ZoneSettings, EveryOffsetInUseIsOfferedAndStored) {
    const ZoneNameList zones = ZoneNameList::load(Paths::zoneListFiles());
    ASSERT_TRUE(zones.ok());
    ASSERT_GT(zones.names().size(), 300u);
    int checked = 0;
    for (const std::string& name : zones.names()) {
        const std::optional<TimeZone> zone = TimeZone::named(name);
        if (!zone) continue;
        for (const double jd : {kJanuary2025, kJuly2025}) {
            const int offset = zone->offsetMinutesAtUtc(jd);
            const StoredZone stored = storedZoneOf(offset);
            EXPECT_EQ(offsetMinutesOfStoredZone(stored.hours, stored.minutes), offset) << name;
            const ZoneChoice choice = zoneChoiceFor(stored.hours, stored.minutes);
            const std::optional<Zone> back = zoneOf(choice);
            ASSERT_TRUE(back.has_value()) << name << " " << offset;
            EXPECT_EQ(offsetMinutesOfStoredZone(back->hours, back->minutes), offset) << name;
            ++checked;
        }
    }
    EXPECT_GT(checked, 600);
    // The western zone under an hour keeps the record's own encoding.
    EXPECT_EQ(storedZoneOf(-30).hours, 50);
    EXPECT_EQ(offsetMinutesOfStoredZone(50, 30), -30);
}
