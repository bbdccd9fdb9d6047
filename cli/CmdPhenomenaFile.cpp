// vantorel-cli phenomena-file: the yearly file the day search reads, or the
// readable listing of a period.
#include <chrono>
#include <cstdio>
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliListOptions.h"
#include "common/files/Paths.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "satellites/JupiterMotion.h"
#include "satellites/JupiterSystem.h"
#include "satellites/PhenomenaFiles.h"
#include "satellites/PhenomenaGenerator.h"

namespace vantorel::cli {
namespace {

constexpr int kRefused = 1;

int runPhenomenaFile(const CliValues& values, std::ostream& out, std::ostream& err) {
    const ListOptions options = listOptions(values);
    const bool exhaustive = values.flag("exhaustive");
    const SearchMode mode = exhaustive ? SearchMode::Exhaustive : SearchMode::Fast;
    JupiterSystem jupiter;
    EarthSun es;
    JupiterMotion motion(jupiter, es);
    const auto started = std::chrono::steady_clock::now();
    FileResult result;
    std::string file;
    std::string zoneMembers;  // the listing's zone, for JSON

    if (values.mode() == "year") {
        const int year = values.toInt("year");
        // Where it lands depends on the settings in use: say the whole path.
        file = Paths::yearlyFileToWrite(yearlyFileName(year)).string();
        result = generateYearlyFile(year, jupiter, motion, mode, options.language);
    } else {
        TextFileRequest r;
        r.unit = static_cast<PeriodUnit>(values.choice("unit"));
        const CivilDate start = values.date("start");
        r.path = values.text("text");
        r.year = start.year;
        r.month = start.month;
        r.day = start.day;
        r.count = values.toInt("count");
        DateTime first;
        options.setLocal(first, start.year, start.month, start.day, 0, 0);
        r.zone = first.timeZone();
        zoneMembers = zoneJson(first);
        r.language = options.language;
        r.replaceExisting = values.flag("force");
        // The count's limit depends on the unit: the program's own message,
        // as a bad argument.
        if (const std::string refused = validateTextFileRequest(r); !refused.empty()) {
            err << "vantorel-cli phenomena-file: argument --count: " << refused << "\n";
            return kUsageError;
        }
        file = r.path;
        GeneratorRequest request;
        request.text = r;
        request.redSpotLongitude = values.toInt("longitude");
        request.mode = mode;
        result = runGenerator(request);
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (!result.ok) {
        err << result.message << "\n";
        return kRefused;
    }
    if (options.json) {
        out << "{\"file\":" << jsonString(file) << ",\"rows\":" << result.rows
            << ",\"exhaustive\":" << (exhaustive ? "true" : "false") << ",\"seconds\":" << fullPrecision(seconds)
            << zoneMembers << "}\n";
    } else {
        char line[160];
        std::snprintf(line, sizeof line, "%s: %ld rows in %.2f s\n", file.c_str(), result.rows, seconds);
        out << line;
    }
    return 0;
}

const CommandSyntax kSyntax{
    "phenomena-file",
    "Writes the yearly phenomena file j<year>.sat the day search reads, or the readable listing "
    "of a period.",
    {"year", "text"},
    {
        intOption("year", kFirstYear, kLastYear, "year of the yearly file to write (UT)")
            .selectsMode("year")
            .requiredInModes({"year"})
            .onlyIn({"year"})
            .named("YYYY"),
        stringOption("text", "the readable listing to write")
            .selectsMode("text")
            .requiredInModes({"text"})
            .onlyIn({"text"})
            .named("FILE"),
        dateOption("start", "first local day; a month unit starts on the 1st, a year unit on 1 January")
            .requiredInModes({"text"})
            .onlyIn({"text"}),
        enumOption("unit", {"day", "month", "year"}, "unit of the period")
            .requiredInModes({"text"})
            .onlyIn({"text"}),
        // Bounded here as a number; the unit's own limit comes after.
        intOption("count", 1, 100000, "number of units: at most 60 days, 11 months or 1 year")
            .requiredInModes({"text"})
            .onlyIn({"text"}),
        intOption("longitude", 0, 359, "System II longitude of the Red Spot, degrees")
            .byDefault("80")
            .onlyIn({"text"}),
        zoneArgument().onlyIn({"text"}),
        tzArgument().onlyIn({"text"}),
        langArgument(),
        flagOption("force", "replace a listing that already exists").onlyIn({"text"}),
        flagOption("exhaustive", "compute every minute in full instead of only those near a contact"),
        jsonFlag(),
    },
                    "phenomena-file --text JupSat.txt --start 2024-03-01 --unit day --count 2 --zone +1"};
const CliCommandRegistrar registrar(kSyntax, runPhenomenaFile);

}  // namespace
}  // namespace vantorel::cli
