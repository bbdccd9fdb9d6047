#include "tonight/IcsCalendar.h"

#include <libical/ical.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace vantorel {

namespace {

std::time_t unixSeconds(double jdUt) {
    return static_cast<std::time_t>(std::llround((jdUt - 2440587.5) * 86400.0));
}

icaltimetype utcTime(double jdUt) {
    return icaltime_from_timet_with_zone(unixSeconds(jdUt), 0, icaltimezone_get_utc_timezone());
}

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};

}  // namespace

std::string icsUtcStamp(double jdUt) {
    const std::time_t t = unixSeconds(jdUt);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y%m%dT%H%M%SZ", &tm);
    return buf;
}

std::string icsText(const std::vector<CalendarEntry>& entries, double stampJdUt) {
    std::unique_ptr<icalcomponent, ComponentFree> calendar(icalcomponent_vanew(
        ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
        icalproperty_new_prodid("-//Vantorel//Tonight at the eyepiece//EN"),
        icalproperty_new_calscale("GREGORIAN"), icalproperty_new_method(ICAL_METHOD_PUBLISH),
        static_cast<void*>(nullptr)));
    const icaltimetype stamp = utcTime(stampJdUt);
    for (const CalendarEntry& e : entries) {
        icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_add_property(event, icalproperty_new_uid(e.uid.c_str()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
        icalcomponent_add_property(event, icalproperty_new_dtstart(utcTime(e.startJdUt)));
        if (e.durationMinutes > 0)
            icalcomponent_add_property(
                event, icalproperty_new_dtend(utcTime(e.startJdUt + e.durationMinutes / 1440.0)));
        icalcomponent_add_property(event, icalproperty_new_summary(e.summary.c_str()));
        if (!e.description.empty())
            icalcomponent_add_property(event, icalproperty_new_description(e.description.c_str()));
        if (!e.location.empty())
            icalcomponent_add_property(event, icalproperty_new_location(e.location.c_str()));
        if (e.geo) {
            icalgeotype geo;
            geo.lat = e.geo->first;
            geo.lon = e.geo->second;
            icalcomponent_add_property(event, icalproperty_new_geo(geo));
        }
        if (!e.category.empty())
            icalcomponent_add_property(event, icalproperty_new_categories(e.category.c_str()));
        // An event in the sky does not make the observer busy.
        icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        icalcomponent_add_component(calendar.get(), event);
    }
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    std::string out = text ? text : "";
    std::free(text);
    return out;
}

}  // namespace vantorel
