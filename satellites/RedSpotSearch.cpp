#include "satellites/RedSpotSearch.h"

#include <cmath>
#include <cstdio>

#include "engine/BodySequence.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/Jupiter.h"
#include "satellites/GalileanPhenomenaSearch.h"

namespace vantorel {

RedSpotTransits findRedSpotTransits(DateTime& dt, EarthSun& es, Jupiter& jupiter,
                                    int longitude) {
    RedSpotTransits out;
    const DateTime saved = dt;
    const int year = static_cast<int>(dt.localYear), month = static_cast<int>(dt.localMonth),
              day = static_cast<int>(dt.localDay);
    const int zoneHours = saved.zoneHours, zoneMinutes = saved.zoneMinutes;
    const BodyPlace place = planetPlace(jupiter);
    // A named zone's day is walked in universal time, as long as it lasts (23
    // or 25 hours when summer time starts or ends), and each transit shown
    // with the offset in force then; a fixed zone's by its clock.
    const std::optional<TimeZone> named = saved.namedZone;
    const long startOffset = named ? named->offsetMinutesForLocal(year, month, day, 0, 0) : 0;
    const long dayMinutes = named ? localSpanMinutes(*named, {year, month, day, 0, 0}) : 1440;
    DateTime universal;
    auto system2At = [&](long minute) {
        if (named) {
            const LocalMinute ut = addMinutes(year, month, day, minute - startOffset);
            universal.setLocal(ut.year, ut.month, ut.day, ut.hour, ut.minute, 0, 0);
            computeInstant(universal, es, place);
        } else {
            const LocalMinute m = addMinutes(year, month, day, minute);
            dt.setLocal(m.year, m.month, m.day, m.hour, m.minute, zoneHours, zoneMinutes);
            computeInstant(dt, es, place);
        }
        ++out.computations;
        return jupiter.system2Deg;
    };
    // The clock's minutes since 00:00 at `minute` of the day.
    auto clockMinute = [&](long minute) {
        if (!named) return minute;
        return minute - startOffset + named->offsetMinutesAtUtc(universal.JD);
    };

    long elapsed = 0;
    if (longitude >= 0 && longitude <= 359) {
        const double first = system2At(0);
        if (std::floor(first) > longitude)
            elapsed += 60L * static_cast<long>((360.0 - first + longitude) / kSystem2DegreesPerHour);
        while (elapsed < dayMinutes && out.count < 3) {
            if (static_cast<int>(std::floor(system2At(elapsed))) == longitude) {
                const int k = out.count++;
                const long clock = clockMinute(elapsed);
                out.hour[k] = static_cast<int>(clock / 60);
                out.minute[k] = static_cast<int>(clock % 60);
                char text[16];
                std::snprintf(text, sizeof text, "%02.0f: %02.0f", static_cast<double>(out.hour[k]),
                              static_cast<double>(out.minute[k]));
                out.slots[static_cast<size_t>(k)] = text;
                elapsed += kRedSpotJumpMinutes;
            }
            elapsed += 1;
        }
    }
    dt = saved;
    computeInstant(dt, es, place);
    dt = saved;
    return out;
}

}  // namespace vantorel
