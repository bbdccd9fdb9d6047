#include "tonight/TonightDocument.h"

#include "engine/Clock.h"
#include "tonight/NightClock.h"

namespace vantorel {

NightSite nightSiteOf(const Settings& settings) {
    NightSite site;
    site.latitudeDeg = settings.latitude;
    site.longitudeDeg = settings.longitude;
    site.zone = TimeZone::fixed(static_cast<int>(zoneInMinutes(settings.zoneHours, settings.zoneMinutes)));
    return site;
}

TonightDocument::TonightDocument(const Settings& settings) : settings_(settings) {}

void TonightDocument::newDocument(const Clock& clock) {
    if (settings_.useCommonDate) {
        const DateTime& c = settings_.commonDate;
        dateTime.setLocal(static_cast<int>(c.localYear), static_cast<int>(c.localMonth),
                          static_cast<int>(c.localDay), static_cast<int>(c.localHour),
                          static_cast<int>(c.localMinute), settings_.zoneHours, settings_.zoneMinutes);
    } else {
        setFromClock(dateTime, clock);
    }
    compute();
}

void TonightDocument::setDate(int year, int month, int day, int hour, int minute) {
    dateTime.setLocal(year, month, day, hour, minute, settings_.zoneHours, settings_.zoneMinutes);
    compute();
}

LocalMinute TonightDocument::nightDate() const {
    const LocalMinute now{static_cast<int>(dateTime.localYear), static_cast<int>(dateTime.localMonth),
                          static_cast<int>(dateTime.localDay), 0, 0};
    return dateTime.localHour < 12 ? shiftClock(now, -1440) : now;
}

NightRequest TonightDocument::request() const {
    NightRequest rq;
    const LocalMinute night = nightDate();
    rq.year = night.year;
    rq.month = night.month;
    rq.day = night.day;
    rq.site = nightSiteOf(settings_);
    rq.redSpotLongitude = settings_.redSpotLongitude >= 0 && settings_.redSpotLongitude <= 359
                              ? settings_.redSpotLongitude
                              : 80;
    return rq;
}

void TonightDocument::compute() {
    settings_.placeSite(dateTime);
    plan_ = computeNightPlan(request());
}

}  // namespace vantorel
