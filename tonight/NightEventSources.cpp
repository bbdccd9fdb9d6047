#include "tonight/NightEventSources.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

#include "common/settings/Settings.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/Jupiter.h"
#include "engine/Mars.h"
#include "moon/MoonDocument.h"
#include "satellites/JupiterMotion.h"
#include "satellites/JupiterSystem.h"
#include "satellites/PhenomenaFiles.h"
#include "satellites/RedSpotSearch.h"
#include "sky/ConjunctionSearch.h"
#include "sky/MarsSeasonSearch.h"
#include "tonight/NightClock.h"

namespace vantorel {

namespace {

struct SearchZone {
    int hours = 0, minutes = 0;
    TimeZone fixed;
    explicit SearchZone(int offsetMinutes) : fixed(TimeZone::fixed(offsetMinutes)) {
        recordZone(offsetMinutes, hours, minutes);
    }
};

NightEvent eventAt(NightEventKind kind, NightBody body, const LocalMinute& local,
                   const SearchZone& search, int searchOffset, const TimeZone& zone) {
    NightEvent e;
    e.kind = kind;
    e.body = body;
    e.jd = universalJd(local, search.fixed);
    e.local = inZoneAt(local, searchOffset, e.jd, zone);
    return e;
}

// The first of each month from the month of `fromJd` to that of `toJd`,
// local dates in the search's offset.
std::vector<std::pair<int, int>> monthsBetween(double fromJd, double toJd, const TimeZone& fixed,
                                               int monthsBefore = 0) {
    const LocalMinute a = localClock(fromJd, fixed), b = localClock(toJd, fixed);
    std::vector<std::pair<int, int>> out;
    int year = a.year, month = a.month - monthsBefore;
    while (month < 1) {
        month += 12;
        --year;
    }
    for (int guard = 0; guard < 1200 && (year < b.year || (year == b.year && month <= b.month));
         ++guard) {
        out.emplace_back(year, month);
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    return out;
}

void sortByTime(std::vector<NightEvent>& events) {
    std::stable_sort(events.begin(), events.end(),
                     [](const NightEvent& a, const NightEvent& b) { return a.jd < b.jd; });
}

}  // namespace

LocalMinute inZoneAt(const LocalMinute& local, int searchOffsetMinutes, double jdUt,
                     const TimeZone& zone) {
    const int shift = zone.offsetMinutesAtUtc(jdUt) - searchOffsetMinutes;
    return shift == 0 ? local : shiftClock(local, shift);
}

NightBody phenomenaPlanet(int index) {
    switch (index) {
    case kPhenomenaMercury: return NightBody::Mercury;
    case kPhenomenaVenus: return NightBody::Venus;
    case kPhenomenaMars: return NightBody::Mars;
    case kPhenomenaJupiter: return NightBody::Jupiter;
    case kPhenomenaSaturn: return NightBody::Saturn;
    case kPhenomenaUranus: return NightBody::Uranus;
    default: return NightBody::Neptune;
    }
}

std::vector<NightEvent> satellitePhenomenaOfDay(const LocalMinute& day, int searchOffset,
                                                const TimeZone& zone) {
    const SearchZone search(searchOffset);
    JupiterSystem jupiter;
    EarthSun es;
    JupiterMotion motion(jupiter, es);
    findDayPhenomena({day.year, day.month, day.day, 0, 0}, search.fixed, jupiter,
                     motion, SearchMode::Fast);
    std::vector<NightEvent> out;
    for (int i = 0; i < jupiter.rows.count(); ++i) {
        const PhenomenonRow& r = jupiter.rows[i];
        if (r.hour < 0 || r.minute < 0) continue;
        NightEvent e = eventAt(NightEventKind::SatellitePhenomenon, NightBody::Jupiter,
                               {day.year, day.month, day.day, r.hour, r.minute}, search,
                               searchOffset, zone);
        e.code = r.code;
        e.satellite = r.satellite;
        out.push_back(e);
    }
    return out;
}

std::vector<NightEvent> redSpotTransitsOfDay(const LocalMinute& day, int searchOffset,
                                             const TimeZone& zone, int redSpotLongitude) {
    const SearchZone search(searchOffset);
    Jupiter jupiter;
    EarthSun es;
    DateTime dt;
    dt.setLocal(day.year, day.month, day.day, 0, 0, search.hours, search.minutes);
    const RedSpotTransits t = findRedSpotTransits(dt, es, jupiter, redSpotLongitude);
    std::vector<NightEvent> out;
    for (int k = 0; k < t.count; ++k)
        out.push_back(eventAt(NightEventKind::RedSpotTransit, NightBody::Jupiter,
                              {day.year, day.month, day.day, t.hour[k], t.minute[k]}, search,
                              searchOffset, zone));
    return out;
}

const std::vector<NightEvent>& JupiterDayEvents::of(const LocalMinute& day, int searchOffset,
                                                    const TimeZone& zone, int longitude) {
    for (const Day& d : days_)
        if (d.day.year == day.year && d.day.month == day.month && d.day.day == day.day &&
            d.offset == searchOffset && d.longitude == longitude)
            return d.events;
    constexpr size_t kKept = 4;
    if (days_.size() >= kKept) days_.erase(days_.begin());
    Day d{day, searchOffset, longitude, satellitePhenomenaOfDay(day, searchOffset, zone)};
    const std::vector<NightEvent> spots = redSpotTransitsOfDay(day, searchOffset, zone, longitude);
    d.events.insert(d.events.end(), spots.begin(), spots.end());
    days_.push_back(std::move(d));
    return days_.back().events;
}

std::vector<NightEvent> lunarXBetween(double fromJd, double toJd, int searchOffset,
                                      const TimeZone& zone) {
    const SearchZone search(searchOffset);
    Settings settings;
    settings.zoneHours = search.hours;
    settings.zoneMinutes = search.minutes;
    MoonDocument doc(settings);
    const double offsetDays = searchOffset / 1440.0;
    // The phase table of a month holds the first quarters of about a year
    // from two months before it; a document every ten months covers the span.
    std::set<double> seen;
    std::vector<MoonPhaseRecord> quarters;
    const auto months = monthsBetween(fromJd - 3, toJd + 3, search.fixed);
    for (size_t i = 0; i < months.size(); i += 10) {
        doc.setDate(months[i].first, months[i].second, 1, 0, 0);
        for (const MoonPhaseRecord& q : doc.moon.firstQuarters) {
            if (q.empty()) continue;
            const double jd = q.julianDay - offsetDays;
            if (jd < fromJd - 3 || jd > toJd + 3 || !seen.insert(q.julianDay).second) continue;
            quarters.push_back(q);
        }
    }
    std::vector<NightEvent> out;
    for (const MoonPhaseRecord& q : quarters) {
        const std::optional<CalendarTime> c = doc.searchLunarXOfQuarter(q);
        if (!c) continue;
        NightEvent e = eventAt(NightEventKind::LunarX, NightBody::Moon,
                               {c->year, c->month, c->day, c->hours, c->minutes}, search,
                               searchOffset, zone);
        if (e.jd >= fromJd && e.jd <= toJd) out.push_back(e);
    }
    sortByTime(out);
    return out;
}

std::vector<NightEvent> moonPhasesBetween(double fromJd, double toJd, int searchOffset,
                                          const TimeZone& zone) {
    const SearchZone search(searchOffset);
    Settings settings;
    settings.zoneHours = search.hours;
    settings.zoneMinutes = search.minutes;
    MoonDocument doc(settings);
    const double offsetDays = searchOffset / 1440.0;
    std::set<double> seen;
    std::vector<NightEvent> out;
    // Each month's table holds its phases and the next month's.
    for (const auto& [year, month] : monthsBetween(fromJd, toJd, search.fixed)) {
        doc.setDate(year, month, 1, 0, 0);
        for (const MoonPhaseRecord& r : doc.moon.monthPhases) {
            if (r.empty()) continue;
            const double jd = r.julianDay - offsetDays;
            if (jd < fromJd || jd > toJd || !seen.insert(r.julianDay).second) continue;
            NightEvent e;
            e.kind = NightEventKind::MoonPhase;
            e.body = NightBody::Moon;
            e.jd = jd;
            e.local = inZoneAt({r.year, r.month, r.day, r.hour, r.minute}, searchOffset, jd, zone);
            e.code = r.kind;
            out.push_back(e);
        }
    }
    sortByTime(out);
    return out;
}

std::vector<NightEvent> planetPhenomenaBetween(double fromJd, double toJd, int searchOffset,
                                               const TimeZone& zone) {
    const SearchZone search(searchOffset);
    std::set<std::pair<int, double>> seen;
    std::vector<NightEvent> out;
    // The search gives the next event of each kind from the first of a
    // month; its corrections move an event up to a few weeks from the mean
    // one, so the months before the span are searched too.
    const auto months = monthsBetween(fromJd, toJd, search.fixed, 2);
    for (int index = kPhenomenaMercury; index <= kPhenomenaNeptune; index += 2) {
        for (const auto& [year, month] : months) {
            DateTime dt;
            dt.setLocal(year, month, 1, 0, 0, search.hours, search.minutes);
            dt.computeDate();
            ConjunctionSearch list(0, 0);
            list.searchPhenomena(dt, index);
            for (int i = 0; i < list.count; ++i) {
                const ConjunctionSearch::Event& ev = list.events[i];
                const double jd = ev.jde - deltaTSeconds(ev.year) / 86400.0;
                if (jd < fromJd || jd > toJd || !seen.insert({index * 10 + ev.kind, ev.jde}).second)
                    continue;
                NightEvent e;
                e.kind = NightEventKind::PlanetPhenomenon;
                e.body = phenomenaPlanet(index);
                e.jd = jd;
                e.local = inZoneAt({ev.year, ev.month, ev.day, ev.hour, 0}, searchOffset, jd, zone);
                e.code = ev.kind;
                e.valueDeg = ev.elongationDeg;
                e.hourOnly = true;
                out.push_back(e);
            }
        }
    }
    sortByTime(out);
    return out;
}

std::vector<NightEvent> marsSeasonsBetween(double fromJd, double toJd, int searchOffset,
                                           const TimeZone& zone) {
    const SearchZone search(searchOffset);
    const LocalMinute a = localClock(fromJd, search.fixed), b = localClock(toJd, search.fixed);
    Mars mars;
    DateTime dt;
    dt.setLocal(a.year, 1, 1, 0, 0, search.hours, search.minutes);
    MarsSeasonSearchResult list;
    searchMarsSeasons(mars, dt, b.year, 0, 0, list);
    std::vector<NightEvent> out;
    for (int i = 0; i < list.count; ++i) {
        const MarsSeasonSearchResult::Event& ev = list.events[i];
        if (ev.julianDay < fromJd || ev.julianDay > toJd) continue;
        NightEvent e;
        e.kind = NightEventKind::MarsSeason;
        e.body = NightBody::Mars;
        e.jd = ev.julianDay;
        const CalendarTime& c = ev.local;
        e.local = inZoneAt({c.year, c.month, c.day, c.hours, c.minutes}, searchOffset, e.jd, zone);
        e.code = ev.boundary;
        out.push_back(e);
    }
    return out;
}

}  // namespace vantorel
