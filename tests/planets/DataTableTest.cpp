// The all-planets table: its computation against the body windows' own
// sequence (as vantorel-cli ephem runs it), the Moon on a new table, the
// cells' formats and the labels of the three languages.
#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>

#include "common/settings/Settings.h"
#include "engine/Angles.h"
#include "engine/BodySequence.h"
#include "engine/EarthSun.h"
#include "engine/Jupiter.h"
#include "engine/Mars.h"
#include "engine/Mercury.h"
#include "engine/Neptune.h"
#include "engine/Pluto.h"
#include "engine/Saturn.h"
#include "engine/Uranus.h"
#include "engine/Venus.h"
#include "planets/DataTableDocument.h"
#include "planets/DataTableText.h"
#include "tests/support/CliRunner.h"

using namespace vantorel;

namespace {

Settings site(int zoneHours, float latitude) {
    Settings s;
    s.language = 0;
    s.dateFormat = 0;
    s.zoneHours = zoneHours;
    s.zoneMinutes = 0;
    s.latitude = latitude;
    s.redSpotLongitude = 80;
    return s;
}

void setDate(DataTableDocument& doc, int y, int mo, int d, int h, int mi, const Settings& s) {
    doc.dt.setLocal(y, mo, d, h, mi, s.zoneHours, s.zoneMinutes);
}

const TableLine& line(const std::vector<TableLine>& lines, const std::string& name) {
    for (const TableLine& l : lines)
        if (l.name == name) return l;
    static const TableLine none;
    ADD_FAILURE() << "no line " << name;
    return none;
}

std::string bodyJson(const std::string& json, const std::string& body) {
    const size_t at = json.find("\"" + body + "\":{");
    if (at == std::string::npos) return "";
    return json.substr(at, json.find('}', at) - at + 1);
}

std::string jsonText(const std::string& json, const std::string& name) {
    std::smatch m;
    const std::regex re("\"" + name + "\":(null|\"([^\"]*)\")");
    if (!std::regex_search(json, m, re)) return "?";
    return m[1] == "null" ? "--:--" : std::string(m[2]);
}

// A planet of the table's row.
std::unique_ptr<Planet> planetOfRow(int row) {
    switch (row) {
    case DataTableDocument::kMercury: return std::make_unique<Mercury>();
    case DataTableDocument::kVenus: return std::make_unique<Venus>();
    case DataTableDocument::kMars: return std::make_unique<Mars>();
    case DataTableDocument::kJupiter: return std::make_unique<Jupiter>();
    case DataTableDocument::kSaturn: return std::make_unique<Saturn>();
    case DataTableDocument::kUranus: return std::make_unique<Uranus>();
    case DataTableDocument::kNeptune: return std::make_unique<Neptune>();
    default: return std::make_unique<Pluto>();
    }
}

// "05: 27" as ephem writes it, "05:27".
std::string compact(std::string s) {
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}

}  // namespace

TEST(DataTable, EveryRowMatchesTheBodysOwnComputation) {
    const Settings s = site(1, 45.0f);
    DataTableDocument doc(DateTime(), s);
    setDate(doc, 2024, 3, 21, 21, 0, s);
    doc.computeTable();
    const CliRun run =
        runCli("ephem --date 2024-03-21 --time 21:00 --zone +1 --lat 45 --json");
    ASSERT_EQ(run.status, 0) << run.out;

    const char* names[DataTableDocument::kPlanetCount] = {"mercury", "venus",  "mars",    "jupiter",
                                                     "saturn",  "uranus", "neptune", "pluto"};
    for (int i = 0; i < DataTableDocument::kPlanetCount; ++i) {
        SCOPED_TRACE(names[i]);
        const std::string json = bodyJson(run.out, names[i]);
        ASSERT_FALSE(json.empty());
        const Planet& p = doc.planet(i);
        EXPECT_DOUBLE_EQ(p.ra, jsonNumber(json, "ra_deg"));
        EXPECT_DOUBLE_EQ(p.dec, jsonNumber(json, "dec_deg"));
        EXPECT_DOUBLE_EQ(p.diameterArcsec, jsonNumber(json, "diameter_arcsec"));
        EXPECT_DOUBLE_EQ(p.magnitude, jsonNumber(json, "magnitude"));
        EXPECT_DOUBLE_EQ(p.illumination, jsonNumber(json, "illuminated_fraction"));
        if (i == DataTableDocument::kJupiter) {
            EXPECT_DOUBLE_EQ(doc.jupiter.system1Deg, jsonNumber(json, "system1_deg"));
            EXPECT_DOUBLE_EQ(doc.jupiter.system2Deg, jsonNumber(json, "system2_deg"));
        } else {
            EXPECT_DOUBLE_EQ(p.centralLongitude, jsonNumber(json, "central_longitude_deg"));
        }
        EXPECT_EQ(compact(doc.eventText(i, 0)), jsonText(json, "rise"));
        EXPECT_EQ(compact(doc.eventText(i, 1)), jsonText(json, "transit"));
        EXPECT_EQ(compact(doc.eventText(i, 2)), jsonText(json, "set"));
    }
    const std::string sun = bodyJson(run.out, "sun");
    EXPECT_DOUBLE_EQ(doc.earthSun.sunRa, jsonNumber(sun, "ra_deg"));
    EXPECT_DOUBLE_EQ(doc.earthSun.sunDec, jsonNumber(sun, "dec_deg"));
    EXPECT_DOUBLE_EQ(doc.earthSun.discP, jsonNumber(sun, "p_deg"));
    EXPECT_DOUBLE_EQ(doc.earthSun.discB0, jsonNumber(sun, "b0_deg"));
    EXPECT_DOUBLE_EQ(doc.earthSun.discL0, jsonNumber(sun, "l0_deg"));
    const std::string moon = bodyJson(run.out, "moon");
    EXPECT_DOUBLE_EQ(toDeg(doc.moon.rightAscension), jsonNumber(moon, "ra_deg"));
    EXPECT_DOUBLE_EQ(toDeg(doc.moon.declination), jsonNumber(moon, "dec_deg"));
    EXPECT_DOUBLE_EQ(doc.moon.illuminatedFraction, jsonNumber(moon, "illuminated_fraction"));
    EXPECT_DOUBLE_EQ(doc.moon.colongitude, jsonNumber(moon, "colongitude_deg"));
    EXPECT_DOUBLE_EQ(doc.moon.librationLongitude, jsonNumber(moon, "libration_lon_deg"));

    // The cells print those numbers: the Sun's row, Venus's magnitude, the
    // Red Spot's transits of the day.
    const std::vector<TableLine> lines = dataTableLines(doc, 0, 0);
    EXPECT_EQ(line(lines, "title").cells[0], "Date: 2024/03/21  -  Time: 21: 00");
    EXPECT_EQ(line(lines, "sun").cells[0], "Sun");
    EXPECT_EQ(line(lines, "venus").cells[4], tableMagnitudeText(doc.venus.magnitude));
    EXPECT_EQ(line(lines, "pluto").cells[5], "100.0%");
    EXPECT_EQ(line(lines, "jupiter_system2").cells[4], "Syst.II");
    EXPECT_EQ(line(lines, "red_spot").cells.size(), 4u);
    EXPECT_EQ(line(lines, "red_spot").cells[1], doc.redSpotTimes()[0]);
    EXPECT_FALSE(doc.redSpotTimes()[0].empty());
}

// The Moon takes the Sun's disc longitude of its own instant: a new table's
// first computation (nothing left over from before) gives the same Moon as
// its second.
TEST(DataTable, TheMoonIsTheSameOnTheFirstAndSecondComputation) {
    const Settings s = site(1, 45.0f);
    DataTableDocument doc(DateTime(), s);
    setDate(doc, 2024, 3, 21, 21, 0, s);
    doc.computeTable();
    const std::string first = line(dataTableLines(doc, 0, 0), "moon").text();
    const double colongitude = doc.moon.colongitude;
    const double librationLat = doc.moon.librationLatitude;
    doc.computeTable();
    EXPECT_EQ(line(dataTableLines(doc, 0, 0), "moon").text(), first);
    EXPECT_DOUBLE_EQ(doc.moon.colongitude, colongitude);
    EXPECT_DOUBLE_EQ(doc.moon.librationLatitude, librationLat);
    // And a table computed after another date agrees with a fresh one.
    DataTableDocument other(DateTime(), s);
    setDate(other, 2030, 7, 1, 3, 0, s);
    other.computeTable();
    setDate(other, 2024, 3, 21, 21, 0, s);
    other.computeTable();
    EXPECT_EQ(line(dataTableLines(other, 0, 0), "moon").text(), first);
    EXPECT_EQ(doc.computeCount(), 2);
}

TEST(DataTable, MagnitudeAndIlluminationCells) {
    EXPECT_EQ(tableMagnitudeText(-2.3), "-2.3");
    EXPECT_EQ(tableMagnitudeText(0.5), "+0.5");
    EXPECT_EQ(tableMagnitudeText(0.0), "+0.0");
    EXPECT_EQ(tableMagnitudeText(-0.04), "-0.0");
    EXPECT_EQ(tableMagnitudeText(14.46), "+14.5");
    EXPECT_EQ(tableIlluminationText(0.8962), "89.6%");
    EXPECT_EQ(tableIlluminationText(1.0), "100.0%");
}

TEST(DataTable, HeadersAndNamesInFrenchAndSpanish) {
    const Settings s = site(1, 45.0f);
    DataTableDocument doc(DateTime(), s);
    setDate(doc, 2024, 3, 21, 21, 0, s);
    doc.computeTable();
    const std::vector<TableLine> fr = dataTableLines(doc, 1, 2);
    EXPECT_EQ(line(fr, "planets_header").cells,
              (std::vector<std::string>{"Objet", "Asc.D.", "D\u00e9c.", "Dia.", "Mag.", "ill.", "CM",
                                        "Lever", "Transit", "Coucher  "}));
    EXPECT_EQ(line(fr, "sun_header").cells[4], "P\u00f4le");
    EXPECT_EQ(line(fr, "moon_header").cells[5], "s\u00e9l\u00e9.");
    EXPECT_EQ(line(fr, "mercury").cells[0], "Mercure");
    EXPECT_EQ(line(fr, "venus").cells[0], "V\u00e9nus");
    EXPECT_EQ(line(fr, "saturn").cells[0], "Saturne");
    EXPECT_EQ(line(fr, "pluto").cells[0], "Pluton");
    EXPECT_EQ(line(fr, "sun").cells[0], "Soleil");
    EXPECT_EQ(line(fr, "title").cells[0], "Date: 21/03/2024  -  Heure: 21: 00");
    EXPECT_EQ(line(fr, "red_spot").cells[0], "Transit de la tache rouge:");

    const std::vector<TableLine> es = dataTableLines(doc, 2, 3);
    EXPECT_EQ(line(es, "planets_header").cells,
              (std::vector<std::string>{"Objeto", "AR", "Dec.", "Di\u00e1.", "Mag.", "ilu.", "CM",
                                        "Salida", "Tr\u00e1nsito", "Puesta   "}));
    EXPECT_EQ(line(es, "moon_header").cells[6], "Libraci\u00f3n");
    EXPECT_EQ(line(es, "jupiter").cells[0], "J\u00fapiter");
    EXPECT_EQ(line(es, "pluto").cells[0], "Plut\u00f3n");
    EXPECT_EQ(line(es, "moon").cells[0], "Luna");
    EXPECT_EQ(line(es, "title").cells[0], "Fecha: 03/21/2024  -  Hora: 21: 00");
    // A damaged language setting reads as English.
    EXPECT_EQ(line(dataTableLines(doc, 7, 0), "sun").cells[0], "Sun");
}

// Seen from a zone west of Greenwich, the rise, transit and set are those of
// the local date: at the clock time the table shows for a rise the planet
// stands at its rise altitude on that very date, also when the rise comes in
// the evening after the early-morning transit (the events of the universal
// day would show the previous evening's rise, minutes off).
TEST(DataTable, EventsAreThoseOfTheLocalDate) {
    const Settings s = site(-7, 40.0f);
    DataTableDocument doc(DateTime(), s);
    const std::regex clock("[0-2][0-9]: [0-5][0-9]");
    int eveningRises = 0;
    for (int month = 1; month <= 12; ++month) {
        setDate(doc, 2024, month, 10, 12, 0, s);
        doc.computeTable();
        for (int i = 0; i < DataTableDocument::kPlanetCount; ++i) {
            const std::string rise = doc.eventText(i, 0);
            const std::string transit = doc.eventText(i, 1);
            ASSERT_TRUE(std::regex_match(transit, clock)) << transit;
            if (rise == "--: --") continue;
            ASSERT_TRUE(std::regex_match(rise, clock)) << rise;
            if (rise > transit) ++eveningRises;
            DateTime at;
            at.setLocal(2024, month, 10, std::stoi(rise.substr(0, 2)), std::stoi(rise.substr(4, 2)),
                        s.zoneHours, 0);
            // At the zone's centre exactly (the panel's altitude reads the
            // clock as universal time there, a quarter of a degree off at -7 h).
            at.siteLongitude = -105.0;
            EarthSun es;
            const std::unique_ptr<Planet> planet = planetOfRow(i);
            computeBodyDocument(at, es, planetPlace(*planet), s.latitude);
            // Within half a minute of the root: a planet climbs at most
            // 0.2 degree a minute here.
            EXPECT_NEAR(at.altitude(), -0.5667, 0.12) << "row " << i << " month " << month << " "
                                                      << rise;
        }
    }
    EXPECT_GT(eveningRises, 0);
}

// A body that never sets at a high latitude keeps its transit and shows no
// rise or set.
TEST(DataTable, ABodyThatNeverSetsShowsDashes) {
    const Settings s = site(1, 70.0f);
    DataTableDocument doc(DateTime(), s);
    setDate(doc, 2024, 6, 21, 12, 0, s);
    doc.computeTable();
    int circumpolar = 0;
    for (int i = 0; i < DataTableDocument::kPlanetCount; ++i) {
        if (doc.eventText(i, 0) != "--: --") continue;
        ++circumpolar;
        EXPECT_EQ(doc.eventText(i, 2), "--: --");
        EXPECT_NE(doc.eventText(i, 1), "--: --");
    }
    EXPECT_GT(circumpolar, 0);
}

// With the site's longitude set, every rise, transit and set of the table is
// the one `ephem --lon` gives, not the zone's.
TEST(DataTable, TimesFollowTheSitesLongitude) {
    Settings s = site(2, 40.4f);
    s.longitude = -3.7;
    DataTableDocument doc(DateTime(), s);
    setDate(doc, 2024, 6, 21, 12, 0, s);
    doc.computeTable();
    const CliRun run = runCli(
        "ephem --date 2024-06-21 --time 12:00 --zone +2 --lat 40.4 --lon -3.7 --json");
    ASSERT_EQ(run.status, 0) << run.out;
    const char* names[DataTableDocument::kPlanetCount] = {"mercury", "venus",  "mars",    "jupiter",
                                                     "saturn",  "uranus", "neptune", "pluto"};
    for (int i = 0; i < DataTableDocument::kPlanetCount; ++i) {
        SCOPED_TRACE(names[i]);
        const std::string json = bodyJson(run.out, names[i]);
        EXPECT_EQ(compact(doc.eventText(i, 0)), jsonText(json, "rise"));
        EXPECT_EQ(compact(doc.eventText(i, 1)), jsonText(json, "transit"));
        EXPECT_EQ(compact(doc.eventText(i, 2)), jsonText(json, "set"));
    }
    // Madrid lies 33.7 degrees west of the zone's centre: the transits come
    // more than two hours later than the zone alone would put them.
    Settings zoneOnly = site(2, 40.4f);
    DataTableDocument byZone(DateTime(), zoneOnly);
    setDate(byZone, 2024, 6, 21, 12, 0, zoneOnly);
    byZone.computeTable();
    EXPECT_NE(doc.eventText(DataTableDocument::kJupiter, 1), byZone.eventText(DataTableDocument::kJupiter, 1));
}
