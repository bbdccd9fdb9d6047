// vantorel-cli phenomena-file: the yearly file the day search reads, or the
// readable listing of a period.
#include <chrono>
#include <cstdio>
#include <ostream>

#include "app/Paths.h"
#include "cli/CliCommand.h"
#include "cli/CliListOptions.h"
#include "engine/DATE_TIME.h"
#include "engine/EARTH_SUN.h"
#include "engine/JUPITER.h"
#include "satellites/JupiterMotion.h"
#include "satellites/PhenomenaFiles.h"
#include "satellites/RedSpotSearch.h"

namespace vantorel::cli {
namespace {

constexpr int kRefused = 1;

int runPhenomenaFile(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    CliArgs args;
    // --exhaustive is a switch; parseListOptions knows only --json as one.
    std::vector<std::string> rest;
    bool exhaustive = false;
    for (const std::string& a : argv) {
        if (a == "--exhaustive") exhaustive = true;
        else rest.push_back(a);
    }
    const auto options = parseListOptions("phenomena-file", rest,
                                          {"year", "text", "start", "unit", "count", "longitude"}, {},
                                          args, err);
    if (!options) return kUsageError;
    const SearchMode mode = exhaustive ? SearchMode::Exhaustive : SearchMode::Fast;
    JUPITER jupiter;
    EARTH_SUN es;
    JupiterMotion motion(jupiter, es);
    std::string message;
    const auto started = std::chrono::steady_clock::now();
    FileResult result;
    std::string file;

    if (args.has("year") == args.has("text")) {
        err << "vantorel-cli phenomena-file: give either --year or --text\n";
        return kUsageError;
    }
    if (args.has("year")) {
        const auto year = parseNumber("year", *args.get("year"), message);
        if (!year || *year != static_cast<int>(*year)) {
            err << "vantorel-cli phenomena-file: " << (message.empty() ? "argument --year: expected a year" : message)
                << "\n";
            return kUsageError;
        }
        // Where it lands depends on the settings in use: say the whole path.
        file = Paths::yearlyFileToWrite(yearlyFileName(static_cast<int>(*year))).string();
        result = generateYearlyFile(static_cast<int>(*year), jupiter, motion, mode, options->language);
    } else {
        for (const char* name : {"start", "unit", "count"}) {
            if (!args.has(name)) {
                err << "vantorel-cli phenomena-file: argument --" << name << " is required with --text\n";
                return kUsageError;
            }
        }
        const auto start = parseDate(*args.get("start"), message);
        const auto count = start ? parseNumber("count", *args.get("count"), message) : std::nullopt;
        if (!start || !count || *count != static_cast<int>(*count)) {
            err << "vantorel-cli phenomena-file: " << (message.empty() ? "argument --count: expected a whole number" : message)
                << "\n";
            return kUsageError;
        }
        const std::string unit = *args.get("unit");
        TextFileRequest r;
        if (unit == "day") r.unit = PeriodUnit::Day;
        else if (unit == "month") r.unit = PeriodUnit::Month;
        else if (unit == "year") r.unit = PeriodUnit::Year;
        else {
            err << "vantorel-cli phenomena-file: argument --unit: expected day, month or year, got '" << unit << "'\n";
            return kUsageError;
        }
        int longitude = 80;
        if (const auto g = args.get("longitude")) {
            const auto v = parseNumber("longitude", *g, message);
            if (!v || *v < 0 || *v > 359 || *v != static_cast<int>(*v)) {
                err << "vantorel-cli phenomena-file: argument --longitude: expected a whole number 0..359\n";
                return kUsageError;
            }
            longitude = static_cast<int>(*v);
        }
        r.path = *args.get("text");
        r.year = start->year;
        r.month = start->month;
        r.day = start->day;
        r.count = static_cast<int>(*count);
        r.zoneHours = options->zone.hours;
        r.zoneMinutes = options->zone.minutes;
        r.language = options->language;
        file = r.path;
        JUPITER spotPlanet;
        EARTH_SUN spotSun;
        result = generateTextFile(r, jupiter, motion, mode, [&](const LocalMinute& day) {
            DATE_TIME dt;
            dt.setLocal(day.year, day.month, day.day, 0, 0, r.zoneHours, r.zoneMinutes);
            return findRedSpotTransits(dt, spotSun, spotPlanet, longitude).slots;
        });
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (!result.ok) {
        err << result.message << "\n";
        return kRefused;
    }
    if (options->json) {
        out << "{\"file\":" << jsonString(file) << ",\"rows\":" << result.rows
            << ",\"exhaustive\":" << (exhaustive ? "true" : "false") << ",\"seconds\":" << fullPrecision(seconds)
            << "}\n";
    } else {
        char line[160];
        std::snprintf(line, sizeof line, "%s: %ld rows in %.2f s\n", file.c_str(), result.rows, seconds);
        out << line;
    }
    return 0;
}

const CliCommandRegistrar registrar(
    "phenomena-file",
    "phenomena-file --year YYYY [--exhaustive] [--json] | phenomena-file --text FILE --start YYYY-MM-DD "
    "--unit day|month|year --count N [--longitude 0..359] [--zone Z] [--lang en|fr|es] [--exhaustive] [--json]",
    runPhenomenaFile);

}  // namespace
}  // namespace vantorel::cli
