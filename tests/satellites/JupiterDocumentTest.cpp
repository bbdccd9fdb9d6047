#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/settings/Settings.h"
#include "engine/BodySequence.h"
#include "engine/Clock.h"
#include "engine/EarthSun.h"
#include "engine/Jupiter.h"
#include "satellites/JupiterDocument.h"
#include "satellites/RedSpotSearch.h"
#include "tests/support/TempWorkingDir.h"

using namespace vantorel;

namespace {

DateTime dayRecord(int y, int m, int d, int h, int mi, int zh = 0) {
    DateTime dt;
    dt.setLocal(y, m, d, h, mi, zh, 0);
    return dt;
}

double system2At(int y, int m, int d, int h, int mi, int zh = 0) {
    Jupiter j;
    EarthSun es;
    DateTime dt = dayRecord(y, m, d, h, mi, zh);
    computeInstant(dt, es, planetPlace(j));
    return j.system2Deg;
}

}  // namespace

TEST(RedSpotSearch, ReferenceEqualToSystemTwoAtMidnightTransitsAtMidnight) {
    const int g = static_cast<int>(std::floor(system2At(2005, 4, 3, 0, 0)));
    Jupiter j;
    EarthSun es;
    DateTime dt = dayRecord(2005, 4, 3, 17, 42);
    const RedSpotTransits t = findRedSpotTransits(dt, es, j, g);
    ASSERT_GE(t.count, 1);
    EXPECT_EQ(t.slots[0], "00: 00");
    // The record and the planet are back at the record's own instant.
    EXPECT_EQ(dt.localHour, 17);
    EXPECT_EQ(dt.localMinute, 42);
    EXPECT_NEAR(j.system2Deg, system2At(2005, 4, 3, 17, 42), 1e-9);
}

TEST(RedSpotSearch, AtMostThreeTransitsAboutNineHoursFiftyFiveApart) {
    for (int g : {0, 45, 117, 200, 271, 359}) {
        Jupiter j;
        EarthSun es;
        DateTime dt = dayRecord(2011, 10, 29, 12, 0, 1);
        const RedSpotTransits t = findRedSpotTransits(dt, es, j, g);
        EXPECT_GE(t.count, 2) << g;
        EXPECT_LE(t.count, 3) << g;
        for (int k = 1; k < t.count; ++k) {
            const int gap = (t.hour[k] * 60 + t.minute[k]) - (t.hour[k - 1] * 60 + t.minute[k - 1]);
            EXPECT_NEAR(gap, 595.5, 2.0) << g;
        }
        for (int k = 0; k < t.count; ++k) EXPECT_LT(t.hour[k], 24);
        for (int k = t.count; k < 3; ++k) EXPECT_EQ(t.slots[static_cast<size_t>(k)], "");
        EXPECT_LT(t.computations, 3 * 60 + 600) << "minute scan only near each transit";
    }
}

TEST(RedSpotSearch, LowerReferenceStartsTheScanAfterTheJump) {
    const double s0 = system2At(2005, 4, 3, 0, 0);
    const int g = static_cast<int>(std::floor(s0)) - 1;  // passed just before midnight
    Jupiter j;
    EarthSun es;
    DateTime dt = dayRecord(2005, 4, 3, 8, 0);
    const RedSpotTransits t = findRedSpotTransits(dt, es, j, g);
    ASSERT_GE(t.count, 1);
    EXPECT_EQ(t.hour[0], 9);  // one rotation later, 9 h 5x min
    EXPECT_GT(t.minute[0], 45);
    // The scan began at 09:00: under 60 minutes computed before the first transit.
    EXPECT_LT(t.computations, 2 + 60 + 20 + 2 * 25);
}

// On the night summer time starts in Paris (2024-03-31, 01:00 UT) the day
// lasts 23 hours and each transit is shown on the clock of its moment: the
// one before the change with +1, the later ones with +2.
TEST(RedSpotSearch, ParisSpringDayShowsEachTransitWithItsOffset) {
    // A reference the spot reaches some twenty minutes after 00:00 UT.
    const int g = static_cast<int>(std::floor(system2At(2024, 3, 31, 0, 0))) + 12;
    std::vector<int> universal;  // minutes from 00:00 UT of the 31st
    for (const int day : {30, 31}) {
        Jupiter j;
        EarthSun es;
        DateTime dt = dayRecord(2024, 3, day, 0, 0);
        const RedSpotTransits t = findRedSpotTransits(dt, es, j, g);
        for (int k = 0; k < t.count; ++k)
            universal.push_back((day - 31) * 1440 + t.hour[k] * 60 + t.minute[k]);
    }
    Jupiter j;
    EarthSun es;
    DateTime paris = dayRecord(2024, 3, 31, 12, 0, 1);
    paris.namedZone = TimeZone::named("Europe/Paris");
    ASSERT_TRUE(paris.namedZone.has_value());
    const RedSpotTransits t = findRedSpotTransits(paris, es, j, g);
    ASSERT_EQ(t.count, 3);
    std::vector<int> offsets;
    for (int k = 0; k < t.count; ++k) {
        const int clock = t.hour[k] * 60 + t.minute[k];
        // The universal transit this one is, with the offset of its moment.
        bool found = false;
        for (const int u : universal) {
            const int offset = u < 60 ? 60 : 120;
            if (u + offset == clock) {
                found = true;
                offsets.push_back(offset);
            }
        }
        EXPECT_TRUE(found) << t.slots[static_cast<size_t>(k)];
    }
    EXPECT_EQ(offsets, (std::vector<int>{60, 120, 120}));
    EXPECT_LT(t.hour[0], 2);  // 01:xx winter time, before the clock jumps
    // The record is left at its own instant and zone.
    EXPECT_EQ(paris.localHour, 12);
    EXPECT_TRUE(paris.namedZone.has_value());
}

TEST(JupiterDocument, RedSpotReferenceRefusedAtThreeSixtyAcceptedAndWrittenAt359) {
    TempWorkingDir dir;
    Settings settings;
    settings.language = 1;
    JupiterDocument doc(dayRecord(2005, 4, 3, 21, 30), settings);
    doc.initialise(FixedClock({2005, 4, 3, 21, 30, 0}));
    const std::string before = doc.redSpot().slots[0];
    EXPECT_FALSE(doc.setRedSpotLongitude(360));
    EXPECT_FALSE(doc.setRedSpotLongitude(-1));
    EXPECT_EQ(doc.redSpot().slots[0], before);
    EXPECT_STREQ(JupiterDocument::redSpotRefusedMessage(1), "La longitude entrée n'est pas valide.");
    EXPECT_TRUE(doc.setRedSpotLongitude(359));
    EXPECT_EQ(settings.redSpotLongitude, 359);
    std::ifstream in(dir.userConfigFile("vantorel.ini"));
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("GRS=359"), std::string::npos) << text.str();
}

TEST(JupiterDocument, PanelCarriesBothSystemsTheRedSpotAndTheScale) {
    Settings settings;
    settings.language = 2;
    settings.redSpotLongitude = 120;
    JupiterDocument doc(dayRecord(2005, 4, 3, 21, 30), settings);
    doc.initialise(FixedClock({2005, 4, 3, 21, 30, 0}));
    const PanelContent p = doc.fillDataPanel();
    EXPECT_EQ(p.record.bodyName, "  J\u00daPITER");
    EXPECT_EQ(p.record.seasonGroupLabel, "Mancha roja");
    // Each system's name under its longitude: 1044 under 1040, 1045 under
    // 1041.
    char sys1[32], sys2[32];
    std::snprintf(sys1, sizeof sys1, "%03.2f\u00b0", doc.planet().system1Deg);
    std::snprintf(sys2, sizeof sys2, "%03.2f\u00b0", doc.planet().system2Deg);
    EXPECT_EQ(p.record.centralLongitudeValue, sys1);
    EXPECT_EQ(p.record.centralLongitudeLabel2, "Sist. I ");
    EXPECT_EQ(p.record.centralLongitudeValue2, sys2);
    EXPECT_EQ(p.record.centralLongitudeValue3, "Sist. II ");
    EXPECT_EQ(p.record.seasonName, doc.redSpot().slots[0]);
    EXPECT_GE(doc.redSpot().count, 2);
    EXPECT_EQ(p.record.seasonName.size(), 6u);  // "hh: mm"
    // 1" = 142984 km / diameter, about 3000 km at opposition.
    const double km = 142984.0 / doc.planet().diameterArcsec;
    char scale[32];
    std::snprintf(scale, sizeof scale, "1\" = %.2f km", km);
    EXPECT_EQ(p.record.scaleText, scale);
    EXPECT_NE(p.status.time.find("Hora: 21: 30"), std::string::npos) << p.status.time;
}

TEST(JupiterDocument, DrawingClassifiesWithoutRecordingAndTheDaySearchRestoresTheInstant) {
    TempWorkingDir dir;
    Settings settings;
    JupiterDocument doc(dayRecord(2011, 10, 29, 12, 0), settings);
    doc.initialise(FixedClock({2011, 10, 29, 12, 0, 0}));
    doc.computeSatellitesForDrawing();
    EXPECT_EQ(doc.planet().rows.count(), 0);
    const double ra = doc.planet().ra;
    EXPECT_FALSE(doc.findDayPhenomena());
    EXPECT_GT(doc.planet().rows.count(), 3);
    EXPECT_DOUBLE_EQ(doc.planet().ra, ra);
    EXPECT_EQ(doc.dt.localHour, 12);
}

TEST(JupiterDocument, TheRedSpotLabelIsWholeInFrench) {
    Settings settings;
    settings.language = 1;
    JupiterDocument doc(dayRecord(2005, 4, 3, 21, 30), settings);
    doc.initialise(FixedClock({2005, 4, 3, 21, 30, 0}));
    const PanelContent p = doc.fillDataPanel();
    EXPECT_EQ(p.record.seasonGroupLabel, "Transit de la tache rouge");
    EXPECT_EQ(p.record.bodyName, "  JUPITER");
}
