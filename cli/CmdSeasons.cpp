// vantorel-cli seasons: the beginnings of the seasons of Mars over a number of
// years.
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliListOptions.h"
#include "engine/MARS.h"
#include "sky/MarsSeasonSearch.h"

namespace vantorel::cli {
namespace {

const char* const kSeasonKeys[4] = {"spring", "summer", "autumn", "winter"};

// A whole number argument; any other text is left to the range check as
// out of range.
int wholeNumber(const std::string& text) {
    std::string message;
    const auto v = parseNumber("n", text, message);
    if (!v || *v != static_cast<double>(static_cast<int>(*v))) return -1;
    return static_cast<int>(*v);
}

int runSeasons(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    CliArgs args;
    const auto options =
        parseListOptions("seasons", argv, {"start", "years"}, {"start", "years"}, args, err);
    if (!options) return kUsageError;
    const int start = wholeNumber(*args.get("start"));
    const int years = wholeNumber(*args.get("years"));
    if (const int code = validateSeasonParameters(start, years); code != kSeasonParametersValid) {
        err << "vantorel-cli seasons: argument --"
            << (code == kSeasonYearInvalid ? "start" : "years") << ": "
            << seasonParameterMessage(code, options->language) << "\n";
        return kUsageError;
    }

    MARS mars;
    DATE_TIME dt;
    dt.setLocal(start, 1, 1, 0, 0, options->zone.hours, options->zone.minutes);
    MarsSeasonList list;
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
        const MarsSeasonList::Event& e = list.events[i];
        const CalendarTime& c = e.local;
        out << (i ? "," : "") << "{\"season\":" << jsonString(kSeasonKeys[(e.boundary % 360) / 90])
            << ",\"boundary_deg\":" << e.boundary
            << ",\"local\":" << jsonString(isoDateTime(c.year, c.month, c.day, c.hours, c.minutes))
            << ",\"jd\":" << fullPrecision(e.julianDay) << ",\"line\":" << jsonString(list.lines[i])
            << "}";
    }
    out << "]}\n";
    return 0;
}

const CliCommandRegistrar registrar(
    "seasons",
    "seasons --start YEAR --years N [--zone Z] [--lang en|fr|es] [--date-format 0..3] [--json]",
    runSeasons);

}  // namespace
}  // namespace vantorel::cli
