#include "tonight/NightPlan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <memory>

#include "common/settings/Settings.h"
#include "engine/Angles.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/Jupiter.h"
#include "engine/Mars.h"
#include "engine/Mercury.h"
#include "engine/Neptune.h"
#include "engine/Saturn.h"
#include "engine/Uranus.h"
#include "engine/Venus.h"
#include "moon/MoonDocument.h"
#include "moon/MoonTheory.h"
#include "tonight/BodyTrack.h"
#include "tonight/NightClock.h"
#include "tonight/NightEventSources.h"

namespace vantorel {

namespace {

constexpr double kHour = 1.0 / 24.0;

std::unique_ptr<Planet> makePlanet(NightBody body) {
    switch (body) {
    case NightBody::Mercury: return std::make_unique<Mercury>();
    case NightBody::Venus: return std::make_unique<Venus>();
    case NightBody::Mars: return std::make_unique<Mars>();
    case NightBody::Jupiter: return std::make_unique<Jupiter>();
    case NightBody::Saturn: return std::make_unique<Saturn>();
    case NightBody::Uranus: return std::make_unique<Uranus>();
    default: return std::make_unique<Neptune>();
    }
}

// The crossing of the given direction nearest `middle`.
std::optional<double> nearestCrossing(const std::vector<LevelCrossing>& crossings, bool rising,
                                      double middle) {
    std::optional<double> best;
    for (const LevelCrossing& c : crossings)
        if (c.rising == rising && (!best || std::fabs(c.jd - middle) < std::fabs(*best - middle)))
            best = c.jd;
    return best;
}

std::optional<double> firstCrossing(const std::vector<LevelCrossing>& crossings, bool rising,
                                    double after) {
    for (const LevelCrossing& c : crossings)
        if (c.rising == rising && c.jd >= after) return c.jd;
    return std::nullopt;
}

// Everything the altitude curve of a body tells about the night.
BodyNight bodyNight(NightBody body, const AltitudeCurve& curve,
                    const std::vector<TimeInterval>& darkSky, double middle) {
    BodyNight b;
    b.body = body;
    const std::vector<LevelCrossing> horizon = curve.crossings(kBodyRiseLevel);
    b.rise = nearestCrossing(horizon, true, middle);
    b.set = nearestCrossing(horizon, false, middle);
    for (const Culmination& c : curve.culminations())
        if (!b.transit || std::fabs(c.jd - middle) < std::fabs(*b.transit - middle)) {
            b.transit = c.jd;
            b.transitAltitudeDeg = c.altitudeDeg;
        }
    b.up = curve.above(kBodyRiseLevel);
    b.alwaysUp = horizon.empty() && !b.up.empty();
    b.neverUp = b.up.empty();
    b.observable = intersect(curve.above(kObservableLevel), darkSky);
    for (const TimeInterval& i : b.observable) {
        const Culmination c = curve.highest(i.begin, i.end);
        if (!b.best || c.altitudeDeg > b.best->altitudeDeg) b.best = c;
    }
    if (darkSky.empty())
        b.visibility = Visibility::NoDarkSky;
    else if (!b.observable.empty())
        b.visibility = Visibility::Observable;
    else if (intersect(b.up, darkSky).empty())
        b.visibility = Visibility::NotUpInDarkSky;
    else
        b.visibility = Visibility::TooLowInDarkSky;
    return b;
}

NightEvent skyEvent(NightEventKind kind, NightBody body, double jd, const TimeZone& zone,
                    double altitude = std::nan("")) {
    NightEvent e;
    e.kind = kind;
    e.body = body;
    e.jd = jd;
    e.local = localClock(jd, zone);
    e.altitudeDeg = altitude;
    return e;
}

void addBodyEvents(const BodyNight& b, const TimeZone& zone, std::vector<NightEvent>& out) {
    if (b.rise) out.push_back(skyEvent(NightEventKind::Rise, b.body, *b.rise, zone));
    if (b.transit)
        out.push_back(skyEvent(NightEventKind::Transit, b.body, *b.transit, zone, b.transitAltitudeDeg));
    if (b.set) out.push_back(skyEvent(NightEventKind::Set, b.body, *b.set, zone));
}

void sortByTime(std::vector<NightEvent>& events) {
    std::stable_sort(events.begin(), events.end(),
                     [](const NightEvent& a, const NightEvent& b) { return a.jd < b.jd; });
}

SunNight sunNight(const AltitudeCurve& sun, const AltitudeCurve& depth, double begin, double end) {
    SunNight s;
    const Culmination low = depth.highest(begin, end);
    s.lowest = {low.jd, -low.altitudeDeg};
    s.highestDeg = sun.maximum();
    // The evening's crossings, then the morning's after them.
    auto evening = [&](double level) {
        return firstCrossing(sun.crossings(level), false, begin);
    };
    auto morning = [&](double level, const std::optional<double>& after) {
        return firstCrossing(sun.crossings(level), true, after ? *after : begin);
    };
    s.set = evening(kSunRiseLevel);
    s.civilDusk = evening(kCivilLevel);
    s.nauticalDusk = evening(kNauticalLevel);
    s.astronomicalDusk = evening(kAstronomicalLevel);
    s.astronomicalDawn = morning(kAstronomicalLevel, s.astronomicalDusk);
    s.nauticalDawn = morning(kNauticalLevel, s.nauticalDusk);
    s.civilDawn = morning(kCivilLevel, s.civilDusk);
    s.rise = morning(kSunRiseLevel, s.set);
    s.darkSky = sun.below(kDarkEnoughLevel);
    return s;
}

// The Moon's figures at an instant, as the Moon window computes them for the
// local minute, and the name of its phase.
void moonFigures(MoonNight& m, double jd, int searchOffset) {
    Settings settings;
    recordZone(searchOffset, settings.zoneHours, settings.zoneMinutes);
    MoonDocument doc(settings);
    const LocalMinute at = localClock(jd, TimeZone::fixed(searchOffset));
    doc.setDate(at.year, at.month, at.day, at.hour, at.minute);
    const MoonTheory& moon = doc.moon;
    m.figuresJd = jd;
    m.illuminatedFraction = moon.illuminatedFraction;
    m.colongitudeDeg = moon.colongitude;
    const double localJd = doc.dateTime.JD + searchOffset / 1440.0;
    m.ageDays = moon.lastNewMoon.empty() ? 0 : localJd - moon.lastNewMoon.julianDay;
    // A principal phase within half a day names the night; between them the
    // elongation tells crescent from gibbous.
    for (const MoonPhaseRecord& r : moon.phaseTable)
        if (!r.empty() && std::fabs(r.julianDay - localJd) <= 0.5) {
            m.phaseName = r.kind * 2;
            return;
        }
    const double elongation =
        reduceDegrees(moon.apparentLongitude - toDeg(doc.earthSun.sunApparentLongitude));
    m.phaseName = 1 + 2 * std::clamp(static_cast<int>(elongation / 90.0), 0, 3);
}

void planetFigures(BodyNight& b, Planet& planet, double jd, const BodyTrack& sunTrack) {
    DateTime dt;
    dt.setLocal(2000, 1, 1, 0, 0, 0, 0);
    dt.setJulianDay(jd);
    dt.computeNutation();
    EarthSun es;
    ApparentPlace p;
    planetPlace(planet)(dt, es, p.raDeg, p.decDeg);
    b.figuresJd = jd;
    b.magnitude = planet.magnitude;
    b.diameterArcsec = planet.diameterArcsec;
    b.illuminatedFraction = planet.illumination;
    b.elongationDeg = separationDeg(p, sunTrack.placeAt(jd));
    if (b.body == NightBody::Mars) b.centralLongitudeDeg = planet.centralLongitude;
    if (b.body == NightBody::Jupiter) {
        const auto& j = static_cast<const Jupiter&>(planet);
        b.system1Deg = j.system1Deg;
        b.system2Deg = j.system2Deg;
    }
}

}  // namespace

const char* nightBodyKey(NightBody body) {
    static const char* const kKeys[kNightBodyCount] = {"sun",     "moon",   "mercury", "venus", "mars",
                                                      "jupiter", "saturn", "uranus",  "neptune"};
    const int i = static_cast<int>(body);
    return i >= 0 && i < kNightBodyCount ? kKeys[i] : "";
}

const char* nightEventKey(NightEventKind kind) {
    static const char* const kKeys[] = {
        "sunset",           "civil_dusk",        "nautical_dusk",        "astronomical_dusk",
        "astronomical_dawn", "nautical_dawn",    "civil_dawn",           "sunrise",
        "rise",             "transit",           "set",                  "satellite_phenomenon",
        "red_spot_transit", "lunar_x",           "moon_phase",           "planet_phenomenon",
        "mars_season"};
    const int i = static_cast<int>(kind);
    return i >= 0 && i < static_cast<int>(std::size(kKeys)) ? kKeys[i] : "";
}

std::optional<TimeInterval> jupiterEventWindow(const NightPlan& plan) {
    // The dark part of the night that holds its middle, else the longest.
    std::optional<TimeInterval> best;
    for (const TimeInterval& i : plan.sun.darkSky) {
        if (i.contains(plan.middle)) return i;
        if (!best || i.length() > best->length()) best = i;
    }
    return best;
}

NightPlan computeNightPlan(const NightRequest& rq, JupiterDayEvents* days) {
    NightPlan plan;
    plan.request = rq;
    const TimeZone& zone = rq.site.zone;
    const LocalMinute noon{rq.year, rq.month, rq.day, 12, 0};
    const LocalMinute nextNoon = shiftClock(noon, 1440);
    plan.dayBegin = universalJd(noon, zone);
    plan.dayEnd = universalJd(nextNoon, zone);
    if (!(plan.dayEnd > plan.dayBegin)) plan.dayEnd = plan.dayBegin + 1;
    plan.searchOffsetMinutes = zone.offsetMinutesAtUtc(plan.dayBegin);
    plan.siteLongitudeDeg =
        rq.site.longitudeDeg.value_or(zone.standardOffsetMinutes(plan.dayBegin) / 4.0);
    const SiteCoordinates site{rq.site.latitudeDeg, plan.siteLongitudeDeg};
    const double begin = plan.dayBegin, end = plan.dayEnd;
    // The tracks reach a step beyond the day, so the cubic is centred at its ends.
    const double trackFrom = begin - BodyTrack::kPlanetStepDays;
    const double trackTo = end + BodyTrack::kPlanetStepDays;

    // The Sun.
    const BodyTrack sunTrack(sunPlaceFunction(), trackFrom, trackTo, BodyTrack::kPlanetStepDays);
    const AltitudeCurve sun([&](double jd) { return altitudeDeg(sunTrack.placeAt(jd), jd, site); },
                            begin, end);
    const AltitudeCurve sunDepth(
        [&](double jd) { return -altitudeDeg(sunTrack.placeAt(jd), jd, site); }, begin, end);
    plan.sun = sunNight(sun, sunDepth, begin, end);
    plan.middle = plan.sun.lowest.jd;
    const std::vector<TimeInterval>& dark = plan.sun.darkSky;
    const SunNight& s = plan.sun;
    if (s.set && s.rise && *s.rise > *s.set) {
        plan.spanBegin = std::max(begin, *s.set - kHour);
        plan.spanEnd = std::min(end, *s.rise + kHour);
        plan.middle = 0.5 * (*s.set + *s.rise);
    } else {
        plan.spanBegin = std::max(begin, plan.middle - 8 * kHour);
        plan.spanEnd = std::min(end, plan.middle + 8 * kHour);
    }
    struct SunMark {
        NightEventKind kind;
        const std::optional<double>& jd;
    };
    for (const SunMark& m : {SunMark{NightEventKind::Sunset, s.set},
                             SunMark{NightEventKind::CivilDusk, s.civilDusk},
                             SunMark{NightEventKind::NauticalDusk, s.nauticalDusk},
                             SunMark{NightEventKind::AstronomicalDusk, s.astronomicalDusk},
                             SunMark{NightEventKind::AstronomicalDawn, s.astronomicalDawn},
                             SunMark{NightEventKind::NauticalDawn, s.nauticalDawn},
                             SunMark{NightEventKind::CivilDawn, s.civilDawn},
                             SunMark{NightEventKind::Sunrise, s.rise}})
        if (m.jd) plan.skyEvents.push_back(skyEvent(m.kind, NightBody::Sun, *m.jd, zone));

    // The Moon: its upper limb, parallax included.
    MoonTheory moonTheory;
    const BodyTrack moonTrack(moonPlaceFunction(moonTheory), trackFrom, trackTo,
                              BodyTrack::kMoonStepDays);
    const AltitudeCurve moonCurve(
        [&](double jd) { return moonLimbAltitudeDeg(moonTrack.placeAt(jd), jd, site); }, begin, end);
    plan.moon.track = bodyNight(NightBody::Moon, moonCurve, dark, plan.middle);
    addBodyEvents(plan.moon.track, zone, plan.skyEvents);
    const double moonAt = s.civilDusk ? *s.civilDusk : s.set ? *s.set : plan.middle;
    moonFigures(plan.moon, moonAt, plan.searchOffsetMinutes);

    // The planets; Jupiter always, for its events.
    std::optional<AltitudeCurve> jupiterCurve;
    std::unique_ptr<Planet> jupiterForEvents;
    for (int k = 0; k < kNightPlanetCount; ++k) {
        const auto body = static_cast<NightBody>(static_cast<int>(NightBody::Mercury) + k);
        if (!rq.planets && body != NightBody::Jupiter) continue;
        std::unique_ptr<Planet> planet = makePlanet(body);
        const BodyTrack track(planetPlaceFunction(*planet), trackFrom, trackTo,
                              BodyTrack::kPlanetStepDays);
        AltitudeCurve curve([track, site](double jd) { return altitudeDeg(track.placeAt(jd), jd, site); },
                            begin, end);
        if (rq.planets) {
            BodyNight b = bodyNight(body, curve, dark, plan.middle);
            planetFigures(b, *planet, b.best ? b.best->jd : plan.middle, sunTrack);
            addBodyEvents(b, zone, plan.skyEvents);
            plan.planets.push_back(std::move(b));
        }
        if (body == NightBody::Jupiter) jupiterCurve.emplace(std::move(curve));
    }
    sortByTime(plan.skyEvents);

    // Jupiter's events of the two local days, kept from the end of civil
    // twilight to its start in the morning.
    if (const std::optional<TimeInterval> window = jupiterEventWindow(plan)) {
        JupiterDayEvents ownDays;
        JupiterDayEvents& searched = days ? *days : ownDays;
        for (const LocalMinute& day : {noon, nextNoon}) {
            for (NightEvent e : searched.of(day, plan.searchOffsetMinutes, zone, rq.redSpotLongitude)) {
                if (!window->contains(e.jd)) continue;
                e.altitudeDeg = jupiterCurve->at(e.jd);
                e.observable = e.altitudeDeg >= kJupiterEventLevel;
                plan.jupiterEvents.push_back(e);
            }
        }
        sortByTime(plan.jupiterEvents);
    }

    // The Lunar X of the day, marked visible when the Moon is up in a dark sky.
    for (NightEvent& e : lunarXBetween(begin, end, plan.searchOffsetMinutes, zone)) {
        e.altitudeDeg = moonCurve.at(e.jd);
        e.observable = e.altitudeDeg >= kBodyRiseLevel && sun.at(e.jd) < kDarkEnoughLevel;
        plan.lunarX.push_back(e);
    }

    if (rq.nearbyEvents) {
        const double from = begin - kNearbyDays, to = end + kNearbyDays;
        for (auto* gather : {&moonPhasesBetween, &planetPhenomenaBetween, &marsSeasonsBetween}) {
            const std::vector<NightEvent> found = (*gather)(from, to, plan.searchOffsetMinutes, zone);
            plan.nearby.insert(plan.nearby.end(), found.begin(), found.end());
        }
        sortByTime(plan.nearby);
    }
    return plan;
}

}  // namespace vantorel
