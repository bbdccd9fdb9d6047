#pragma once

#include <string>
#include <vector>

#include "common/text/LanguageText.h"
#include "tonight/NightPlan.h"

// The texts of the night plan in the three languages: one section per part
// (the Sun, the Moon, the planets, Jupiter's events, the days around), each
// row a time and a line. The command line prints them, the window lists them
// and prints them.

namespace vantorel {

struct NightTextRow {
    std::string time;  // local clock time, with the date when it is not the night's date
    std::string text;
    bool dim = false;  // an event that cannot be watched from the site
};

struct NightTextSection {
    std::string title;
    std::vector<NightTextRow> rows;
};

const char* nightBodyName(NightBody body, int language);
// What happens, without the time: "End of civil twilight", "Io: shadow ingress".
std::string nightEventText(const NightEvent& event, int language);
// "hh:mm" when the local date is the night's date, else the date and "hh:mm"
// (or "hh h" for the events listed to the hour).
std::string nightClockText(const NightEvent& event, const NightPlan& plan, int dateFormat);
std::string nightClockText(double jdUt, const NightPlan& plan, int dateFormat);
// "Night of 2024/03/14 - latitude 48°51' N, longitude 2°21' E, UTC+01:00".
std::string nightTitle(const NightPlan& plan, int language, int dateFormat);
// The site alone: "latitude 48°51' N, longitude 2°21' E".
std::string nightSiteText(const NightSite& site, double longitudeDeg, int language);
const char* moonPhaseNameText(int phaseName, int language);
const char* visibilityText(Visibility v, int language);

std::vector<NightTextSection> nightPlanSections(const NightPlan& plan, int language,
                                                int dateFormat);

// The section titles, for the window's list.
namespace tonighttext {
inline constexpr TextTriple kWindowTitle{"Tonight", "Cette nuit", "Esta noche"};
inline constexpr TextTriple kSun{"The Sun", "Le Soleil", "El Sol"};
inline constexpr TextTriple kMoon{"The Moon", "La Lune", "La Luna"};
inline constexpr TextTriple kPlanets{"The planets", "Les plan\u00e8tes", "Los planetas"};
inline constexpr TextTriple kJupiterEvents{"Jupiter's satellites and Red Spot",
                                           "Satellites et tache rouge de Jupiter",
                                           "Sat\u00e9lites y mancha roja de J\u00fapiter"};
inline constexpr TextTriple kNearby{"Within three days", "\u00c0 trois jours pr\u00e8s",
                                    "En tres d\u00edas"};
}  // namespace tonighttext

}  // namespace vantorel
