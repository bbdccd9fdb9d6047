#include "planets/DataTableDocument.h"

#include <cstdio>

#include "common/settings/Settings.h"
#include "engine/BodySequence.h"
#include "engine/Clock.h"
#include "moon/MoonPlace.h"
#include "planets/PanelText.h"
#include "satellites/RedSpotSearch.h"

namespace vantorel {

namespace {

std::string clockText(int hour, int minute) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d: %02d", hour, minute);
    return buf;
}

}  // namespace

DataTableDocument::DataTableDocument(const DateTime& blank, const Settings& settings)
    : dt(blank), settings_(settings) {
    // No planet shows a central longitude before its first computation.
    for (int i = 0; i < kPlanetCount; ++i) {
        Planet& p = planetAt(i);
        p.centralLongitude = p.system2 = p.system1Corrected = p.system2Corrected = 0;
    }
}

Planet& DataTableDocument::planetAt(int index) {
    switch (index) {
    case kMercury: return mercury;
    case kVenus: return venus;
    case kMars: return mars;
    case kJupiter: return jupiter;
    case kSaturn: return saturn;
    case kUranus: return uranus;
    case kNeptune: return neptune;
    default: return pluto;
    }
}

const Planet& DataTableDocument::planet(int index) const {
    return const_cast<DataTableDocument*>(this)->planetAt(index);
}

const std::string& DataTableDocument::eventText(int planetIndex, int event) const {
    static const std::string none;
    if (planetIndex < 0 || planetIndex >= kPlanetCount || event < 0 || event > 2) return none;
    return events_[static_cast<size_t>(planetIndex * 3 + event)];
}

void DataTableDocument::initialise(const Clock& clock) {
    const LocalClockReading now = clock.now();
    dt.setLocal(now.year, now.month, now.day, now.hour, now.minute, settings_.zoneHours,
                settings_.zoneMinutes);
    computeTable();
}

void DataTableDocument::computeTable() {
    ++computeCount_;
    for (std::string& e : events_) e.clear();
    settings_.placeSite(dt);
    const double latitude = settings_.latitude;

    // Each planet runs the sequence of its own window: the rise, transit and
    // set of the local day, then its place and physical data at the instant,
    // so a row reads exactly as that planet's window does.
    for (int i = 0; i < kPlanetCount; ++i) {
        computeBodyDocument(dt, earthSun, planetPlace(planetAt(i)), latitude);
        events_[static_cast<size_t>(i * 3)] =
            dt.riseOnDate ? clockText(dt.riseHour, dt.riseMinute) : kNoEventTime;
        events_[static_cast<size_t>(i * 3 + 1)] =
            dt.transitOnDate ? clockText(dt.transitHour, dt.transitMinute) : kNoEventTime;
        events_[static_cast<size_t>(i * 3 + 2)] =
            dt.setOnDate ? clockText(dt.setHour, dt.setMinute) : kNoEventTime;
    }

    // The Red Spot's transits of the local day leave Jupiter at the instant.
    redSpotTimes_ = findRedSpotTransits(dt, earthSun, jupiter, settings_.redSpotLongitude).slots;

    // The Moon needs the Sun's disc longitude of this same instant: its
    // sequence computes the Sun's physical data before the Moon.
    computeInstant(dt, earthSun, moonPlace(moon));
    // The Sun last, so earthSun holds the Sun at the instant.
    computeInstant(dt, earthSun, sunPlace());
}

}  // namespace vantorel
