#include "planets/DataTableText.h"

#include "common/text/DateText.h"
#include "common/text/LanguageText.h"
#include "engine/Angles.h"
#include "planets/DataTableDocument.h"
#include "planets/PanelText.h"

namespace vantorel {

namespace {


constexpr TextTriple kDate{"Date:", "Date:", "Fecha:"};
constexpr TextTriple kTime{"Time:", "Heure:", "Hora:"};
constexpr TextTriple kObject{"Object", "Objet", "Objeto"};
constexpr TextTriple kRa{"R.A.", "Asc.D.", "AR"};
constexpr TextTriple kDec{"Dec.", "D\u00e9c.", "Dec."};
constexpr TextTriple kDia{"Dia.", "Dia.", "Di\u00e1."};
constexpr TextTriple kPole{"Pole", "P\u00f4le", "Polo"};
constexpr TextTriple kIll{"ill.", "ill.", "ilu."};
constexpr TextTriple kSele{"sele", "s\u00e9l\u00e9.", "Sele."};
constexpr TextTriple kLibration{"Libration", "Libration", "Libraci\u00f3n"};
// "Salida" is the noun a Spanish reader expects over a column of times.
constexpr TextTriple kRise{"Rise", "Lever", "Salida"};
constexpr TextTriple kTransit{"Transit", "Transit", "Tr\u00e1nsito"};
constexpr TextTriple kSet{"Set      ", "Coucher  ", "Puesta   "};
constexpr TextTriple kRedSpot{"Great Red Spot transit: ", "Transit de la tache rouge:",
                              "Tr\u00e1nsito de mancha roja:"};
constexpr TextTriple kSun{"Sun", "Soleil", "Sol"};
constexpr TextTriple kMoon{"Moon", "Lune", "Luna"};
constexpr TextTriple kPlanetNames[DataTableDocument::kPlanetCount] = {
    {"Mercury", "Mercure", "Mercurio"}, {"Venus", "V\u00e9nus", "Venus"},
    {"Mars", "Mars", "Marte"},          {"Jupiter", "Jupiter", "J\u00fapiter"},
    {"Saturn", "Saturne", "Saturno"},   {"Uranus", "Uranus", "Urano"},
    {"Neptune", "Neptune", "Neptuno"},  {"Pluto", "Pluton", "Plut\u00f3n"},
};
const char* const kPlanetKeys[DataTableDocument::kPlanetCount] = {
    "mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune", "pluto"};

// Rows of each line in line heights below the first section's header (the
// title stands apart, at the top).
constexpr int kSunHeaderRow = 0;
constexpr int kMoonHeaderRow = 4;
constexpr int kPlanetHeaderRow = 8;
constexpr int kRedSpotRow = 20;

const std::vector<int> kSunStops{11, 24, 34, 41, 50, 58};
const std::vector<int> kMoonStops{11, 24, 34, 41, 50, 58, 68, 76, 85};
const std::vector<int> kPlanetStops{11, 24, 34, 41, 48, 56, 66, 74, 83};
// The label is longer than 24 characters in every language: the times stand
// at 26, 35 and 44, each clear of the one before.
const std::vector<int> kRedSpotStops{26, 35, 44};

std::string degreesText(const char* fmt, double v) { return formattedText(fmt, v) + "\u00b0"; }

}  // namespace

std::string TableLine::text() const {
    std::string out;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i) out += " \t";
        out += cells[i];
    }
    return out;
}

std::string tableMagnitudeText(double magnitude) {
    return magnitude >= 0 ? formattedText("%c%02.1f", '+', magnitude) : formattedText("%03.1f", magnitude);
}

std::string tableIlluminationText(double fraction) { return formattedText("%02.1f%%", fraction * 100.0); }

std::vector<TableLine> dataTableLines(const DataTableDocument& doc, int language, int dateFormat) {
    const int lang = safeLanguage(language);
    const DateTime& dt = doc.dt;
    std::vector<TableLine> lines;

    lines.push_back({"title",
                     {formattedText("%s %s  -  %s %02.0f: %02.0f", kDate(lang),
                             unlabelledDateText(dateFormat, dt.localYear, dt.localMonth, dt.localDay)
                                 .c_str(),
                             kTime(lang), dt.localHour, dt.localMinute)},
                     {}, false, -1});

    // The Sun and its disc.
    const EarthSun& es = doc.earthSun;
    lines.push_back({"sun_header",
                     {kObject(lang), kRa(lang), kDec(lang), kDia(lang), kPole(lang), "Bo", "Lo"},
                     kSunStops, true, kSunHeaderRow});
    const HoursMinutesSeconds sunRa = splitHours(es.sunRa);
    lines.push_back({"sun",
                     {kSun(lang), rightAscensionText(sunRa.hours, sunRa.minutes, sunRa.seconds),
                      formatDeclination(es.sunDec), formattedText("%02.1f'", es.sunDiameterArcmin),
                      formattedText("%02.2f", es.discP), degreesText("%02.2f", es.discB0),
                      degreesText("%03.2f", es.discL0)},
                     kSunStops, false, kSunHeaderRow + 2});

    // The Moon, its phase and librations.
    const MoonTheory& moon = doc.moon;
    lines.push_back({"moon_header",
                     {kObject(lang), kRa(lang), kDec(lang), kDia(lang), kIll(lang), kSele(lang),
                      kLibration(lang), "Long.", "Lat.", "         "},
                     kMoonStops, true, kMoonHeaderRow});
    lines.push_back({"moon",
                     {kMoon(lang), rightAscensionText(moon.raHours, moon.raMinutes, moon.raSeconds),
                      formatDeclination(toDeg(moon.declination)), formattedText("%02.1f'", moon.apparentDiameter),
                      tableIlluminationText(moon.illuminatedFraction),
                      degreesText("%03.2f", moon.colongitude), " ",
                      degreesText("%02.2f", moon.librationLongitude),
                      degreesText("%02.2f", toDeg(moon.librationLatitude)), " "},
                     kMoonStops, false, kMoonHeaderRow + 2});

    // The planets, System II after Jupiter.
    lines.push_back({"planets_header",
                     {kObject(lang), kRa(lang), kDec(lang), kDia(lang), "Mag.", kIll(lang), "CM",
                      kRise(lang), kTransit(lang), kSet(lang)},
                     kPlanetStops, true, kPlanetHeaderRow});
    int row = kPlanetHeaderRow + 2;
    for (int i = 0; i < DataTableDocument::kPlanetCount; ++i) {
        const Planet& p = doc.planet(i);
        const double cm = i == DataTableDocument::kJupiter ? doc.jupiter.system1Deg : p.centralLongitude;
        lines.push_back({kPlanetKeys[i],
                         {kPlanetNames[i](lang), rightAscensionText(p.raHours, p.raMinutes, p.raSeconds),
                          p.decText, diameterText(p.diameterArcsec), tableMagnitudeText(p.magnitude),
                          i == DataTableDocument::kPluto ? "100.0%" : tableIlluminationText(p.illumination),
                          degreesText("%03.2f", cm), doc.eventText(i, 0), doc.eventText(i, 1),
                          doc.eventText(i, 2)},
                         kPlanetStops, false, row++});
        if (i == DataTableDocument::kJupiter)
            lines.push_back({"jupiter_system2",
                             {kPlanetNames[i](lang), "", "", "", "Syst.II", "",
                              degreesText("%03.2f", doc.jupiter.system2Deg), "", "", ""},
                             kPlanetStops, false, row++});
    }

    // The Red Spot's transits of the day.
    const auto& grs = doc.redSpotTimes();
    lines.push_back({"red_spot", {kRedSpot(lang), grs[0], grs[1], grs[2]},
                     kRedSpotStops, false, kRedSpotRow});
    return lines;
}

}  // namespace vantorel
