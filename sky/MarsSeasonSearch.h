#pragma once

#include <string>

#include "common/text/LanguageText.h"
#include "engine/DateTime.h"

// The beginnings of the seasons of Mars (northern spring, summer, autumn,
// winter): the instants at which the Mars season angle crosses 90, 180, 270
// and 360 degrees, from January 1 of a start year to the end of the year a
// number of years later.

namespace vantorel {

class Mars;

// Result codes of the search's parameters, in the order they are checked.
enum MarsSeasonCheck : int {
    kSeasonParametersValid = 0,
    kSeasonYearInvalid = 1,    // start year outside 1990..2050
    kSeasonPeriodInvalid = 2,  // number of years outside 1..10
};
constexpr int kSeasonFirstYear = 1990;
constexpr int kSeasonLastYear = 2050;
constexpr int kSeasonMaxYears = 10;

int validateSeasonParameters(int startYear, int years);
// The refusal's message in the language (empty for a valid code).
const char* seasonParameterMessage(int code, int language);

// The season that begins at a boundary (90, 180, 270, 360 or 0) in the language.
std::string seasonNameAt(int boundary, int language);
// The season angle S as the search reads it while seeking boundary B: just
// past 0 while seeking spring (360) it counts as just past 360.
float seasonAngleTowards(float S, float B);

struct MarsSeasonSearchResult {
    static constexpr int kLineCount = 30;
    static constexpr int kLineLength = 64;
    char lines[kLineCount][kLineLength] = {};
    int count = 0;
    struct Event {
        int boundary = 0;      // 90, 180, 270 or 360
        double julianDay = 0;  // universal time
        CalendarTime local;    // local date and clock time
    } events[kLineCount];
};

// Runs the search on `mars` from January 1, 00:00 of the record's local year
// to the end of `endYear`, with the record's zone. The record and `mars` are
// left computed for the record's own instant. The last degree is walked in
// whole hours and then minutes, which finds the same minute as walking every
// minute (`minuteByMinute`).
void searchMarsSeasons(Mars& mars, DateTime& dt, int endYear, int language, int dateFormat,
                       MarsSeasonSearchResult& out, bool minuteByMinute = false);

// Texts of the parameter dialog and of the list window.
inline constexpr TextTriple kSeasonDialogTitle{"Martian seasons", "Saisons de Mars",
                                               "Estaciones marcianas"};
inline constexpr TextTriple kSeasonDialogGroup{"Setting", "Valeurs", "Valores"};
inline constexpr TextTriple kSeasonDialogStart{"Start:", "D\u00e9but:", "Comienzo:"};
inline constexpr TextTriple kSeasonDialogYears{
    "Number of years:", "Nombre d'ann\u00e9es:", "N\u00famero de a\u00f1os:"};
inline constexpr TextTriple kSeasonDialogMaximum{"Maximum 10 years.", "Maximum 10 ans.",
                                                 "M\u00e1ximo 10 a\u00f1os."};
inline constexpr TextTriple kSeasonDialogCancel{"Cancel", "Annuler", "Cancelar"};
inline constexpr TextTriple kSeasonListTitle{"Martian seasons", "Saisons martiennes",
                                             "Estaciones marcianas"};
inline constexpr TextTriple kSeasonListDateHeading{"Date             Time", "Date            Heure",
                                                   "Fecha            Hora"};
inline constexpr TextTriple kSeasonListSeasonHeading{"Season", "Saison", "Estaci\u00f3n"};

}  // namespace vantorel
