// The planet documents: the panel record and status texts in the three
// languages, the common date, the time keys and Mars's longitude search.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <regex>

#include "common/settings/Settings.h"
#include "engine/Clock.h"
#include "engine/Mars.h"
#include "engine/Saturn.h"
#include "planets/MarsDocument.h"
#include "planets/MercuryDocument.h"
#include "planets/SaturnDocument.h"
#include "planets/UranusDocument.h"
#include "planets/VenusDocument.h"
#include "tests/support/TempWorkingDir.h"

namespace vantorel {
namespace {

Settings siteSettings(int language) {
    Settings s;
    s.language = language;
    s.dateFormat = 0;
    s.latitude = 48.5f;
    s.zoneHours = 1;
    s.zoneMinutes = 0;
    return s;
}

bool matches(const std::string& text, const char* pattern) {
    return std::regex_match(text, std::regex(pattern));
}

TEST(PlanetDoc, MarsRecordInEachLanguage) {
    struct Expected {
        int language;
        const char *name, *ra, *dec, *diameter, *pole, *season, *magnitude, *distance,
            *illumination, *surface, *unit, *seasonName, *time;
    };
    const Expected cases[] = {
        {0, "    MARS", "R.A. :", "Declination :", "Diameter :", "Pole incl. :",
         " Season on Mars", "Magnitude :", "Distance :", "Illumination :", "Detail on surface ",
         "AU", "winter", "Time: 22: 30"},
        {1, "    MARS", "Asc.D. :", "D\u00e9clinaison :", "Diam\u00e8tre :",
         "Incl. p\u00f4le :", "  Saison sur Mars", "Magnitude :", "Distance :",
         "Illumination :", "D\u00e9tail de surface ", "UA", "hiver", "Heure: 22: 30"},
        {2, "  MARTE", "AR :", "Declinaci\u00f3n :", "Di\u00e1metro :", "Incl. polo :",
         "      Estaci\u00f3n", "Magnitud :", "Distancia :", "Iluminaci\u00f3n :",
         "Detalles         ", "UA", "invierno", "Hora: 22: 30"},
    };
    for (const Expected& e : cases) {
        Settings settings = siteSettings(e.language);
        MarsDocument doc(DateTime{}, settings);
        doc.dt.setLocal(2005, 11, 7, 22, 30, 1, 0);
        doc.computeBody();
        const PanelContent p = doc.fillDataPanel();
        const BodyDataRecord& r = p.record;
        EXPECT_EQ(r.bodyName, e.name);
        EXPECT_EQ(r.raLabel, e.ra);
        EXPECT_EQ(r.decLabel, e.dec);
        EXPECT_EQ(r.diameterLabel, e.diameter);
        EXPECT_EQ(r.poleInclinationLabel, e.pole);
        EXPECT_EQ(r.seasonGroupLabel, e.season);
        EXPECT_EQ(r.magnitudeLabel, e.magnitude);
        EXPECT_EQ(r.distanceLabel, e.distance);
        EXPECT_EQ(r.illuminationLabel, e.illumination);
        EXPECT_EQ(r.surfaceDetailLabel, e.surface);
        // Opposition of November 2005, Ls about 316: northern winter.
        EXPECT_EQ(r.seasonName, e.seasonName);
        EXPECT_NEAR(doc.planet().seasonAngle, 316.0, 6.0);
        EXPECT_EQ(p.status.time, e.time);
        EXPECT_TRUE(matches(r.raValue, R"(\d\d: \d\d: \d\d)")) << r.raValue;
        EXPECT_TRUE(matches(r.magnitudeValue, R"(-?\d+\.\d)")) << r.magnitudeValue;
        EXPECT_TRUE(matches(r.diameterValue, R"(\d+\.\d")")) << r.diameterValue;
        EXPECT_TRUE(matches(r.distanceValue, std::string(R"(0\.\d{5} )").append(e.unit).c_str()))
            << r.distanceValue;
        EXPECT_TRUE(matches(r.illuminationValue, R"(\d+\.\d%)")) << r.illuminationValue;
        EXPECT_TRUE(matches(r.centralLongitudeValue, "\\d{3}\\.\\d\\d\u00b0"))
            << r.centralLongitudeValue;
        EXPECT_TRUE(matches(r.seasonAngle, "Ls: \\d+\\.\\d\\d\u00b0")) << r.seasonAngle;
        EXPECT_TRUE(matches(r.scaleText, R"(1" = \d+\.\d\d km)")) << r.scaleText;
        // Ten characters, eleven in Spanish (the French one has a two-byte é).
        EXPECT_EQ(r.centralLongitudeLabel.size(), e.language == 0 ? 10u : 11u);
        EXPECT_EQ(r.centralLongitudeValue2, "        ");
        EXPECT_EQ(r.centralLongitudeValue3, "         ");
        EXPECT_EQ(r.seasonSpare, "      ");
        EXPECT_FLOAT_EQ(r.maximumDiameter, 25.1f);
        EXPECT_FLOAT_EQ(r.minimumDiameter, 3.5f);
        EXPECT_EQ(doc.diameterText, r.diameterValue);
        EXPECT_EQ(doc.scaleText, r.scaleText);
        EXPECT_TRUE(matches(p.status.date, R"((Date|Fecha): 2005/11/07)")) << p.status.date;
    }
}

TEST(PlanetDoc, MarsSeasonBoundaries) {
    Settings settings = siteSettings(0);
    MarsDocument doc(DateTime{}, settings);
    doc.dt.setLocal(2005, 11, 7, 22, 30, 1, 0);
    doc.computeBody();
    auto seasonAt = [&](float ls) {
        doc.planet().seasonAngle = ls;
        return doc.fillDataPanel().record.seasonName;
    };
    EXPECT_EQ(seasonAt(90.0f), "summer");
    EXPECT_EQ(seasonAt(0.0f), "winter");
    EXPECT_EQ(seasonAt(45.0f), "spring");
    EXPECT_EQ(seasonAt(270.0f), "winter");
    doc.planet().seasonAngle = 90.0f;
    EXPECT_EQ(doc.fillDataPanel().record.seasonAngle, "Ls: 90.00\u00b0");
}

TEST(PlanetDoc, AltitudeTextsKeepTheSignOfSmallNegatives) {
    Settings settings = siteSettings(0);
    MercuryDocument doc(DateTime{}, settings);
    doc.dt.setLocal(2010, 6, 1, 12, 0, 1, 0);
    doc.computeBody();
    doc.dt.altitudeDegrees = 0;
    doc.dt.altitudeHundredths = -25;
    EXPECT_EQ(doc.fillDataPanel().status.altitude, "Alt.: -0.25");
    doc.dt.altitudeDegrees = -12;
    doc.dt.altitudeHundredths = 25;
    EXPECT_EQ(doc.fillDataPanel().status.altitude, "Alt.: -12.25");
}

TEST(PlanetDoc, MembersDifferByTheirProfile) {
    Settings settings = siteSettings(1);
    DateTime blank;
    MercuryDocument mercury(blank, settings);
    VenusDocument venus(blank, settings);
    SaturnDocument saturn(blank, settings);
    UranusDocument uranus(blank, settings);
    for (PlanetDocument* d : std::initializer_list<PlanetDocument*>{&mercury, &venus, &saturn, &uranus}) {
        d->dt.setLocal(2012, 3, 10, 21, 0, 1, 0);
        d->computeBody();
    }
    const BodyDataRecord m = mercury.fillDataPanel().record;
    EXPECT_EQ(m.bodyName, "MERCURE");
    EXPECT_EQ(m.seasonGroupLabel, "        ");
    EXPECT_EQ(m.seasonName, "      ");
    EXPECT_EQ(m.seasonAngle, "      ");
    EXPECT_FLOAT_EQ(m.maximumDiameter, 12.5f);
    const BodyDataRecord v = venus.fillDataPanel().record;
    EXPECT_EQ(v.bodyName, "   VENUS");
    EXPECT_FLOAT_EQ(v.minimumDiameter, 9.65f);
    const BodyDataRecord s = saturn.fillDataPanel().record;
    EXPECT_EQ(s.bodyName, " SATURNE");
    EXPECT_EQ(s.centralLongitudeLabel2, "Syst. III");
    // The rings' group: 2012 March, the Earth 14.6 degrees north of them.
    EXPECT_EQ(s.seasonGroupLabel, " Anneaux");
    EXPECT_TRUE(matches(s.seasonName, "B: \\+1[45]\\.\\d\\d\u00b0")) << s.seasonName;
    EXPECT_TRUE(matches(s.seasonAngle, "\u03a9: 169\\.\\d\\d\u00b0")) << s.seasonAngle;
    EXPECT_TRUE(matches(s.distanceValue, R"(\d+\.\d{3} UA)")) << s.distanceValue;
    const BodyDataRecord u = uranus.fillDataPanel().record;
    EXPECT_EQ(u.bodyName, "  URANUS");
    EXPECT_EQ(u.seasonGroupLabel, std::string(17, ' '));
    EXPECT_EQ(u.seasonName, "");
    EXPECT_TRUE(matches(u.scaleText, R"(1" = \d+\.\d\dkm)")) << u.scaleText;
}

// 2030 March 1, 0 h UT: where the ephemeris puts Saturn's moons, east of
// the centre in Saturn radii (Tethys +3.9, Dione -5.0, Rhea -0.5, Titan
// +16.1), where the mean-motion model put them 3 to 6 radii off.
TEST(PlanetDoc, SaturnMoonsComeFromTheRecordsAndTheModelOnlyBeyondThem) {
    TempWorkingDir dir;
    std::filesystem::create_directory_symlink(std::filesystem::path(VANTOREL_SOURCE_DIR) / "data",
                                              dir.file("data"));
    Settings settings = siteSettings(0);
    SaturnDocument doc(DateTime{}, settings);
    doc.dt.setLocal(2030, 3, 1, 1, 0, 1, 0);
    doc.computeBody();
    const SaturnMoonSet& set = doc.moons;
    EXPECT_DOUBLE_EQ(set.ringTilt, doc.planet().ringTilt);
    EXPECT_DOUBLE_EQ(set.positionAngle, doc.planet().positionAngle);
    for (const SaturnMoonPlace& m : set.moons) EXPECT_FALSE(m.approximate);
    EXPECT_NEAR(set.moons[2].east, 3.9, 0.1);
    EXPECT_NEAR(set.moons[3].east, -5.0, 0.1);
    EXPECT_NEAR(set.moons[4].east, -0.5, 0.1);
    EXPECT_NEAR(set.moons[5].east, 16.1, 0.1);
    // In the ring frame a moon keeps its distance from the centre.
    for (const SaturnMoonPlace& m : set.moons)
        EXPECT_NEAR(std::hypot(m.x, m.y), std::hypot(m.east, m.north), 1e-9);

    // Mimas's file ends with 2047: it alone falls back to the model.
    doc.dt.setLocal(2049, 6, 1, 1, 0, 1, 0);
    doc.computeBody();
    EXPECT_TRUE(doc.moons.moons[0].approximate);
    for (int i = 1; i < kSaturnSatellites; ++i) EXPECT_FALSE(doc.moons.moons[i].approximate) << i;
    // Beyond the program's years there are no records at all.
    doc.dt.setLocal(2051, 6, 1, 1, 0, 1, 0);
    doc.computeBody();
    for (const SaturnMoonPlace& m : doc.moons.moons) {
        EXPECT_TRUE(m.approximate);
        EXPECT_TRUE(std::isfinite(m.x) && std::isfinite(m.y));
    }
    // The model's Iapetus on its circle of 3 560 100 km.
    EXPECT_LE(std::hypot(doc.moons.moons[7].x, doc.moons.moons[7].y), 3560100.0 / 60330.0 + 1e-9);
}

// The fitted records agree with the drawing's sense of the ring tilt: a moon
// moving west is on the near half of its orbit, south of the centre while
// the Earth is north of the rings (2020) and north of it while south (2030).
TEST(PlanetDoc, SaturnMoonsMovingWestAreOnTheNearSideOfTheRings) {
    TempWorkingDir dir;
    std::filesystem::create_directory_symlink(std::filesystem::path(VANTOREL_SOURCE_DIR) / "data",
                                              dir.file("data"));
    Settings settings = siteSettings(0);
    SaturnDocument doc(DateTime{}, settings);
    for (const int year : {2020, 2030}) {
        doc.dt.setLocal(year, 6, 1, 1, 0, 1, 0);
        doc.computeBody();
        const SaturnMoonSet now = doc.moons;
        doc.dt.setLocal(year, 6, 1, 1, 30, 1, 0);
        doc.computeBody();
        ASSERT_GT(std::fabs(now.ringTilt), 0.1) << year;
        for (int i = 0; i < 7; ++i) {  // the moons in the ring plane
            ASSERT_FALSE(now.moons[i].approximate);
            // Near an elongation the small tilts of the orbits may outweigh y.
            if (std::fabs(now.moons[i].y) < 0.15) continue;
            const bool west = doc.moons.moons[i].x > now.moons[i].x;
            EXPECT_EQ(west, now.moons[i].y * now.ringTilt < 0) << year << " moon " << i;
        }
    }
}

TEST(PlanetDoc, OpensAtTheCommonDateWhenOneIsInForce) {
    Settings settings = siteSettings(0);
    const FixedClock clock({2030, 7, 4, 9, 41, 0});
    VenusDocument fromClock(DateTime{}, settings);
    fromClock.initialise(clock);
    EXPECT_EQ(fromClock.dt.localYear, 2030);
    EXPECT_EQ(fromClock.dt.localMinute, 41);
    EXPECT_TRUE(fromClock.redrawDisc);

    settings.useCommonDate = true;
    settings.commonDate.setLocal(1999, 8, 11, 11, 3, 0, 0);
    VenusDocument common(DateTime{}, settings);
    common.initialise(clock);
    EXPECT_EQ(common.dt.localYear, 1999);
    EXPECT_EQ(common.dt.localMonth, 8);
    EXPECT_EQ(common.dt.localDay, 11);
    EXPECT_EQ(common.dt.localHour, 11);
    EXPECT_EQ(common.dt.localMinute, 3);
    // The zone is the settings' whatever the blank record held.
    EXPECT_EQ(common.dt.zoneHours, 1);
}

TEST(PlanetDoc, RefreshFlagsFollowActivity) {
    Settings settings = siteSettings(0);
    UranusDocument doc(DateTime{}, settings);
    int redraws = 0;
    doc.setRedrawHandler([&] { ++redraws; });
    doc.dt.setLocal(2020, 1, 31, 23, 59, 1, 0);
    doc.computeBody();
    doc.redrawDisc = false;
    doc.stepOneMinute();
    EXPECT_EQ(doc.dt.localMonth, 2);
    EXPECT_EQ(doc.dt.localDay, 1);
    EXPECT_EQ(doc.dt.localHour, 0);
    EXPECT_TRUE(doc.redrawDisc);
    EXPECT_EQ(redraws, 1);

    doc.recomputeAndRefresh();
    EXPECT_FALSE(doc.refreshPanel);
    doc.isActive = true;
    doc.recomputeAndRefresh();
    EXPECT_TRUE(doc.refreshPanel);
    EXPECT_EQ(redraws, 3);
}

// Tracking through the night summer time ends in Paris: the window follows
// the minutes of universal time, so the repeated hour is shown twice and the
// window keeps the clock of the observer instead of running an hour ahead.
TEST(PlanetDoc, TrackingThroughTheAutumnNightFollowsTheClock) {
    Settings settings = siteSettings(0);
    settings.zoneName = "Europe/Paris";
    settings.namedZone = TimeZone::named(settings.zoneName);
    ASSERT_TRUE(settings.namedZone.has_value());
    UranusDocument doc(DateTime{}, settings);
    doc.dt.setLocal(2024, 10, 27, 2, 58, 1, 0);
    doc.computeBody();
    const double start = doc.dt.JD;
    EXPECT_EQ(doc.dt.zoneOffsetHours(), 2.0);
    for (int k = 0; k < 63; ++k) doc.stepOneMinute();
    // 63 minutes later it is 02:01 UT: 03:01 winter time, after the clock
    // went through 02:00-02:59 twice (not 04:01, an hour ahead).
    EXPECT_NEAR(doc.dt.JD - start, 63.0 / 1440.0, 1e-6);
    EXPECT_EQ(doc.dt.localHour, 3);
    EXPECT_EQ(doc.dt.localMinute, 1);
    EXPECT_EQ(doc.dt.zoneOffsetHours(), 1.0);
    EXPECT_EQ(doc.fillDataPanel().status.time, "Time: 03: 01 UTC+1");
}

TEST(PlanetDoc, FindCentralLongitudeZeroFrom350) {
    Settings settings = siteSettings(0);
    MarsDocument doc(DateTime{}, settings);
    doc.dt.setLocal(2005, 11, 7, 20, 0, 1, 0);
    doc.computeBody();
    // Walk to the first minute at 350 degrees.
    for (int i = 0; i < 3000 && static_cast<int>(doc.planet().centralLongitudeDeg) != 350; ++i) {
        doc.dt.localMinute += 1;
        doc.dt.carryLocalTime();
        doc.computeBody();
    }
    ASSERT_EQ(static_cast<int>(doc.planet().centralLongitudeDeg), 350);
    const double startJD = doc.dt.JD;
    const double startCM = doc.planet().centralLongitudeDeg;

    ASSERT_TRUE(doc.findCentralLongitudeTime(0));
    EXPECT_LT(doc.planet().centralLongitudeDeg, 1.0);
    // floor(10 / 14.62) = 0 hours, then minute by minute: about 41 minutes.
    const double minutes = (doc.dt.JD - startJD) * 1440.0;
    EXPECT_NEAR(minutes, (360.0 - startCM) / 14.62 * 60.0, 2.0);
    EXPECT_TRUE(doc.refreshPanel);
    EXPECT_TRUE(doc.redrawDisc);

    // The minute before still shows 359.
    MarsDocument before(DateTime{}, settings);
    before.dt = doc.dt;
    before.dt.localMinute -= 1;
    if (before.dt.localMinute < 0) {
        before.dt.localMinute += 60;
        before.dt.localHour -= 1;
    }
    before.computeBody();
    EXPECT_GE(before.planet().centralLongitudeDeg, 359.0);

    // Rise, transit, set and altitude are those of the new time.
    MarsDocument fresh(DateTime{}, settings);
    fresh.dt = doc.dt;
    fresh.computeBody();
    EXPECT_EQ(fresh.dt.transitHour, doc.dt.transitHour);
    EXPECT_EQ(fresh.dt.transitMinute, doc.dt.transitMinute);
    EXPECT_EQ(fresh.dt.altitudeDegrees, doc.dt.altitudeDegrees);
    EXPECT_EQ(fresh.dt.altitudeHundredths, doc.dt.altitudeHundredths);

    EXPECT_FALSE(doc.findCentralLongitudeTime(360));
    EXPECT_FALSE(doc.findCentralLongitudeTime(-1));
}

}  // namespace
}  // namespace vantorel
