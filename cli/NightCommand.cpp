#include "cli/NightCommand.h"

#include <cmath>

#include "cli/CliListOptions.h"
#include "tonight/NightClock.h"
#include "tonight/NightPlanText.h"

namespace vantorel::cli {

std::vector<CliOption> nightSiteOptions() {
    return {
        doubleOption("lat", -90, 90, "site latitude, degrees, north positive").byDefault("0").named("DEG"),
        doubleOption("lon", -180, 180,
                     "site longitude, degrees, east positive; without it the centre of the zone")
            .named("DEG"),
        intOption("grs-longitude", 0, 359, "System II longitude of the Red Spot, degrees").byDefault("80"),
        cityArgument(),
    };
}

NightSite nightSiteFrom(const CliValues& values) {
    NightSite site;
    site.latitudeDeg = values.number("lat");
    if (values.has("lon")) site.longitudeDeg = values.number("lon");
    const ZoneArg zone = values.zone("zone");
    site.zone = TimeZone::fixed(static_cast<int>(zoneInMinutes(zone.hours, zone.minutes)));
    // A named zone (--tz, or the city's own) follows summer time.
    if (const std::optional<TimeZone> named = namedZoneOf(values)) site.zone = *named;
    if (const std::optional<City> city = values.city("city")) {
        site.latitudeDeg = city->latitudeDeg;
        site.longitudeDeg = city->longitudeDeg;
    }
    return site;
}

NightRequest nightRequestFrom(const CliValues& values, const CivilDate& date) {
    NightRequest rq;
    rq.year = date.year;
    rq.month = date.month;
    rq.day = date.day;
    rq.site = nightSiteFrom(values);
    rq.redSpotLongitude = values.toInt("grs-longitude");
    return rq;
}

std::string instantJson(double jd, const TimeZone& zone) {
    const LocalMinute m = localClock(jd, zone);
    return "{\"jd\":" + fullPrecision(jd) + ",\"local\":" +
           jsonString(isoDateTime(m.year, m.month, m.day, m.hour, m.minute)) + "}";
}

std::string nightEventJson(const NightEvent& e, int language) {
    std::string json = "{\"kind\":" + jsonString(nightEventKey(e.kind)) +
                       ",\"body\":" + jsonString(nightBodyKey(e.body)) + ",\"jd\":" + fullPrecision(e.jd) +
                       ",\"local\":" +
                       jsonString(isoDateTime(e.local.year, e.local.month, e.local.day, e.local.hour,
                                              e.local.minute));
    if (e.kind == NightEventKind::SatellitePhenomenon)
        json += ",\"satellite\":" + std::to_string(e.satellite) + ",\"code\":" + std::to_string(e.code);
    if (e.kind == NightEventKind::MoonPhase || e.kind == NightEventKind::PlanetPhenomenon ||
        e.kind == NightEventKind::MarsSeason)
        json += ",\"code\":" + std::to_string(e.code);
    if (e.hourOnly) json += ",\"hour_only\":true";
    if (!std::isnan(e.altitudeDeg)) json += ",\"altitude_deg\":" + fullPrecision(e.altitudeDeg);
    if (!std::isnan(e.valueDeg)) json += ",\"elongation_deg\":" + fullPrecision(e.valueDeg);
    json += std::string(",\"observable\":") + (e.observable ? "true" : "false");
    json += ",\"text\":" + jsonString(nightEventText(e, language)) + "}";
    return json;
}

}  // namespace vantorel::cli
