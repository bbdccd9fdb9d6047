#pragma once

#include <optional>

#include "common/text/LanguageText.h"

// The time zones the time zone dialog offers: twenty sizes, east or west of
// Greenwich. The half-hour zones of 4.5, 5.5, 6.5 and 10.5 hours and 13 hours
// exist only east.

namespace vantorel {

struct ZoneSize {
    int control;
    const char* label;
    int hours;
    int minutes;
    bool eastOnly;
};

constexpr int kZoneSizeCount = 20;
extern const ZoneSize kZoneSizes[kZoneSizeCount];

struct ZoneChoice {
    int index = 0;  // into kZoneSizes
    bool west = false;
    bool operator==(const ZoneChoice&) const = default;
};

struct Zone {
    int hours = 0;    // negative west of Greenwich
    int minutes = 0;  // always positive
    bool operator==(const Zone&) const = default;
};

// The choice the dialog opens on for a zone: the size whose hours and
// minutes match, else the first; west for negative hours.
ZoneChoice zoneChoiceFor(int zoneHours, int zoneMinutes);
// Whether a size can be chosen on that side of Greenwich.
bool zoneChoosable(int index, bool west);
// The zone of a choice; nothing for a size that does not exist on that side.
std::optional<Zone> zoneOf(const ZoneChoice& choice);

namespace timezone {
constexpr TextTriple kCaption{"Time zone", "Fuseau horaire", "Huso horario"};
constexpr TextTriple kSite{"Site", "Site", "Sitio"};
constexpr TextTriple kEast{"East of Greenwich", "Est de Greenwich", "Este de Greenwich"};
constexpr TextTriple kWest{"West of Greenwich", "Ouest de Greenwich", "Oeste de Greenwich"};
}  // namespace timezone

}  // namespace vantorel
