#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/settings/Settings.h"
#include "engine/Angles.h"
#include "engine/Clock.h"
#include "moon/LunarXText.h"
#include "moon/MoonDocument.h"

using namespace vantorel;

namespace {

Settings settingsFor(int zoneHours, int dateFormat = 0, int language = 0) {
    Settings s;
    s.zoneHours = zoneHours;
    s.zoneMinutes = 0;
    s.dateFormat = dateFormat;
    s.language = language;
    return s;
}

int quartersInYearFrom(const MoonTheory& moon, int month, int year) {
    int n = 0;
    for (const MoonPhaseRecord& q : moon.firstQuarters)
        n += !q.empty() && q.year == year && q.month >= month;
    return n;
}

// The colongitude at a local instant.
double colongitudeAt(const Settings& settings, const CalendarTime& c) {
    MoonDocument doc(settings);
    doc.setDate(c.year, c.month, c.day, c.hours, c.minutes);
    return doc.moon.colongitude;
}

}  // namespace

TEST(MoonDocument, HandbookColongitudeWithTheDocumentsSun) {
    const Settings settings = settingsFor(0);
    MoonDocument doc(settings);
    doc.setDate(1992, 4, 12, 0, 0);
    EXPECT_NEAR(doc.moon.colongitude, 22.10, 0.02);
    EXPECT_NEAR(doc.moon.librationLongitude, -1.23, 0.01);
    EXPECT_NEAR(toDeg(doc.moon.librationLatitude), 4.20, 0.02);
    // The handbook's k = 0.6786 used the Sun's apparent place; the document
    // uses the geometric one of its Sun, 20 arc-seconds apart.
    EXPECT_NEAR(doc.moon.illuminatedFraction, 0.6786, 5e-4);
    EXPECT_TRUE(doc.imageDirty);
}

TEST(MoonDocument, NewDocumentTakesTheCommonDateOrTheClock) {
    Settings settings = settingsFor(1);
    const FixedClock clock({2024, 3, 5, 21, 7, 42});
    MoonDocument doc(settings);
    doc.newDocument(clock);
    EXPECT_EQ(doc.dateTime.localDay, 5);
    EXPECT_EQ(doc.dateTime.localHour, 21);
    EXPECT_EQ(doc.dateTime.localMinute, 7);
    EXPECT_EQ(doc.dateTime.zoneHours, 1);
    settings.useCommonDate = true;
    settings.commonDate.setLocal(2030, 7, 14, 3, 30, 0, 0);
    MoonDocument common(settings);
    common.newDocument(clock);
    EXPECT_EQ(common.dateTime.localYear, 2030);
    EXPECT_EQ(common.dateTime.localMonth, 7);
    EXPECT_EQ(common.dateTime.localMinute, 30);
}

TEST(MoonDocument, DateDialogFlagsTheListsOnlyForAnotherMonth) {
    const Settings settings = settingsFor(0);
    MoonDocument doc(settings);
    doc.setDate(2024, 3, 5, 20, 0);
    EXPECT_EQ(doc.applyDate(5, 3, 2024, 22, 0), kDateValid);
    EXPECT_FALSE(doc.phasesRefresh);
    EXPECT_FALSE(doc.lunarXRefresh);
    EXPECT_TRUE(doc.panelDirty);
    EXPECT_EQ(doc.dateTime.localHour, 22);
    EXPECT_EQ(doc.applyDate(5, 4, 2024, 22, 0), kDateValid);
    EXPECT_TRUE(doc.phasesRefresh);
    EXPECT_TRUE(doc.lunarXRefresh);
    // Refused entries leave the date as it was.
    EXPECT_EQ(doc.applyDate(31, 4, 2024, 22, 0), kDayOutOfRange);
    EXPECT_EQ(doc.applyDate(1, 4, 2051, 22, 0), kYearOutOfRange);
    EXPECT_EQ(doc.applyDate(1, 4, 2024, 25, 70), kMinuteOutOfRange);
    EXPECT_EQ(doc.dateTime.localMonth, 4);
    EXPECT_EQ(doc.dateTime.localDay, 5);
    // Every keyboard step flags both lists.
    doc.phasesRefresh = doc.lunarXRefresh = false;
    doc.updateStep();
    EXPECT_TRUE(doc.phasesRefresh && doc.lunarXRefresh);
}

TEST(MoonDocument, PanelTexts) {
    const Settings settings = settingsFor(0, 0, 1);
    MoonDocument doc(settings);
    doc.setDate(1992, 4, 12, 0, 0);
    const BodyDataRecord r = doc.panel();
    EXPECT_EQ(r.bodyName, "    LUNE");
    EXPECT_EQ(r.raValue, "08: 58: 45");
    EXPECT_EQ(r.decValue, "+13\u00b0 46'");
    EXPECT_EQ(r.distanceValue, "368409 km");
    EXPECT_EQ(r.diameterValue, "32.4'");
    EXPECT_EQ(r.poleInclinationLabel, "Colongitude :");
    EXPECT_EQ(r.centralLongitudeValue2, "-1.23\u00b0");
    EXPECT_EQ(r.seasonGroupLabel, "  \u00c2ge :");
    EXPECT_EQ(r.seasonName, std::to_string(doc.moon.moonAge) + (doc.moon.moonAge == 1 ? " jour" : " jours"));
    EXPECT_EQ(r.scaleText, "1\" = 1.79 km");
    EXPECT_FLOAT_EQ(r.maximumDiameter, 33.5f);
    const StatusTexts status = doc.statusTexts();
    EXPECT_EQ(status.date, "Date: 1992/04/12");
    EXPECT_EQ(status.time, "Heure: 00: 00");
    // The Moon's own rise, transit, set and altitude, as the planets show theirs.
    EXPECT_EQ(status.rise.rfind("Lever: ", 0), 0u) << status.rise;
    EXPECT_EQ(status.transit.rfind("Transit: ", 0), 0u) << status.transit;
    EXPECT_EQ(status.set.rfind("Coucher: ", 0), 0u) << status.set;
    EXPECT_EQ(status.altitude.rfind("Alt.: ", 0), 0u) << status.altitude;
    EXPECT_EQ(doc.windowTitleText(), " Lune -- 1992/04/12     ");
}

TEST(MoonDocument, StatusPanesGiveTheMoonsRiseTransitAndSetOfTheDay) {
    // Paris, 2024-01-20: the command-line ephemeris and the window compute
    // the same sequence; the Moon transits in the evening near first quarter.
    Settings settings = settingsFor(1, 0, 0);
    settings.latitude = 48.85f;
    MoonDocument doc(settings);
    doc.setDate(2024, 1, 20, 12, 0);
    const StatusTexts st = doc.statusTexts();
    EXPECT_EQ(st.rise.rfind("Rise: ", 0), 0u) << st.rise;
    ASSERT_GE(st.transit.size(), 15u) << st.transit;
    const int transitHour = std::stoi(st.transit.substr(9, 2));
    EXPECT_GE(transitHour, 17) << st.transit;
    EXPECT_LE(transitHour, 21) << st.transit;
    // The window's own instant is untouched by the events' computation.
    EXPECT_EQ(doc.dateTime.localHour, 12);
    EXPECT_EQ(doc.dateTime.localDay, 20);

    // The times `ephem` gives for the same date and site (its test expects
    // the same two): 07:31 and 11:20 on 2026-12-08 at 48 deg 48' N, zone +1.
    settings.latitude = 48.8f;
    MoonDocument december(settings);
    december.setDate(2026, 12, 8, 10, 6);
    EXPECT_EQ(december.statusTexts().rise, "Rise: 07: 31");
    EXPECT_EQ(december.statusTexts().transit, "Transit: 11: 20");
}

TEST(MoonDocument, AgeIsCountedInDaysInEachLanguage) {
    struct Case {
        int language;
        const char* one;
        const char* many;
        const char* label;
    };
    for (const Case c : {Case{0, "1 day", "7 days", "  Age:"}, Case{1, "1 jour", "7 jours", "  \u00c2ge :"},
                         Case{2, "1 d\u00eda", "7 d\u00edas", "  Edad:"}}) {
        const Settings settings = settingsFor(1, 0, c.language);
        MoonDocument doc(settings);
        // New moon 2024-03-10 09:00 UT: one day and seven days later.
        doc.setDate(2024, 3, 11, 22, 0);
        ASSERT_EQ(doc.moon.moonAge, 1);
        EXPECT_EQ(doc.panel().seasonName, c.one);
        doc.setDate(2024, 3, 17, 22, 0);
        ASSERT_EQ(doc.moon.moonAge, 7);
        EXPECT_EQ(doc.panel().seasonName, c.many);
        EXPECT_EQ(doc.panel().seasonGroupLabel, c.label);
    }
}

TEST(MoonDocumentLunarX, WholeYearGivesOneLinePerFirstQuarterInTheWindow) {
    const Settings settings = settingsFor(1, 2);
    MoonDocument doc(settings);
    doc.setDate(2024, 1, 10, 12, 0);
    const int quarters = quartersInYearFrom(doc.moon, 1, 2024);
    EXPECT_EQ(quarters, 12);
    EXPECT_EQ(doc.searchLunarX(), 0);
    ASSERT_EQ(doc.lunarXCount, 2 + quarters);
    const std::vector<std::string> lines = lunarXLines(doc.moon, settings.dateFormatIndex());
    for (int i = 0; i < quarters; ++i) {
        SCOPED_TRACE(lines[i]);
        const CalendarTime c = doc.moon.lunarXInstants[i];
        EXPECT_EQ(c.year, 2024);
        // The line's instant lies in the window and is its first minute.
        const double at = colongitudeAt(settings, c);
        EXPECT_GE(at, MoonTheory::kLunarXLow);
        EXPECT_LE(at, MoonTheory::kLunarXHigh);
        CalendarTime before = c;
        if (before.minutes > 0) {
            before.minutes -= 1;
            EXPECT_LT(colongitudeAt(settings, before), MoonTheory::kLunarXLow);
        }
        // Date format 2: day/month/year, then the local clock time.
        char expected[40];
        std::snprintf(expected, sizeof expected, "%02d/%02d/%04d  %02d:%02d", c.day, c.month,
                      c.year, c.hours, c.minutes);
        EXPECT_EQ(lines[i], expected);
    }
    EXPECT_EQ(lines[quarters], "");
    // The document is back at its own instant.
    EXPECT_EQ(doc.dateTime.localDay, 10);
    EXPECT_EQ(doc.dateTime.localHour, 12);
    EXPECT_FALSE(doc.moon.searchMode);
}

TEST(MoonDocumentLunarX, DecemberSearchesDecemberOnly) {
    const Settings settings = settingsFor(0);
    MoonDocument doc(settings);
    doc.setDate(2023, 12, 2, 0, 0);
    doc.searchLunarX();
    ASSERT_EQ(doc.lunarXCount, 3);
    EXPECT_EQ(doc.moon.lunarXInstants[0].month, 12);
    EXPECT_EQ(doc.moon.lunarXInstants[0].year, 2023);
    EXPECT_EQ(lunarXLines(doc.moon, 0)[1], "");
}

TEST(MoonDocumentLunarX, StepBoundIsHonoured) {
    const Settings settings = settingsFor(0);
    MoonDocument doc(settings);
    doc.setDate(2024, 6, 1, 0, 0);
    const int quarters = quartersInYearFrom(doc.moon, 6, 2024);
    // An hour of minutes cannot reach the Lunar X from the day before.
    EXPECT_EQ(doc.searchLunarX(false, 60), quarters);
    EXPECT_EQ(doc.lunarXCount, 2);
    EXPECT_EQ(doc.searchLunarX(true, 60), quarters);
    EXPECT_EQ(doc.lunarXCount, 2);
    EXPECT_EQ(lunarXLines(doc.moon, 0)[0], "");
}

TEST(MoonDocumentLunarX, HourStepsFindTheSameMinutesAsMinuteSteps) {
    const Settings settings = settingsFor(-5);
    for (int year : {1987, 2041}) {
        MoonDocument fast(settings);
        MoonDocument plain(settings);
        fast.setDate(year, 1, 1, 0, 0);
        plain.setDate(year, 1, 1, 0, 0);
        fast.searchLunarX(false);
        plain.searchLunarX(true);
        ASSERT_EQ(fast.lunarXCount, plain.lunarXCount);
        EXPECT_EQ(lunarXLines(fast.moon, 0), lunarXLines(plain.moon, 0)) << year;
    }
}

TEST(MoonDocumentLunarX, NoFirstQuarterFrom1985To2050ReachesTheBound) {
    const Settings settings = settingsFor(0);
    MoonDocument doc(settings);
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        doc.setDate(year, 1, 1, 0, 0);
        const int quarters = quartersInYearFrom(doc.moon, 1, year);
        ASSERT_EQ(doc.searchLunarX(), 0) << year;
        ASSERT_EQ(doc.lunarXCount, 2 + quarters) << year;
    }
}
