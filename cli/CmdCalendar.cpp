// vantorel-cli calendar: the nights' events as an iCalendar file.
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliListOptions.h"
#include "cli/NightCommand.h"
#include "engine/Clock.h"
#include "tonight/NightCalendar.h"

namespace vantorel::cli {
namespace {

int runCalendar(const CliValues& values, std::ostream& out, std::ostream& err) {
    const ListOptions options = listOptions(values);
    CalendarRequest rq;
    rq.first = nightRequestFrom(values, values.date("from"));
    rq.nights = values.toInt("days");
    rq.language = options.language;
    rq.dateFormat = options.dateFormat;
    if (const std::string refused = validateCalendarRequest(rq); !refused.empty()) {
        err << "vantorel-cli calendar: argument --days: " << refused << "\n";
        return kUsageError;
    }
    const std::string& path = values.text("out");
    const CalendarWrite w =
        writeNightCalendar(rq, path, SystemClock().universalJd(), values.flag("force"));
    if (!w.ok) {
        err << "vantorel-cli calendar: " << w.message;
        if (w.existed) err << " (--force replaces it)";
        err << "\n";
        return 1;
    }
    if (options.json)
        out << "{\"file\":" << jsonString(path) << ",\"nights\":" << rq.nights
            << ",\"events\":" << w.events << "}\n";
    else
        out << w.events << " events written to " << path << "\n";
    return 0;
}

std::vector<CliOption> calendarOptions() {
    std::vector<CliOption> own = {
        dateOption("from", "local date of the first night").required(),
        intOption("days", 1, 366, "number of nights").byDefault("1"),
        stringOption("out", "the iCalendar file to write").required().named("FILE.ics"),
        flagOption("force", "replace a file that already exists"),
    };
    for (CliOption& o : nightSiteOptions()) own.push_back(std::move(o));
    return withListArguments(std::move(own));
}

const CommandSyntax kSyntax{
    "calendar",
    "The observable events of Jupiter, the Lunar X, the Moon's phases, conjunctions, oppositions, elongations and Mars seasons of a number of nights, as an iCalendar file.",
    {},
    calendarOptions(),
    "calendar --from 2024-03-14 --days 7 --zone +1 --lat 48.85 --lon 2.35 --out /tmp/vantorel-example.ics --force"};
const CliCommandRegistrar registrar(kSyntax, runCalendar);

}  // namespace
}  // namespace vantorel::cli
