// vantorel-cli satellites: where the moons of Jupiter, Saturn, Mars and Uranus
// stand at one instant.
#include <cstdio>
#include <ostream>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CliListOptions.h"
#include "common/text/LanguageText.h"
#include "engine/Angles.h"
#include "engine/BodySequence.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/Saturn.h"
#include "satellites/JupiterSystem.h"
#include "satellites/SatelliteInfoRecord.h"
#include "satellites/SatelliteRecordTable.h"
#include "satellites/SaturnMoonSet.h"

namespace vantorel::cli {
namespace {

const char* const kGalilean[4] = {"Io", "Europa", "Ganymede", "Callisto"};
const TextTriple kNoData{"no data", "pas de données", "sin datos"};

std::string fixed(double v, const char* fmt = "%+.4f") {
    char buf[32];
    std::snprintf(buf, sizeof buf, fmt, v);
    return buf;
}

void jupiterMoons(DateTime& dt, bool json, std::ostream& out) {
    JupiterSystem jupiter;
    EarthSun es;
    computeInstant(dt, es, planetPlace(jupiter));
    dt.computeDate();
    // Classified as the views do: from the geometry alone, never recording.
    jupiter.queryMode = true;
    jupiter.computeSatellites(dt, "00    -24  00", es);
    if (json) out << "{\"body\":\"jupiter\",\"moons\":[";
    else out << "Moon        X(Earth)  Y(Earth)  Z(Earth)   X(Sun)    Y(Sun)    Z(Sun)   states\n";
    for (int j = 0; j < 4; ++j) {
        const bool states[4] = {jupiter.inTransit[j], jupiter.shadowOnDisc[j], jupiter.occulted[j],
                                jupiter.eclipsed[j]};
        const char* names[4] = {"in_transit", "shadow_on_disc", "occulted", "eclipsed"};
        if (json) {
            out << (j ? "," : "") << "{\"name\":" << jsonString(kGalilean[j]) << ",\"number\":" << j + 1
                << ",\"earth\":{\"x\":" << fullPrecision(jupiter.AX[j]) << ",\"y\":"
                << fullPrecision(jupiter.AY[j]) << ",\"z\":" << fullPrecision(jupiter.AZ[j])
                << "},\"sun\":{\"x\":" << fullPrecision(jupiter.AX[j + 4]) << ",\"y\":"
                << fullPrecision(jupiter.AY[j + 4]) << ",\"z\":" << fullPrecision(jupiter.AZ[j + 4]) << "}";
            for (int k = 0; k < 4; ++k) out << ",\"" << names[k] << "\":" << (states[k] ? "true" : "false");
            out << "}";
            continue;
        }
        char line[160];
        std::snprintf(line, sizeof line, "%-10s %9.4f %9.4f %9.4f %9.4f %9.4f %9.4f  ", kGalilean[j],
                      jupiter.AX[j], jupiter.AY[j], jupiter.AZ[j], jupiter.AX[j + 4], jupiter.AY[j + 4],
                      jupiter.AZ[j + 4]);
        out << line;
        bool any = false;
        for (int k = 0; k < 4; ++k)
            if (states[k]) out << (any ? ", " : "") << names[k], any = true;
        out << (any ? "" : "-") << "\n";
    }
    if (json) out << "]";
}

void saturnMoons(DateTime& dt, bool json, std::ostream& out) {
    Saturn saturn;
    EarthSun es;
    computeInstant(dt, es, planetPlace(saturn));
    dt.computeDate();
    SatelliteRecordTable table = SatelliteRecordTable::saturn();
    const SaturnMoonSet set = computeSaturnMoons(saturn, dt, table);
    // The ring tilt is Saturn's (as `ephem` gives it), positive when the
    // Earth is north of the rings; offsets are in Saturn equatorial radii.
    if (json) {
        out << "{\"body\":\"saturn\",\"ring_tilt_deg\":" << fullPrecision(toDeg(set.ringTilt))
            << ",\"position_angle_deg\":" << fullPrecision(toDeg(set.positionAngle))
            << ",\"moons\":[";
    } else {
        out << "Ring tilt (deg): " << fixed(toDeg(set.ringTilt), "%+.3f")
            << "   position angle of the pole (deg): " << fixed(toDeg(set.positionAngle), "%.3f")
            << "\nMoon              east       north      x (ring)   y (ring)   (Saturn radii)\n";
    }
    for (int i = 0; i < kSaturnSatellites; ++i) {
        const SaturnMoonPlace& m = set.moons[i];
        const SatelliteInfoRecord info = satelliteInfo(SatelliteFamily::Saturn, i);
        if (json) {
            out << (i ? "," : "") << "{\"name\":" << jsonString(info.name) << ",\"number\":" << i + 1
                << ",\"east\":" << fullPrecision(m.east) << ",\"north\":" << fullPrecision(m.north)
                << ",\"x\":" << fullPrecision(m.x) << ",\"y\":" << fullPrecision(m.y)
                << ",\"approximate\":" << (m.approximate ? "true" : "false") << "}";
        } else {
            char line[128];
            std::snprintf(line, sizeof line, "%-16s %10.3f %10.3f %10.3f %10.3f%s\n", info.name, m.east,
                          m.north, m.x, m.y, m.approximate ? "   approximate" : "");
            out << line;
        }
    }
    if (json) out << "]";
}

void recordMoons(DateTime& dt, SatelliteFamily family, int language, bool json, std::ostream& out) {
    SatelliteRecordTable table =
        family == SatelliteFamily::Mars ? SatelliteRecordTable::mars() : SatelliteRecordTable::uranus();
    const char* body = family == SatelliteFamily::Mars ? "mars" : "uranus";
    if (json) out << "{\"body\":\"" << body << "\",\"moons\":[";
    else out << "Moon              east (\")  north (\")\n";
    for (int k = 1; k <= table.bodyCount(); ++k) {
        double first = 0, second = 0;
        const bool found = table.offsets(k, static_cast<int>(dt.utYear), static_cast<int>(dt.utMonth),
                                         static_cast<int>(dt.utDay), static_cast<int>(dt.utHour),
                                         static_cast<int>(dt.utMinute), first, second);
        const SatelliteInfoRecord info = satelliteInfo(family, k - 1);
        if (json) {
            out << (k > 1 ? "," : "") << "{\"name\":" << jsonString(info.name) << ",\"number\":" << k;
            if (found) out << ",\"east_arcsec\":" << fullPrecision(first) << ",\"north_arcsec\":" << fullPrecision(second);
            else out << ",\"no_data\":true";
            out << "}";
        } else {
            char line[96];
            if (found) std::snprintf(line, sizeof line, "%-16s %10.3f %10.3f\n", info.name, first, second);
            else std::snprintf(line, sizeof line, "%-16s %s\n", info.name, kNoData(language));
            out << line;
        }
    }
    if (json) out << "]";
}

int runSatellites(const CliValues& values, std::ostream& out, std::ostream&) {
    const ListOptions shared = listOptions(values);
    const ListOptions* options = &shared;
    const CivilDate date = values.date("date");
    const ClockTime clock = values.time("time");
    const std::string& body = values.text("body");
    DateTime dt;
    options->setLocal(dt, date.year, date.month, date.day, clock.hour, clock.minute);
    dt.computeDate();
    if (body == "jupiter") jupiterMoons(dt, options->json, out);
    else if (body == "saturn") saturnMoons(dt, options->json, out);
    else if (body == "mars") recordMoons(dt, SatelliteFamily::Mars, options->language, options->json, out);
    else recordMoons(dt, SatelliteFamily::Uranus, options->language, options->json, out);
    if (options->json) out << zoneJson(dt) << "}\n";
    return 0;
}

const CommandSyntax kSyntax{
    "satellites",
    "Where the moons of Jupiter, Saturn, Mars or Uranus stand at one instant.",
    {},
    {
        enumOption("body", {"jupiter", "saturn", "mars", "uranus"}, "the planet").required(),
        dateOption("date", "local date").required(),
        timeOption("time", "local clock time").byDefault("00:00"),
        zoneArgument(),
        tzArgument(),
        langArgument(),
        jsonFlag(),
    },
                    "satellites --body jupiter --date 2025-01-10 --time 21:00 --zone +1"};
const CliCommandRegistrar registrar(kSyntax, runSatellites);

}  // namespace
}  // namespace vantorel::cli
