#pragma once

#include <vector>

#include "engine/TimeZone.h"
#include "satellites/GalileanPhenomenaSearch.h"
#include "tonight/NightPlan.h"

// The events other parts of the program find, gathered as night events: each
// comes from the very search behind its own list (the day's satellite
// phenomena, the Red Spot transits, the Lunar X, the Moon's phases, the
// conjunction search, the Mars seasons), run with the zone offset
// `searchOffsetMinutes` as those lists run with the settings' zone. Each
// event keeps the local minute its search gave, moved by whole minutes when
// the zone's offset at the event differs (a change to or from summer time).

namespace vantorel {

// The satellite phenomena of a local day, as the phenomena list has them
// (from the yearly file when there is one, else computed).
std::vector<NightEvent> satellitePhenomenaOfDay(const LocalMinute& day, int searchOffsetMinutes,
                                                const TimeZone& zone);
// The Red Spot's transits of a local day at the System II longitude.
std::vector<NightEvent> redSpotTransitsOfDay(const LocalMinute& day, int searchOffsetMinutes,
                                             const TimeZone& zone, int redSpotLongitude);
// A local day's satellite phenomena and Red Spot transits, searched once:
// consecutive nights share a day, and a calendar of many nights searches each
// day only once. Keeps the last few days.
class JupiterDayEvents {
public:
    const std::vector<NightEvent>& of(const LocalMinute& day, int searchOffsetMinutes,
                                      const TimeZone& zone, int redSpotLongitude);

private:
    struct Day {
        LocalMinute day;
        int offset = 0;
        int longitude = 0;
        std::vector<NightEvent> events;
    };
    std::vector<Day> days_;
};

// The Lunar X of every first quarter from `fromJd` - 3 days to `toJd` + 3
// days, whatever the sky (the caller judges the visibility).
std::vector<NightEvent> lunarXBetween(double fromJd, double toJd, int searchOffsetMinutes,
                                      const TimeZone& zone);
// The principal phases between the two instants.
std::vector<NightEvent> moonPhasesBetween(double fromJd, double toJd, int searchOffsetMinutes,
                                          const TimeZone& zone);
// Conjunctions, oppositions and greatest elongations of Mercury to Neptune
// between the two instants.
std::vector<NightEvent> planetPhenomenaBetween(double fromJd, double toJd,
                                               int searchOffsetMinutes, const TimeZone& zone);
// The beginnings of the Mars seasons between the two instants.
std::vector<NightEvent> marsSeasonsBetween(double fromJd, double toJd, int searchOffsetMinutes,
                                           const TimeZone& zone);

// The local minute `local`, read in the offset `searchOffsetMinutes`, in the
// zone's offset at the instant `jdUt`.
LocalMinute inZoneAt(const LocalMinute& local, int searchOffsetMinutes, double jdUt,
                     const TimeZone& zone);

// The planet whose conjunction-search index is `index` (0, 2 ... 12).
NightBody phenomenaPlanet(int index);

}  // namespace vantorel
