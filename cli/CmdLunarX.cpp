// vantorel-cli lunar-x: the moments the Lunar X shows, for every first
// quarter from the date's month to the end of its year.
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliListOptions.h"
#include "cli/MoonCommand.h"
#include "moon/LunarXText.h"
#include "moon/MoonDocument.h"

namespace vantorel::cli {
namespace {

int runLunarX(const CliValues& values, std::ostream& out, std::ostream&) {
    const auto command = openMoonCommand(values);
    const ListOptions* options = &command->options;
    MoonDocument& doc = *command->doc;
    doc.searchLunarX();

    const MoonTheory& moon = doc.moon;
    const std::vector<std::string> lines = lunarXLines(moon, command->settings.dateFormatIndex());
    const int count = doc.lunarXCount < MoonTheory::kLunarXLineCount ? doc.lunarXCount
                                                                     : MoonTheory::kLunarXLineCount;
    if (options->json) {
        out << "{\"lines\":[";
        bool first = true;
        for (int i = 0; i < count; ++i) {
            if (lines[i].empty()) continue;
            const CalendarTime& c = moon.lunarXInstants[i];
            out << (first ? "" : ",") << "{\"line\":" << jsonString(lines[i])
                << ",\"local\":"
                << jsonString(isoDateTime(c.year, c.month, c.day, c.hours, c.minutes)) << "}";
            first = false;
        }
        out << "]" << zoneJson(doc.dateTime) << "}\n";
        return 0;
    }
    out << kLunarXListTitle(options->language) << "\n"
        << kLunarXListHeading(options->language) << "\n";
    for (int i = 0; i < count; ++i)
        if (!lines[i].empty()) out << lines[i] << "\n";
    return 0;
}

const CommandSyntax kSyntax{"lunar-x", "The moments the Lunar X becomes visible, for every first quarter from the date's month to the end of its year.", {}, moonCommandOptions(),
                    "lunar-x --date 2024-01-10 --zone +1"};
const CliCommandRegistrar registrar(kSyntax, runLunarX);

}  // namespace
}  // namespace vantorel::cli
