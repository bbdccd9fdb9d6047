// vantorel-cli tonight: the plan of one night at the site, as the Tonight
// window shows it.
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliListOptions.h"
#include "cli/NightCommand.h"
#include "tonight/NightPlanText.h"

namespace vantorel::cli {
namespace {

std::string optionalInstant(const std::optional<double>& jd, const TimeZone& zone) {
    return jd ? instantJson(*jd, zone) : "null";
}

std::string intervalsJson(const std::vector<TimeInterval>& list, const TimeZone& zone) {
    std::string json = "[";
    for (size_t i = 0; i < list.size(); ++i)
        json += (i ? "," : "") + std::string("{\"begin\":") + instantJson(list[i].begin, zone) +
                ",\"end\":" + instantJson(list[i].end, zone) + "}";
    return json + "]";
}

std::string eventsJson(const std::vector<NightEvent>& events, int language) {
    std::string json = "[";
    for (size_t i = 0; i < events.size(); ++i) json += (i ? "," : "") + nightEventJson(events[i], language);
    return json + "]";
}

const char* const kVisibilityKeys[4] = {"observable", "no_dark_sky", "not_up_in_dark_sky",
                                        "too_low_in_dark_sky"};

std::string bodyJson(const BodyNight& b, const TimeZone& zone) {
    std::string json = "{\"body\":" + jsonString(nightBodyKey(b.body)) +
                       ",\"rise\":" + optionalInstant(b.rise, zone) +
                       ",\"transit\":" + optionalInstant(b.transit, zone) +
                       ",\"transit_altitude_deg\":" + fullPrecision(b.transitAltitudeDeg) +
                       ",\"set\":" + optionalInstant(b.set, zone) +
                       ",\"always_up\":" + (b.alwaysUp ? "true" : "false") +
                       ",\"never_up\":" + (b.neverUp ? "true" : "false") +
                       ",\"up\":" + intervalsJson(b.up, zone) +
                       ",\"observable\":" + intervalsJson(b.observable, zone) +
                       ",\"visibility\":" + jsonString(kVisibilityKeys[static_cast<int>(b.visibility)]);
    json += ",\"best\":";
    if (b.best)
        json += "{\"at\":" + instantJson(b.best->jd, zone) +
                ",\"altitude_deg\":" + fullPrecision(b.best->altitudeDeg) + "}";
    else
        json += "null";
    return json;
}

std::string planetJson(const BodyNight& b, const TimeZone& zone) {
    std::string json = bodyJson(b, zone);
    json += ",\"figures\":{\"at\":" + instantJson(b.figuresJd, zone) +
            ",\"magnitude\":" + fullPrecision(b.magnitude) +
            ",\"diameter_arcsec\":" + fullPrecision(b.diameterArcsec) +
            ",\"illuminated_fraction\":" + fullPrecision(b.illuminatedFraction) +
            ",\"elongation_deg\":" + fullPrecision(b.elongationDeg);
    if (b.centralLongitudeDeg) json += ",\"central_longitude_deg\":" + fullPrecision(*b.centralLongitudeDeg);
    if (b.system1Deg) json += ",\"system1_deg\":" + fullPrecision(*b.system1Deg);
    if (b.system2Deg) json += ",\"system2_deg\":" + fullPrecision(*b.system2Deg);
    return json + "}}";
}

void printJson(const NightPlan& plan, int lang, int dateFormat, std::ostream& out) {
    const TimeZone& zone = plan.request.site.zone;
    const NightRequest& rq = plan.request;
    const SunNight& s = plan.sun;
    out << "{\"date\":" << jsonString(isoDateTime(rq.year, rq.month, rq.day, 0, 0).substr(0, 10))
        << ",\"title\":" << jsonString(nightTitle(plan, lang, dateFormat))
        << ",\"site\":{\"latitude_deg\":" << fullPrecision(rq.site.latitudeDeg)
        << ",\"longitude_deg\":" << fullPrecision(plan.siteLongitudeDeg)
        << ",\"longitude_given\":" << (rq.site.longitudeDeg ? "true" : "false")
        << ",\"zone\":" << jsonString(rq.site.zone.isFixed() ? "" : rq.site.zone.name())
        << ",\"offset_minutes\":" << plan.searchOffsetMinutes << "}"
        << ",\"day\":{\"begin\":" << instantJson(plan.dayBegin, zone) << ",\"end\":" << instantJson(plan.dayEnd, zone)
        << "},\"span\":{\"begin\":" << instantJson(plan.spanBegin, zone)
        << ",\"end\":" << instantJson(plan.spanEnd, zone) << "},\"middle\":" << instantJson(plan.middle, zone);
    out << ",\"sun\":{\"set\":" << optionalInstant(s.set, zone)
        << ",\"civil_dusk\":" << optionalInstant(s.civilDusk, zone)
        << ",\"nautical_dusk\":" << optionalInstant(s.nauticalDusk, zone)
        << ",\"astronomical_dusk\":" << optionalInstant(s.astronomicalDusk, zone)
        << ",\"astronomical_dawn\":" << optionalInstant(s.astronomicalDawn, zone)
        << ",\"nautical_dawn\":" << optionalInstant(s.nauticalDawn, zone)
        << ",\"civil_dawn\":" << optionalInstant(s.civilDawn, zone)
        << ",\"rise\":" << optionalInstant(s.rise, zone)
        << ",\"lowest\":{\"at\":" << instantJson(s.lowest.jd, zone)
        << ",\"altitude_deg\":" << fullPrecision(s.lowest.altitudeDeg) << "}"
        << ",\"highest_deg\":" << fullPrecision(s.highestDeg)
        << ",\"dark_sky\":" << intervalsJson(s.darkSky, zone) << "}";
    const MoonNight& m = plan.moon;
    out << ",\"moon\":" << bodyJson(m.track, zone) << ",\"figures\":{\"at\":" << instantJson(m.figuresJd, zone)
        << ",\"phase_name\":" << jsonString(moonPhaseNameText(m.phaseName, kEnglish))
        << ",\"phase_index\":" << m.phaseName
        << ",\"illuminated_fraction\":" << fullPrecision(m.illuminatedFraction)
        << ",\"age_days\":" << fullPrecision(m.ageDays)
        << ",\"colongitude_deg\":" << fullPrecision(m.colongitudeDeg) << "}}";
    out << ",\"planets\":[";
    for (size_t i = 0; i < plan.planets.size(); ++i) out << (i ? "," : "") << planetJson(plan.planets[i], zone);
    out << "],\"events\":" << eventsJson(plan.skyEvents, lang)
        << ",\"jupiter_events\":" << eventsJson(plan.jupiterEvents, lang)
        << ",\"lunar_x\":" << eventsJson(plan.lunarX, lang)
        << ",\"nearby\":" << eventsJson(plan.nearby, lang) << "}\n";
}

void printText(const NightPlan& plan, int lang, int dateFormat, std::ostream& out) {
    out << nightTitle(plan, lang, dateFormat) << "\n";
    for (const NightTextSection& section : nightPlanSections(plan, lang, dateFormat)) {
        out << "\n" << section.title << "\n";
        for (const NightTextRow& row : section.rows) {
            std::string time = row.time;
            if (time.size() < 16) time.resize(16, ' ');
            out << "  " << time << " " << row.text << "\n";
        }
    }
}

int runTonight(const CliValues& values, std::ostream& out, std::ostream&) {
    const ListOptions options = listOptions(values);
    const NightPlan plan = computeNightPlan(nightRequestFrom(values, values.date("date")));
    if (options.json)
        printJson(plan, options.language, options.dateFormat, out);
    else
        printText(plan, options.language, options.dateFormat, out);
    return 0;
}

std::vector<CliOption> tonightOptions() {
    std::vector<CliOption> own = {dateOption("date", "local date the night begins on").required()};
    for (CliOption& o : nightSiteOptions()) own.push_back(std::move(o));
    return withListArguments(std::move(own));
}

const CommandSyntax kSyntax{
    "tonight",
    "The plan of a night at the site: twilights, the Moon, the planets, Jupiter's events and what falls within three days.",
    {},
    tonightOptions(),
    "tonight --date 2024-03-14 --zone +1 --lat 48.85 --lon 2.35"};
const CliCommandRegistrar registrar(kSyntax, runTonight);

}  // namespace
}  // namespace vantorel::cli
