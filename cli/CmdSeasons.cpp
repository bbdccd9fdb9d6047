// vantorel-cli seasons: the beginnings of the seasons of Mars over a number of
// years.
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliListOptions.h"
#include "engine/Mars.h"
#include "sky/MarsSeasonSearch.h"

namespace vantorel::cli {
namespace {

const char* const kSeasonKeys[4] = {"spring", "summer", "autumn", "winter"};

int runSeasons(const CliValues& values, std::ostream& out, std::ostream& err) {
    const ListOptions shared = listOptions(values);
    const ListOptions* options = &shared;
    const int start = values.toInt("start");
    const int years = values.toInt("years");
    if (const int code = validateSeasonParameters(start, years); code != kSeasonParametersValid) {
        err << "vantorel-cli seasons: argument --"
            << (code == kSeasonYearInvalid ? "start" : "years") << ": "
            << seasonParameterMessage(code, options->language) << "\n";
        return kUsageError;
    }

    Mars mars;
    DateTime dt;
    options->setLocal(dt, start, 1, 1, 0, 0);
    const std::string zoneMembers = zoneJson(dt);
    MarsSeasonSearchResult list;
    searchMarsSeasons(mars, dt, start + years, options->language, options->dateFormat, list);

    if (!options->json) {
        out << kSeasonListTitle(options->language) << "\n"
            << kSeasonListDateHeading(options->language) << "  "
            << kSeasonListSeasonHeading(options->language) << "\n";
        for (int i = 0; i < list.count; ++i)
            out << list.lines[i] << "\n";
        return 0;
    }
    out << "{\"events\":[";
    for (int i = 0; i < list.count; ++i) {
        const MarsSeasonSearchResult::Event& e = list.events[i];
        const CalendarTime& c = e.local;
        out << (i ? "," : "") << "{\"season\":" << jsonString(kSeasonKeys[(e.boundary % 360) / 90])
            << ",\"boundary_deg\":" << e.boundary
            << ",\"local\":" << jsonString(isoDateTime(c.year, c.month, c.day, c.hours, c.minutes))
            << ",\"jd\":" << fullPrecision(e.julianDay) << ",\"line\":" << jsonString(list.lines[i])
            << "}";
    }
    out << "]" << zoneMembers << "}\n";
    return 0;
}

// The years are checked twice: here as numbers an int holds, then by the
// search's own rule, whose message in the user's language names the limits.
const CommandSyntax kSyntax{
    "seasons",
    "The beginnings of the seasons of Mars from January 1 of a year, over a number of years.",
    {},
    withListArguments({
        intOption("start", -1000000, 1000000, "first year, 1990..2050").required(),
        intOption("years", -1000000, 1000000, "number of years, 1..10").required(),
    }),
                    "seasons --start 2024 --years 2"};
const CliCommandRegistrar registrar(kSyntax, runSeasons);

}  // namespace
}  // namespace vantorel::cli
