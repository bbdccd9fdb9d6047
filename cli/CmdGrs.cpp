// vantorel-cli grs: the Great Red Spot's transits of a local day.
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliListOptions.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/Jupiter.h"
#include "satellites/RedSpotSearch.h"

namespace vantorel::cli {
namespace {

int runGrs(const CliValues& values, std::ostream& out, std::ostream&) {
    const ListOptions shared = listOptions(values);
    const ListOptions* options = &shared;
    const CivilDate date = values.date("date");
    const int longitude = values.toInt("longitude");
    Jupiter jupiter;
    EarthSun es;
    DateTime dt;
    options->setLocal(dt, date.year, date.month, date.day, 0, 0);
    const RedSpotTransits t = findRedSpotTransits(dt, es, jupiter, longitude);
    if (options->json) {
        out << "{\"longitude\":" << longitude << ",\"transits\":[";
        for (int k = 0; k < t.count; ++k)
            out << (k ? "," : "") << "{\"hour\":" << t.hour[k] << ",\"minute\":" << t.minute[k]
                << ",\"text\":" << jsonString(t.slots[static_cast<size_t>(k)]) << "}";
        out << "]" << zoneJson(dt) << "}\n";
        return 0;
    }
    for (int k = 0; k < t.count; ++k) out << t.slots[static_cast<size_t>(k)] << "\n";
    return 0;
}

const CommandSyntax kSyntax{
    "grs",
    "The local times of a day at which the Great Red Spot crosses the central meridian.",
    {},
    withListArguments({
        dateOption("date", "local date").required(),
        intOption("longitude", 0, 359, "System II longitude of the Red Spot, degrees").byDefault("80"),
    }),
                    "grs --date 2024-01-15 --longitude 60 --zone +1"};
const CliCommandRegistrar registrar(kSyntax, runGrs);

}  // namespace
}  // namespace vantorel::cli
