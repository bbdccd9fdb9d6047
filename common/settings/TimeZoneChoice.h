#pragma once

#include <optional>
#include <string>

#include "common/text/LanguageText.h"

// The time zones the time zone dialog offers: a named zone of the system's
// tz database, whose offset follows summer time, or a fixed offset: one of
// twenty-six sizes east or west of Greenwich, every offset in use, summer
// time's included (Newfoundland's -2:30, Chatham's +13:45). The
// zones of 4.5, 5.5, 5.75, 6.5, 8.75, 10.5, 12.75, 13, 13.75 and 14 hours
// exist only east.

namespace vantorel {

struct ZoneSize {
    int control;
    const char* label;
    int hours;
    int minutes;
    bool eastOnly;
};

constexpr int kZoneSizeCount = 26;
extern const ZoneSize kZoneSizes[kZoneSizeCount];

struct ZoneChoice {
    int index = 0;  // into kZoneSizes
    bool west = false;
    // A named zone ("Europe/Paris") chosen instead of the size; empty for
    // the fixed offset.
    std::string name;
    bool operator==(const ZoneChoice&) const = default;
};

struct Zone {
    int hours = 0;    // negative west of Greenwich
    int minutes = 0;  // always positive
    bool operator==(const Zone&) const = default;
};

// The choice the dialog opens on for a zone: the size whose hours and
// minutes match, else the first; west for negative hours (or the stored
// 50 + hours of a western zone under one hour).
ZoneChoice zoneChoiceFor(int zoneHours, int zoneMinutes);
// Whether a size can be chosen on that side of Greenwich.
bool zoneChoosable(int index, bool west);
// The zone of a choice; nothing for a size that does not exist on that side.
std::optional<Zone> zoneOf(const ZoneChoice& choice);

namespace timezone {
constexpr TextTriple kNamed{"Zone of a place (follows summer time)",
                            "Fuseau d'un lieu (suit l'heure d'\u00e9t\u00e9)",
                            "Huso de un lugar (sigue el horario de verano)"};
constexpr TextTriple kFixed{"Fixed offset from Greenwich", "D\u00e9calage fixe sur Greenwich",
                            "Desfase fijo respecto a Greenwich"};
constexpr TextTriple kSearch{"Search:", "Rechercher :", "Buscar:"};
constexpr TextTriple kNoZoneList{
    "The list of zones of this computer cannot be read; a fixed offset can still be chosen.",
    "La liste des fuseaux de cet ordinateur est illisible ; un d\u00e9calage fixe reste possible.",
    "No se puede leer la lista de husos de este ordenador; se puede elegir un desfase fijo."};
constexpr TextTriple kCaption{"Time zone", "Fuseau horaire", "Huso horario"};
constexpr TextTriple kSite{"Site", "Site", "Sitio"};
constexpr TextTriple kEast{"East of Greenwich", "Est de Greenwich", "Este de Greenwich"};
constexpr TextTriple kWest{"West of Greenwich", "Ouest de Greenwich", "Oeste de Greenwich"};
}  // namespace timezone

}  // namespace vantorel
