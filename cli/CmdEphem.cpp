// vantorel-cli ephem: each body's panel figures, computed by the sequence a
// body document runs (rise/transit/set of the local date, the instant, the altitude).
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliListOptions.h"
#include "cli/CliOptions.h"
#include "engine/Angles.h"
#include "engine/BodySequence.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/Jupiter.h"
#include "engine/Mars.h"
#include "engine/Mercury.h"
#include "engine/Neptune.h"
#include "engine/Pluto.h"
#include "engine/Saturn.h"
#include "engine/Uranus.h"
#include "engine/Venus.h"
#include "moon/MoonPlace.h"

namespace vantorel::cli {
namespace {

// One figure of a body: its JSON key, its JSON value and its readable text.
struct Figure {
    std::string key;
    std::string json;
    std::string text;
};

Figure number(const char* key, double v, const char* fmt = "%.6f") {
    char buf[64];
    std::snprintf(buf, sizeof buf, fmt, v);
    return {key, fullPrecision(v), buf};
}

Figure flag(const char* key, bool v) { return {key, v ? "true" : "false", v ? "yes" : "no"}; }

Figure clockTime(const char* key, bool exists, int hour, int minute) {
    if (!exists) return {key, "null", "--:--"};
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d", hour, minute);
    return {key, jsonString(buf), buf};
}

// Where the instant comes from: the local date and clock, or an exact Julian day.
struct Instant {
    std::optional<double> jd;
    double latitude = 0;
};

// Rise, transit and set of the record's local date, for one body.
using DayEventsOf = std::function<void(DateTime&)>;

// Runs the document sequence for `place` and adds rise, transit, set and altitude.
void runSequence(DateTime& dt, EarthSun& es, const BodyPlace& place, const Instant& at,
                 std::vector<Figure>& out, const DayEventsOf& dayEvents) {
    dayEvents(dt);
    if (at.jd)
        dt.setInstant(*at.jd);
    else
        dt.computeDate();
    computePlaceAndAltitude(dt, es, place, at.latitude);
    out.push_back(clockTime("rise", dt.riseOnDate, dt.riseHour, dt.riseMinute));
    out.push_back(clockTime("transit", dt.transitOnDate, dt.transitHour, dt.transitMinute));
    out.push_back(clockTime("set", dt.setOnDate, dt.setHour, dt.setMinute));
    out.push_back(number("altitude_deg", dt.altitude(), "%.2f"));
}

// The sequence of a planet or the Sun, at a fixed rise altitude.
void runSequence(DateTime& dt, EarthSun& es, const BodyPlace& place, const Instant& at,
                 std::vector<Figure>& out, double h0 = kPlanetRiseAltitude) {
    runSequence(dt, es, place, at, out, [&](DateTime& d) {
        computeRiseTransitSetDay(d, es, place, at.latitude, h0);
    });
}

std::vector<Figure> sunFigures(DateTime& dt, EarthSun& es, const Instant& at) {
    std::vector<Figure> f;
    runSequence(dt, es, sunPlace(), at, f, kSunRiseAltitude);
    std::vector<Figure> place = {
        number("ra_deg", es.sunRa), number("dec_deg", es.sunDec),
        number("distance_au", es.sunDistance, "%.8f"),
        number("diameter_arcmin", es.sunDiameterArcmin, "%.3f"), number("p_deg", es.discP, "%.2f"),
        number("b0_deg", es.discB0, "%.2f"), number("l0_deg", es.discL0, "%.2f")};
    place.insert(place.end(), f.begin(), f.end());
    return place;
}

std::vector<Figure> moonFigures(DateTime& dt, EarthSun& es, const Instant& at) {
    MoonTheory moon;
    std::vector<Figure> rts;
    runSequence(dt, es, moonPlace(moon), at, rts,
                [&at](DateTime& d) { computeMoonRiseTransitSet(d, at.latitude); });
    std::vector<Figure> f = {
        number("ra_deg", toDeg(moon.rightAscension)),
        number("dec_deg", toDeg(moon.declination)),
        number("distance_km", moon.distance, "%.1f"),
        number("diameter_arcmin", moon.apparentDiameter, "%.2f"),
        number("illuminated_fraction", moon.illuminatedFraction, "%.4f"),
        number("libration_lon_deg", moon.librationLongitude, "%.2f"),
        number("libration_lat_deg", toDeg(moon.librationLatitude), "%.2f"),
        number("colongitude_deg", moon.colongitude, "%.2f"),
        number("axis_position_angle_deg", moon.axisPositionAngle, "%.2f"),
        {"age_days", std::to_string(moon.moonAge), std::to_string(moon.moonAge)},
        number("apparent_lon_deg", moon.apparentLongitude),
        number("lat_deg", moon.latitude),
    };
    f.insert(f.end(), rts.begin(), rts.end());
    return f;
}

// The figures every planet has, then its own.
template <class Planet>
std::vector<Figure> planetFigures(DateTime& dt, EarthSun& es, const Instant& at,
                                  void (*extras)(const Planet&, std::vector<Figure>&)) {
    Planet p;
    std::vector<Figure> rts;
    runSequence(dt, es, planetPlace(p), at, rts);
    // The heliocentric place at the instant itself (the planet keeps the one
    // at the time the light left it); Pluto's own series gives it directly.
    double helioL = p.L, helioB = p.B, helioR = p.r;
    if constexpr (!std::is_same_v<Planet, Pluto>) {
        Planet atInstant;
        atInstant.computeHeliocentric((dt.JD - 2451545.0) / 365250.0);
        helioL = atInstant.L;
        helioB = atInstant.B;
        helioR = atInstant.r;
    }
    std::vector<Figure> f = {
        number("ra_deg", p.ra),
        number("dec_deg", p.dec),
        number("distance_au", p.Delta, "%.6f"),
        number("light_time_days", p.tau, "%.6f"),
        number("diameter_arcsec", p.diameterArcsec, "%.2f"),
        number("magnitude", p.magnitude, "%.2f"),
        number("illuminated_fraction", p.illumination, "%.4f"),
        number("pole_inclination_deg", toDeg(p.poleInclination), "%.2f"),
        number("central_longitude_deg", p.centralLongitude, "%.2f"),
        number("helio_lon_deg", reduceDegrees(toDeg(helioL)), "%.5f"),
        number("helio_lat_deg", toDeg(helioB), "%.5f"),
        number("radius_au", helioR, "%.6f"),
    };
    f.insert(f.end(), rts.begin(), rts.end());
    if (extras) extras(p, f);
    return f;
}

void marsExtras(const Mars& m, std::vector<Figure>& f) {
    f.push_back(number("position_angle_deg", reduceDegrees(toDeg(m.positionAngle)), "%.2f"));
    f.push_back(number("season_angle_deg", m.seasonAngle, "%.2f"));
}
void jupiterExtras(const Jupiter& j, std::vector<Figure>& f) {
    f.push_back(number("system1_deg", j.system1Deg, "%.2f"));
    f.push_back(number("system2_deg", j.system2Deg, "%.2f"));
    f.push_back(number("system1_corrected_deg", j.system1CorrectedDeg, "%.2f"));
    f.push_back(number("system2_corrected_deg", j.system2CorrectedDeg, "%.2f"));
}
void saturnExtras(const Saturn& s, std::vector<Figure>& f) {
    f.push_back(number("position_angle_deg", reduceDegrees(toDeg(s.positionAngle)), "%.2f"));
    f.push_back(number("ring_tilt_deg", toDeg(s.ringTilt), "%.3f"));
    f.push_back(flag("ring_same_side", s.sameSide == 1));
}
void uranusExtras(const Uranus& u, std::vector<Figure>& f) {
    f.push_back(number("position_angle_deg", reduceDegrees(toDeg(u.positionAngle)), "%.2f"));
}

using BodyFigures = std::function<std::vector<Figure>(DateTime&, EarthSun&, const Instant&)>;

// The bodies in panel order; a new body is one more row.
struct BodyEntry {
    const char* name;
    BodyFigures figures;
};
const std::vector<BodyEntry>& bodies() {
    static const std::vector<BodyEntry> table = {
        {"sun", sunFigures},
        {"moon", moonFigures},
        {"mercury", [](auto& d, auto& e, auto& a) { return planetFigures<Mercury>(d, e, a, nullptr); }},
        {"venus", [](auto& d, auto& e, auto& a) { return planetFigures<Venus>(d, e, a, nullptr); }},
        {"mars", [](auto& d, auto& e, auto& a) { return planetFigures<Mars>(d, e, a, marsExtras); }},
        {"jupiter", [](auto& d, auto& e, auto& a) { return planetFigures<Jupiter>(d, e, a, jupiterExtras); }},
        {"saturn", [](auto& d, auto& e, auto& a) { return planetFigures<Saturn>(d, e, a, saturnExtras); }},
        {"uranus", [](auto& d, auto& e, auto& a) { return planetFigures<Uranus>(d, e, a, uranusExtras); }},
        {"neptune", [](auto& d, auto& e, auto& a) { return planetFigures<Neptune>(d, e, a, nullptr); }},
        {"pluto", [](auto& d, auto& e, auto& a) { return planetFigures<Pluto>(d, e, a, nullptr); }},
    };
    return table;
}

std::vector<std::string> bodyNames() {
    std::vector<std::string> names;
    for (const BodyEntry& b : bodies()) names.push_back(b.name);
    names.push_back("all");
    return names;
}

int runEphem(const CliValues& values, std::ostream& out, std::ostream& err) {
    const char* prefix = "vantorel-cli ephem: ";
    const ZoneArg zone = values.zone("zone");
    const std::optional<City> city = values.city("city");
    DateTime start;
    Instant at;
    at.latitude = city ? city->latitudeDeg : values.number("lat");
    if (values.mode() == "jd") {
        const double jd = values.number("jd");
        start.setLocal(2000, 1, 1, 0, 0, zone.hours, zone.minutes);
        start.namedZone = namedZoneOf(values);
        start.setInstant(jd);
        // The range of --jd is wide enough for every zone; the local date
        // must still fall within the program's years.
        if (start.validateDate() != kDateValid) {
            err << prefix << "argument --jd: the date must fall in the years 1985 to 2050\n";
            return kUsageError;
        }
        at.jd = jd;
    } else {
        const CivilDate date = values.date("date");
        const ClockTime clock = values.time("time");
        start.setLocal(date.year, date.month, date.day, clock.hour, clock.minute, zone.hours,
                       zone.minutes);
        start.namedZone = namedZoneOf(values);
        // A clock reading that summer time skips is shown as the reading the
        // clock does show.
        if (start.namedZone) start.computeDate();
    }
    // Without --lon (or --city) the centre of the zone stands in for the site.
    const bool siteGiven = values.has("lon") || city.has_value();
    if (city) start.siteLongitude = city->longitudeDeg;
    if (values.has("lon")) start.siteLongitude = values.number("lon");

    const std::string& wanted = values.text("body");
    std::vector<const BodyEntry*> chosen;
    for (const BodyEntry& b : bodies())
        if (wanted == "all" || wanted == b.name) chosen.push_back(&b);
    const long repeat = static_cast<long>(values.integer("repeat"));

    // Every run starts from the same record, as a document recomputes its date.
    std::vector<std::pair<std::string, std::vector<Figure>>> results;
    DateTime dt;
    const auto begin = std::chrono::steady_clock::now();
    for (long run = 0; run < repeat; ++run) {
        results.clear();
        for (const BodyEntry* b : chosen) {
            dt = start;
            EarthSun es;
            results.emplace_back(b->name, b->figures(dt, es, at));
        }
    }
    const auto elapsed = std::chrono::steady_clock::now() - begin;
    if (values.has("repeat")) {
        const double us = std::chrono::duration<double, std::micro>(elapsed).count() / repeat;
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.2f", us);
        err << "mean per run: " << buf << " microseconds over " << repeat << " runs\n";
    }

    // The instant as the record holds it after the last body.
    if (values.flag("json")) {
        out << "{\"jd\":" << fullPrecision(dt.JD) << ",\"jde\":" << fullPrecision(dt.JDE)
            << ",\"delta_t_s\":" << fullPrecision(dt.deltaT * 86400.0)
            << ",\"latitude_deg\":" << fullPrecision(at.latitude)
            << ",\"longitude_east_deg\":" << fullPrecision(-dt.longitudeWest())
            << ",\"longitude_from\":" << jsonString(siteGiven ? "site" : "zone") << zoneJson(dt);
        if (city)
            out << ",\"city\":{\"name\":" << jsonString(city->name)
                << ",\"region\":" << jsonString(city->region)
                << ",\"country\":" << jsonString(city->country) << "}";
        out << ",\"bodies\":{";
        for (size_t i = 0; i < results.size(); ++i) {
            out << (i ? "," : "") << jsonString(results[i].first) << ":{";
            const auto& figures = results[i].second;
            for (size_t k = 0; k < figures.size(); ++k)
                out << (k ? "," : "") << jsonString(figures[k].key) << ":" << figures[k].json;
            out << "}";
        }
        out << "}}\n";
        return 0;
    }
    char line[160];
    std::snprintf(line, sizeof line, "JD %.6f  JDE %.6f  delta T %.1f s\n", dt.JD, dt.JDE,
                  dt.deltaT * 86400.0);
    out << line;
    std::snprintf(line, sizeof line, "longitude %.4f deg east (%s)\n", -dt.longitudeWest(),
                  siteGiven ? "site" : "centre of the zone");
    out << line;
    for (const auto& [name, figures] : results) {
        out << "\n" << name << "\n";
        for (const Figure& f : figures) {
            std::snprintf(line, sizeof line, "  %-24s %s\n", f.key.c_str(), f.text.c_str());
            out << line;
        }
    }
    return 0;
}

const CommandSyntax kSyntax{
    "ephem",
    "Each body's panel figures for a local date and time, or for an exact Julian day.",
    {"date", "jd"},
    {
        dateOption("date", "local date").requiredInModes({"date"}).selectsMode("date").onlyIn({"date"}),
        timeOption("time", "local clock time").requiredInModes({"date"}).onlyIn({"date"}),
        doubleOption("jd", 2400000.5, 2500000.5, "the instant's Julian day (universal time)")
            .selectsMode("jd")
            .onlyIn({"jd"})
            .named("JD"),
        zoneArgument().required().orGiven({"tz", "city"}),
        tzArgument(),
        doubleOption("lat", -90, 90, "site latitude, degrees, north positive")
            .required()
            .orGiven({"city"})
            .named("DEG"),
        doubleOption("lon", -180, 180,
                     "site longitude, degrees, east positive; without it the centre of the zone")
            .named("DEG"),
        cityArgument(),
        enumOption("body", bodyNames(), "the body, or all of them").byDefault("all"),
        jsonFlag(),
        intOption("repeat", 1, 10000000, "run N times and print the mean time per run").byDefault("1"),
    },
                    "ephem --date 2024-06-01 --time 22:30 --zone +2 --lat 48.8 --body mars"};
const CliCommandRegistrar registrar(kSyntax, runEphem);

}  // namespace
}  // namespace vantorel::cli
