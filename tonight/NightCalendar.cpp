#include "tonight/NightCalendar.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "common/files/SafeFile.h"
#include "engine/DateTime.h"
#include "tonight/NightClock.h"
#include "tonight/NightEventSources.h"
#include "tonight/NightPlanText.h"

namespace vantorel {

namespace {

const TextTriple kNightsRefused{"The number of nights must lie between 1 and 366.",
                                "Le nombre de nuits doit \u00eatre compris entre 1 et 366.",
                                "El n\u00famero de noches debe estar entre 1 y 366."};
const TextTriple kYearsRefused{"The nights must fall within the years 1985 to 2050.",
                               "Les nuits doivent tomber entre 1985 et 2050.",
                               "Las noches deben caer entre 1985 y 2050."};
const TextTriple kExists{"The file already exists and was left as it is: %s",
                         "Le fichier existe d\u00e9j\u00e0 et n'a pas \u00e9t\u00e9 remplac\u00e9 : %s",
                         "El archivo ya existe y no se ha reemplazado: %s"};
const TextTriple kNotWritten{"The calendar could not be written: %s",
                             "Le calendrier n'a pas pu \u00eatre \u00e9crit : %s",
                             "No se ha podido escribir el calendario: %s"};
const TextTriple kLocalTime{"Local time %s (%s).", "Heure locale %s (%s).", "Hora local %s (%s)."};
const TextTriple kJupiterHigh{"Jupiter %.0f\u00b0 above the horizon.",
                              "Jupiter \u00e0 %.0f\u00b0 au-dessus de l'horizon.",
                              "J\u00fapiter a %.0f\u00b0 sobre el horizonte."};
const TextTriple kMoonHigh{"The Moon %.0f\u00b0 above the horizon.",
                           "La Lune \u00e0 %.0f\u00b0 au-dessus de l'horizon.",
                           "La Luna a %.0f\u00b0 sobre el horizonte."};
const TextTriple kToTheHour{"Instant to the hour.", "Instant \u00e0 l'heure pr\u00e8s.",
                            "Instante a la hora."};
const TextTriple kSite{"Site: %s.", "Site : %s.", "Sitio: %s."};
const TextTriple kCategory{"Astronomy", "Astronomie", "Astronom\u00eda"};

std::string printf1(const char* fmt, const char* a, const char* b = "") {
    char buf[512];
    std::snprintf(buf, sizeof buf, fmt, a, b);
    return buf;
}

std::string printfNumber(const char* fmt, double v) {
    char buf[256];
    std::snprintf(buf, sizeof buf, fmt, v);
    return buf;
}

std::string zoneLabel(const TimeZone& zone, double jd) {
    if (!zone.isFixed()) return zone.name();
    const int off = zone.offsetMinutesAtUtc(jd);
    char buf[32];
    std::snprintf(buf, sizeof buf, "UTC%c%02d:%02d", off < 0 ? '-' : '+', std::abs(off) / 60,
                  std::abs(off) % 60);
    return buf;
}

// The events that read as "Body: ..." already; the others get the body first.
bool namesItsBody(const NightEvent& e) {
    return e.kind == NightEventKind::PlanetPhenomenon || e.kind == NightEventKind::MarsSeason;
}

}  // namespace

std::string validateCalendarRequest(const CalendarRequest& rq) {
    const int lang = rq.language;
    if (rq.nights < 1 || rq.nights > kMaxCalendarNights) return kNightsRefused(lang);
    DateTime first;
    first.setLocal(rq.first.year, rq.first.month, rq.first.day, 0, 0, 0, 0);
    if (first.validateDate() != kDateValid) return kYearsRefused(lang);
    const LocalMinute last =
        shiftClock({rq.first.year, rq.first.month, rq.first.day, 0, 0}, 1440L * (rq.nights - 1));
    if (last.year > kLastYear) return kYearsRefused(lang);
    return {};
}

std::vector<NightEvent> calendarEvents(const CalendarRequest& rq, const CalendarProgress& progress,
                                       const std::atomic<bool>* cancel) {
    std::vector<NightEvent> out;
    if (!validateCalendarRequest(rq).empty()) return out;
    JupiterDayEvents days;
    NightRequest night = rq.first;
    night.planets = false;
    night.nearbyEvents = false;
    double from = 0, to = 0;
    int offset = 0;
    for (int n = 0; n < rq.nights; ++n) {
        if (cancel && cancel->load()) return out;
        const LocalMinute date = shiftClock({rq.first.year, rq.first.month, rq.first.day, 0, 0}, 1440L * n);
        night.year = date.year;
        night.month = date.month;
        night.day = date.day;
        const NightPlan plan = computeNightPlan(night, &days);
        if (n == 0) {
            from = plan.dayBegin;
            offset = plan.searchOffsetMinutes;
        }
        to = plan.dayEnd;
        for (const NightEvent& e : plan.jupiterEvents)
            if (e.observable) out.push_back(e);
        for (const NightEvent& e : plan.lunarX)
            if (e.observable) out.push_back(e);
        if (progress) progress(n + 1, rq.nights);
    }
    const TimeZone& zone = rq.first.site.zone;
    for (auto* gather : {&moonPhasesBetween, &planetPhenomenaBetween, &marsSeasonsBetween}) {
        if (cancel && cancel->load()) return out;
        const std::vector<NightEvent> found = (*gather)(from, to, offset, zone);
        out.insert(out.end(), found.begin(), found.end());
    }
    std::stable_sort(out.begin(), out.end(), [](const NightEvent& a, const NightEvent& b) { return a.jd < b.jd; });
    return out;
}

std::vector<CalendarEntry> calendarEntries(const CalendarRequest& rq, const std::vector<NightEvent>& events) {
    const int lang = rq.language;
    const NightSite& site = rq.first.site;
    const double firstNoon =
        universalJd({rq.first.year, rq.first.month, rq.first.day, 12, 0}, site.zone);
    const double longitude =
        site.longitudeDeg.value_or(site.zone.standardOffsetMinutes(firstNoon) / 4.0);
    const std::string siteText = nightSiteText(site, longitude, lang);
    std::vector<CalendarEntry> out;
    for (const NightEvent& e : events) {
        CalendarEntry entry;
        // The same event keeps its identity from one export to the next, so
        // a calendar that imports the file again updates it.
        char uid[160];
        std::snprintf(uid, sizeof uid, "%s-%s-%d-%d-%s@vantorel", nightEventKey(e.kind),
                      nightBodyKey(e.body), e.code, e.satellite, icsUtcStamp(e.jd).c_str());
        entry.uid = uid;
        entry.startJdUt = e.jd;
        entry.summary = nightEventText(e, lang);
        if (!namesItsBody(e))
            entry.summary = std::string(nightBodyName(e.body, lang)) + " - " + entry.summary;
        char time[64];
        if (e.hourOnly)
            std::snprintf(time, sizeof time, "%04d-%02d-%02d %02dh", e.local.year, e.local.month,
                          e.local.day, e.local.hour);
        else
            std::snprintf(time, sizeof time, "%04d-%02d-%02d %02d:%02d", e.local.year, e.local.month,
                          e.local.day, e.local.hour, e.local.minute);
        std::string description = printf1(kLocalTime(lang), time, zoneLabel(site.zone, e.jd).c_str());
        if (e.hourOnly) description += std::string(" ") + kToTheHour(lang);
        if (!std::isnan(e.altitudeDeg)) {
            if (e.body == NightBody::Jupiter) description += " " + printfNumber(kJupiterHigh(lang), e.altitudeDeg);
            if (e.kind == NightEventKind::LunarX) description += " " + printfNumber(kMoonHigh(lang), e.altitudeDeg);
        }
        description += " " + printf1(kSite(lang), siteText.c_str());
        entry.description = description;
        entry.location = siteText;
        entry.geo = std::make_pair(site.latitudeDeg, longitude);
        entry.category = kCategory(lang);
        out.push_back(std::move(entry));
    }
    return out;
}

CalendarWrite writeNightCalendar(const CalendarRequest& rq, const std::string& path, double stampJdUt,
                                 bool replaceExisting, const CalendarProgress& progress,
                                 const std::atomic<bool>* cancel) {
    CalendarWrite result;
    result.message = validateCalendarRequest(rq);
    if (!result.message.empty()) return result;
    // Refused before the nights are computed; the commit checks again.
    if (!replaceExisting && std::filesystem::exists(finalTarget(path))) {
        result.existed = true;
        result.message = printf1(kExists(rq.language), path.c_str());
        return result;
    }
    const std::vector<NightEvent> events = calendarEvents(rq, progress, cancel);
    if (cancel && cancel->load()) {
        result.cancelled = true;
        return result;
    }
    const std::string text = icsText(calendarEntries(rq, events), stampJdUt);
    AtomicFile file;
    if (!file.open(path) || !file.write(text) ||
        !file.commit(replaceExisting ? AtomicFile::Replace::Always : AtomicFile::Replace::Never)) {
        result.existed = file.existed();
        result.message = printf1(file.existed() ? kExists(rq.language) : kNotWritten(rq.language), path.c_str());
        return result;
    }
    result.ok = true;
    result.events = static_cast<int>(events.size());
    return result;
}

}  // namespace vantorel
