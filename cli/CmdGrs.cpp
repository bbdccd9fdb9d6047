// vantorel-cli grs: the Great Red Spot's transits of a local day.
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliListOptions.h"
#include "engine/DATE_TIME.h"
#include "engine/EARTH_SUN.h"
#include "engine/JUPITER.h"
#include "satellites/RedSpotSearch.h"

namespace vantorel::cli {
namespace {

int runGrs(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    CliArgs args;
    const auto options = parseListOptions("grs", argv, {"date", "longitude"}, {"date"}, args, err);
    if (!options) return kUsageError;
    const auto when = parseDateAndTime("grs", args, err);
    if (!when) return kUsageError;
    int longitude = 80;  // the program's default reference
    if (const auto text = args.get("longitude")) {
        std::string message;
        const auto v = parseNumber("longitude", *text, message);
        if (!v || *v < 0 || *v > 359 || *v != static_cast<int>(*v)) {
            err << "vantorel-cli grs: argument --longitude: expected a whole number 0..359, got '" << *text
                << "'\n";
            return kUsageError;
        }
        longitude = static_cast<int>(*v);
    }
    JUPITER jupiter;
    EARTH_SUN es;
    DATE_TIME dt;
    dt.setLocal(when->date.year, when->date.month, when->date.day, 0, 0, options->zone.hours,
                options->zone.minutes);
    const RedSpotTransits t = findRedSpotTransits(dt, es, jupiter, longitude);
    if (options->json) {
        out << "{\"longitude\":" << longitude << ",\"transits\":[";
        for (int k = 0; k < t.count; ++k)
            out << (k ? "," : "") << "{\"hour\":" << t.hour[k] << ",\"minute\":" << t.minute[k]
                << ",\"text\":" << jsonString(t.slots[static_cast<size_t>(k)]) << "}";
        out << "]}\n";
        return 0;
    }
    for (int k = 0; k < t.count; ++k) out << t.slots[static_cast<size_t>(k)] << "\n";
    return 0;
}

const CliCommandRegistrar registrar(
    "grs", "grs --date YYYY-MM-DD [--longitude 0..359] [--zone Z] [--lang en|fr|es] [--json]", runGrs);

}  // namespace
}  // namespace vantorel::cli
