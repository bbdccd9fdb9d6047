#include "tonight/NightPlanText.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "common/text/DateText.h"
#include "sky/ConjunctionSearch.h"
#include "tonight/NightClock.h"

namespace vantorel {

namespace {

const TextTriple kBodies[kNightBodyCount] = {
    {"Sun", "Soleil", "Sol"},         {"Moon", "Lune", "Luna"},
    {"Mercury", "Mercure", "Mercurio"}, {"Venus", "V\u00e9nus", "Venus"},
    {"Mars", "Mars", "Marte"},        {"Jupiter", "Jupiter", "J\u00fapiter"},
    {"Saturn", "Saturne", "Saturno"}, {"Uranus", "Uranus", "Urano"},
    {"Neptune", "Neptune", "Neptuno"},
};

const TextTriple kSunEvents[8] = {
    {"Sunset", "Coucher du Soleil", "Puesta del Sol"},
    {"End of civil twilight", "Fin du cr\u00e9puscule civil", "Fin del crep\u00fasculo civil"},
    {"End of nautical twilight", "Fin du cr\u00e9puscule nautique",
     "Fin del crep\u00fasculo n\u00e1utico"},
    {"End of astronomical twilight", "Fin du cr\u00e9puscule astronomique",
     "Fin del crep\u00fasculo astron\u00f3mico"},
    {"Start of astronomical twilight", "D\u00e9but de l'aube astronomique",
     "Comienzo del alba astron\u00f3mica"},
    {"Start of nautical twilight", "D\u00e9but de l'aube nautique", "Comienzo del alba n\u00e1utica"},
    {"Start of civil twilight", "D\u00e9but de l'aube civile", "Comienzo del alba civil"},
    {"Sunrise", "Lever du Soleil", "Salida del Sol"},
};

const TextTriple kRise{"%s rises", "%s : lever", "%s: salida"};
const TextTriple kTransit{"%s transits (%.0f\u00b0)", "%s : passage au m\u00e9ridien (%.0f\u00b0)",
                          "%s: tr\u00e1nsito (%.0f\u00b0)"};
const TextTriple kSet{"%s sets", "%s : coucher", "%s: puesta"};

const TextTriple kSatellites[4] = {{"Io", "Io", "\u00cdo"},
                                   {"Europa", "Europe", "Europa"},
                                   {"Ganymede", "Ganym\u00e8de", "Gan\u00edmedes"},
                                   {"Callisto", "Callisto", "Calisto"}};
const TextTriple kPhenomena[8] = {
    {"eclipse disappearance", "d\u00e9but d'\u00e9clipse", "comienzo de eclipse"},
    {"eclipse reappearance", "fin d'\u00e9clipse", "fin de eclipse"},
    {"occultation disappearance", "immersion", "inmersi\u00f3n"},
    {"occultation reappearance", "\u00e9mersion", "emersi\u00f3n"},
    {"transit ingress", "d\u00e9but du passage", "comienzo del tr\u00e1nsito"},
    {"transit egress", "fin du passage", "fin del tr\u00e1nsito"},
    {"shadow ingress", "d\u00e9but du passage de l'ombre", "comienzo del tr\u00e1nsito de la sombra"},
    {"shadow egress", "fin du passage de l'ombre", "fin del tr\u00e1nsito de la sombra"},
};
const TextTriple kRedSpot{"Great Red Spot on the central meridian",
                          "Grande tache rouge au m\u00e9ridien central",
                          "Gran Mancha Roja en el meridiano central"};
const TextTriple kLunarX{"Lunar X appears", "Apparition du X lunaire", "Aparece la X lunar"};
const TextTriple kPhaseNames[8] = {
    {"New moon", "Nouvelle lune", "Luna nueva"},
    {"Waxing crescent", "Premier croissant", "Creciente"},
    {"First quarter", "Premier quartier", "Cuarto creciente"},
    {"Waxing gibbous", "Gibbeuse croissante", "Gibosa creciente"},
    {"Full moon", "Pleine lune", "Luna llena"},
    {"Waning gibbous", "Gibbeuse d\u00e9croissante", "Gibosa menguante"},
    {"Last quarter", "Dernier quartier", "Cuarto menguante"},
    {"Waning crescent", "Dernier croissant", "Menguante"},
};
const TextTriple kMarsSeasons[4] = {
    {"Mars: northern spring begins", "Mars : d\u00e9but du printemps bor\u00e9al",
     "Marte: comienza la primavera boreal"},
    {"Mars: northern summer begins", "Mars : d\u00e9but de l'\u00e9t\u00e9 bor\u00e9al",
     "Marte: comienza el est\u00edo boreal"},
    {"Mars: northern autumn begins", "Mars : d\u00e9but de l'automne bor\u00e9al",
     "Marte: comienza el oto\u00f1o boreal"},
    {"Mars: northern winter begins", "Mars : d\u00e9but de l'hiver bor\u00e9al",
     "Marte: comienza el invierno boreal"},
};
const TextTriple kVisibility[4] = {
    {"observable", "observable", "observable"},
    {"not observable tonight: the sky does not get dark enough",
     "non observable cette nuit : le ciel ne devient pas assez sombre",
     "no observable esta noche: el cielo no se oscurece lo suficiente"},
    {"not observable tonight: below the horizon while the sky is dark",
     "non observable cette nuit : sous l'horizon quand le ciel est sombre",
     "no observable esta noche: bajo el horizonte con el cielo oscuro"},
    {"not observable tonight: never 15\u00b0 high in a dark sky",
     "non observable cette nuit : jamais \u00e0 15\u00b0 de hauteur dans un ciel sombre",
     "no observable esta noche: nunca a 15\u00b0 de altura con el cielo oscuro"},
};

std::string format(const char* fmt, ...) {
    char buf[512];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(buf, sizeof buf, fmt, args);
    va_end(args);
    return buf;
}

std::string hhmm(const LocalMinute& m) { return format("%02d:%02d", m.hour, m.minute); }

bool sameDate(const LocalMinute& m, const NightRequest& rq) {
    return m.year == rq.year && m.month == rq.month && m.day == rq.day;
}

std::string clockOf(const LocalMinute& m, bool hourOnly, const NightPlan& plan, int dateFormat,
                    bool alwaysDate = false) {
    const std::string time = hourOnly ? format("%02dh", m.hour) : hhmm(m);
    if (!alwaysDate && sameDate(m, plan.request)) return time;
    return unlabelledDateText(dateFormat, m.year, m.month, m.day) + " " + time;
}

std::string degreesMinutes(double value, const char* positive, const char* negative) {
    const double a = std::fabs(value);
    int d = static_cast<int>(a);
    int m = static_cast<int>(std::lround((a - d) * 60));
    if (m == 60) {
        ++d;
        m = 0;
    }
    return format("%d\u00b0%02d' %s", d, m, value < 0 ? negative : positive);
}

std::string zoneText(const TimeZone& zone, double jd) {
    if (!zone.isFixed()) return zone.name();
    const int off = zone.offsetMinutesAtUtc(jd);
    return format("UTC%c%02d:%02d", off < 0 ? '-' : '+', std::abs(off) / 60, std::abs(off) % 60);
}

void addEvent(NightTextSection& section, const NightEvent& e, const NightPlan& plan, int lang,
              int dateFormat) {
    section.rows.push_back({nightClockText(e, plan, dateFormat), nightEventText(e, lang), !e.observable});
}

std::string riseTransitSet(const BodyNight& b, const NightPlan& plan, int lang, int dateFormat) {
    if (b.alwaysUp) return pickText(lang, "above the horizon all day", "au-dessus de l'horizon toute la journ\u00e9e", "sobre el horizonte todo el d\u00eda");
    if (b.neverUp) return pickText(lang, "below the horizon all day", "sous l'horizon toute la journ\u00e9e", "bajo el horizonte todo el d\u00eda");
    std::string out;
    auto add = [&](const TextTriple& label, const std::optional<double>& jd, double alt = std::nan("")) {
        if (!jd) return;
        if (!out.empty()) out += ", ";
        out += std::string(label(lang)) + " " + nightClockText(*jd, plan, dateFormat);
        if (!std::isnan(alt)) out += format(" (%.0f\u00b0)", alt);
    };
    add({"rises", "lever", "salida"}, b.rise);
    add({"transits", "passage", "tr\u00e1nsito"}, b.transit, b.transitAltitudeDeg);
    add({"sets", "coucher", "puesta"}, b.set);
    return out;
}

// 1 when the body stays up from sunset to sunrise (through the span shown
// when the Sun does not set or rise), -1 when it stays down, else 0.
int wholeNight(const BodyNight& b, const NightPlan& plan) {
    const SunNight& sun = plan.sun;
    const bool night = sun.set && sun.rise && *sun.rise > *sun.set;
    const double from = night ? *sun.set : plan.spanBegin, to = night ? *sun.rise : plan.spanEnd;
    for (const TimeInterval& i : b.up) {
        if (i.begin <= from && i.end >= to) return 1;
        if (i.end > from && i.begin < to) return 0;
    }
    return -1;
}

NightTextSection sunSection(const NightPlan& plan, int lang, int dateFormat) {
    NightTextSection s{tonighttext::kSun(lang), {}};
    for (const NightEvent& e : plan.skyEvents)
        if (e.body == NightBody::Sun) addEvent(s, e, plan, lang, dateFormat);
    const SunNight& sun = plan.sun;
    const std::string lowestAt = nightClockText(sun.lowest.jd, plan, dateFormat);
    if (!sun.set && sun.lowest.altitudeDeg > kSunRiseLevel)
        s.rows.push_back({"", format(pickText(lang, "The Sun does not set: lowest %.1f\u00b0 at %s",
                                              "Le Soleil ne se couche pas : au plus bas \u00e0 %.1f\u00b0 \u00e0 %s",
                                              "El Sol no se pone: m\u00e1s bajo a %.1f\u00b0 a las %s"),
                                     sun.lowest.altitudeDeg, lowestAt.c_str())});
    else if (!sun.rise && !sun.set && sun.highestDeg < kSunRiseLevel)
        s.rows.push_back({"", format(pickText(lang, "The Sun does not rise: highest %.1f\u00b0",
                                              "Le Soleil ne se l\u00e8ve pas : au plus haut \u00e0 %.1f\u00b0",
                                              "El Sol no sale: m\u00e1s alto a %.1f\u00b0"),
                                     sun.highestDeg)});
    else if (!sun.astronomicalDusk && sun.lowest.altitudeDeg > kAstronomicalLevel)
        s.rows.push_back({"", format(pickText(lang, "No astronomical night: the Sun gets no lower than %.1f\u00b0 (%s)",
                                              "Pas de nuit astronomique : le Soleil ne descend pas sous %.1f\u00b0 (%s)",
                                              "Sin noche astron\u00f3mica: el Sol no baja de %.1f\u00b0 (%s)"),
                                     sun.lowest.altitudeDeg, lowestAt.c_str())});
    if (sun.darkSky.empty()) {
        s.rows.push_back({"", pickText(lang, "The sky does not get dark: the Sun stays above -6\u00b0",
                                       "Le ciel ne devient pas sombre : le Soleil reste au-dessus de -6\u00b0",
                                       "El cielo no se oscurece: el Sol queda por encima de -6\u00b0")});
    } else {
        for (const TimeInterval& i : sun.darkSky)
            s.rows.push_back({nightClockText(i.begin, plan, dateFormat),
                              format(pickText(lang, "Dark sky (Sun below -6\u00b0) until %s",
                                              "Ciel sombre (Soleil sous -6\u00b0) jusqu'\u00e0 %s",
                                              "Cielo oscuro (Sol bajo -6\u00b0) hasta las %s"),
                                     nightClockText(i.end, plan, dateFormat).c_str())});
    }
    return s;
}

NightTextSection moonSection(const NightPlan& plan, int lang, int dateFormat) {
    NightTextSection s{tonighttext::kMoon(lang), {}};
    for (const NightEvent& e : plan.skyEvents)
        if (e.body == NightBody::Moon) addEvent(s, e, plan, lang, dateFormat);
    const MoonNight& m = plan.moon;
    const int whole = wholeNight(m.track, plan);
    if (whole > 0)
        s.rows.push_back({"", pickText(lang, "The Moon is up all night", "La Lune est lev\u00e9e toute la nuit",
                                       "La Luna est\u00e1 sobre el horizonte toda la noche")});
    else if (whole < 0)
        s.rows.push_back({"", pickText(lang, "The Moon stays below the horizon all night",
                                       "La Lune reste sous l'horizon toute la nuit",
                                       "La Luna queda bajo el horizonte toda la noche")});
    s.rows.push_back({nightClockText(m.figuresJd, plan, dateFormat),
                      format(pickText(lang, "%s, %.0f %% lit, %.1f days old, colongitude %.1f\u00b0",
                                      "%s, \u00e9clair\u00e9e \u00e0 %.0f %%, \u00e2ge %.1f jours, colongitude %.1f\u00b0",
                                      "%s, iluminada %.0f %%, edad %.1f d\u00edas, colongitud %.1f\u00b0"),
                             moonPhaseNameText(m.phaseName, lang), 100 * m.illuminatedFraction,
                             m.ageDays, m.colongitudeDeg)});
    for (const NightEvent& e : plan.lunarX) {
        NightTextRow row{nightClockText(e, plan, dateFormat), nightEventText(e, lang), !e.observable};
        if (!e.observable)
            row.text += pickText(lang, " (not visible from the site: daylight or the Moon down)",
                                 " (invisible du site : jour ou Lune couch\u00e9e)",
                                 " (no visible desde el sitio: de d\u00eda o la Luna bajo el horizonte)");
        s.rows.push_back(row);
    }
    return s;
}

NightTextSection planetSection(const NightPlan& plan, int lang, int dateFormat) {
    NightTextSection s{tonighttext::kPlanets(lang), {}};
    for (const BodyNight& b : plan.planets) {
        const char* name = nightBodyName(b.body, lang);
        if (b.visibility == Visibility::Observable && b.best) {
            std::string windows;
            for (const TimeInterval& i : b.observable) {
                if (!windows.empty()) windows += ", ";
                windows += nightClockText(i.begin, plan, dateFormat) + " - " +
                           nightClockText(i.end, plan, dateFormat);
            }
            s.rows.push_back({nightClockText(b.best->jd, plan, dateFormat),
                              format(pickText(lang, "%s: observable %s, highest %.0f\u00b0",
                                              "%s : observable %s, au plus haut \u00e0 %.0f\u00b0",
                                              "%s: observable %s, m\u00e1s alto a %.0f\u00b0"),
                                     name, windows.c_str(), b.best->altitudeDeg)});
        } else {
            s.rows.push_back({"", std::string(name) + ": " + visibilityText(b.visibility, lang), true});
        }
        std::string figures = format(pickText(lang, "mag. %.1f, %.1f\", %.0f %% lit, %.0f\u00b0 from the Sun",
                                              "magn. %.1f, %.1f\", \u00e9clair\u00e9e \u00e0 %.0f %%, \u00e0 %.0f\u00b0 du Soleil",
                                              "mag. %.1f, %.1f\", iluminado %.0f %%, a %.0f\u00b0 del Sol"),
                                     b.magnitude, b.diameterArcsec, 100 * b.illuminatedFraction,
                                     b.elongationDeg);
        if (b.centralLongitudeDeg)
            figures += format(pickText(lang, ", central longitude %.1f\u00b0",
                                       ", longitude centrale %.1f\u00b0", ", longitud central %.1f\u00b0"),
                              *b.centralLongitudeDeg);
        if (b.system1Deg && b.system2Deg)
            figures += format(pickText(lang, ", System I %.1f\u00b0, System II %.1f\u00b0",
                                       ", syst\u00e8me I %.1f\u00b0, syst\u00e8me II %.1f\u00b0",
                                       ", sistema I %.1f\u00b0, sistema II %.1f\u00b0"),
                              *b.system1Deg, *b.system2Deg);
        const bool dim = b.visibility != Visibility::Observable;
        s.rows.push_back({"", "    " + riseTransitSet(b, plan, lang, dateFormat), dim});
        s.rows.push_back({"", "    " + figures, dim});
    }
    return s;
}

NightTextSection jupiterSection(const NightPlan& plan, int lang, int dateFormat) {
    NightTextSection s{std::string(tonighttext::kJupiterEvents(lang)) +
                           format(pickText(lang, " (Red Spot at System II %d\u00b0)",
                                           " (tache rouge par %d\u00b0 du syst\u00e8me II)",
                                           " (mancha roja a %d\u00b0 del sistema II)"),
                                  plan.request.redSpotLongitude),
                       {}};
    if (!jupiterEventWindow(plan)) {
        s.rows.push_back({"", pickText(lang, "No dark sky tonight: no event can be watched",
                                       "Pas de ciel sombre cette nuit : aucun \u00e9v\u00e9nement observable",
                                       "Sin cielo oscuro esta noche: ning\u00fan evento observable")});
        return s;
    }
    if (plan.jupiterEvents.empty())
        s.rows.push_back({"", pickText(lang, "None between the ends of civil twilight",
                                       "Aucun entre les fins du cr\u00e9puscule civil",
                                       "Ninguno entre los fines del crep\u00fasculo civil")});
    for (const NightEvent& e : plan.jupiterEvents) {
        NightTextRow row{nightClockText(e, plan, dateFormat), nightEventText(e, lang), !e.observable};
        if (!e.observable && e.altitudeDeg < 0)
            row.text += pickText(lang, " (Jupiter below the horizon)", " (Jupiter sous l'horizon)",
                                 " (J\u00fapiter bajo el horizonte)");
        else if (!e.observable)
            row.text += format(pickText(lang, " (Jupiter only %.0f\u00b0 high)",
                                        " (Jupiter \u00e0 %.0f\u00b0 de hauteur seulement)",
                                        " (J\u00fapiter a solo %.0f\u00b0 de altura)"),
                               e.altitudeDeg);
        s.rows.push_back(row);
    }
    return s;
}

NightTextSection nearbySection(const NightPlan& plan, int lang, int dateFormat) {
    NightTextSection s{tonighttext::kNearby(lang), {}};
    for (const NightEvent& e : plan.nearby)
        s.rows.push_back({clockOf(e.local, e.hourOnly, plan, dateFormat, true), nightEventText(e, lang)});
    if (s.rows.empty())
        s.rows.push_back({"", pickText(lang, "No phase, conjunction, opposition, elongation or Mars season",
                                       "Ni phase, ni conjonction, opposition, \u00e9longation ou saison de Mars",
                                       "Ninguna fase, conjunci\u00f3n, oposici\u00f3n, elongaci\u00f3n ni estaci\u00f3n de Marte")});
    return s;
}

}  // namespace

const char* nightBodyName(NightBody body, int language) {
    const int i = static_cast<int>(body);
    return i >= 0 && i < kNightBodyCount ? kBodies[i](language) : "";
}

const char* moonPhaseNameText(int phaseName, int language) {
    return phaseName >= 0 && phaseName < 8 ? kPhaseNames[phaseName](language) : "";
}

const char* visibilityText(Visibility v, int language) {
    const int i = static_cast<int>(v);
    return i >= 0 && i < 4 ? kVisibility[i](language) : "";
}

std::string nightEventText(const NightEvent& e, int lang) {
    const char* body = nightBodyName(e.body, lang);
    switch (e.kind) {
    case NightEventKind::Sunset:
    case NightEventKind::CivilDusk:
    case NightEventKind::NauticalDusk:
    case NightEventKind::AstronomicalDusk:
    case NightEventKind::AstronomicalDawn:
    case NightEventKind::NauticalDawn:
    case NightEventKind::CivilDawn:
    case NightEventKind::Sunrise: return kSunEvents[static_cast<int>(e.kind)](lang);
    case NightEventKind::Rise: return format(kRise(lang), body);
    case NightEventKind::Transit: return format(kTransit(lang), body, e.altitudeDeg);
    case NightEventKind::Set: return format(kSet(lang), body);
    case NightEventKind::SatellitePhenomenon:
        if (e.satellite < 1 || e.satellite > 4 || e.code < 1 || e.code > 8) return "";
        return std::string(kSatellites[e.satellite - 1](lang)) + (lang == kFrench ? " : " : ": ") +
               kPhenomena[e.code - 1](lang);
    case NightEventKind::RedSpotTransit: return kRedSpot(lang);
    case NightEventKind::LunarX: return kLunarX(lang);
    case NightEventKind::MoonPhase: return moonPhaseNameText(2 * (e.code & 3), lang);
    case NightEventKind::PlanetPhenomenon: {
        std::string text = std::string(body) + (lang == kFrench ? " : " : ": ") + phenomenonName(e.code, lang);
        if (!std::isnan(e.valueDeg)) text += format(" (%.1f\u00b0)", e.valueDeg);
        return text;
    }
    case NightEventKind::MarsSeason: return kMarsSeasons[(e.code / 90) % 4](lang);
    }
    return "";
}

std::string nightClockText(const NightEvent& e, const NightPlan& plan, int dateFormat) {
    return clockOf(e.local, e.hourOnly, plan, dateFormat);
}

std::string nightClockText(double jdUt, const NightPlan& plan, int dateFormat) {
    return clockOf(localClock(jdUt, plan.request.site.zone), false, plan, dateFormat);
}

std::string nightSiteText(const NightSite& site, double longitudeDeg, int lang) {
    std::string text = format(pickText(lang, "latitude %s, longitude %s", "latitude %s, longitude %s",
                                       "latitud %s, longitud %s"),
                              degreesMinutes(site.latitudeDeg, "N", "S").c_str(),
                              degreesMinutes(longitudeDeg, "E", pickText(lang, "W", "O", "O")).c_str());
    if (!site.longitudeDeg)
        text += pickText(lang, " (centre of the zone)", " (centre du fuseau)", " (centro del huso)");
    return text;
}

std::string nightTitle(const NightPlan& plan, int lang, int dateFormat) {
    const NightRequest& rq = plan.request;
    return format(pickText(lang, "Night of %s - %s, %s", "Nuit du %s - %s, %s", "Noche del %s - %s, %s"),
                  unlabelledDateText(dateFormat, rq.year, rq.month, rq.day).c_str(),
                  nightSiteText(rq.site, plan.siteLongitudeDeg, lang).c_str(),
                  zoneText(rq.site.zone, plan.dayBegin).c_str());
}

std::vector<NightTextSection> nightPlanSections(const NightPlan& plan, int lang, int dateFormat) {
    std::vector<NightTextSection> out;
    out.push_back(sunSection(plan, lang, dateFormat));
    out.push_back(moonSection(plan, lang, dateFormat));
    if (!plan.planets.empty()) out.push_back(planetSection(plan, lang, dateFormat));
    out.push_back(jupiterSection(plan, lang, dateFormat));
    if (plan.request.nearbyEvents) out.push_back(nearbySection(plan, lang, dateFormat));
    return out;
}

}  // namespace vantorel
