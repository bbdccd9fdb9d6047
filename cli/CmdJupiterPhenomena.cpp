// vantorel-cli jupiter-phenomena: the day's phenomena of the Galilean
// satellites as the list window shows them.
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliListOptions.h"
#include "engine/EarthSun.h"
#include "satellites/JupiterMotion.h"
#include "satellites/JupiterSystem.h"
#include "satellites/PhenomenaFiles.h"

namespace vantorel::cli {
namespace {

int runJupiterPhenomena(const CliValues& values, std::ostream& out, std::ostream&) {
    const ListOptions shared = listOptions(values);
    const ListOptions* options = &shared;
    const CivilDate date = values.date("date");
    JupiterSystem jupiter;
    EarthSun es;
    JupiterMotion motion(jupiter, es);
    jupiter.frenchCodes = options->language == 1;  // French codes with the French texts
    DateTime dt;
    options->setLocal(dt, date.year, date.month, date.day, 0, 0);
    const bool fromFile = findDayPhenomena({date.year, date.month, date.day, 0, 0}, dt.timeZone(),
                                           jupiter, motion, SearchMode::Fast);
    const PhenomenonRows& rows = jupiter.rows;
    if (options->json) {
        out << "{\"from_file\":" << (fromFile ? "true" : "false") << ",\"rows\":[";
        for (int i = 0; i < rows.count(); ++i) {
            const PhenomenonRow& r = rows[i];
            out << (i ? "," : "") << "{\"day\":" << r.day << ",\"hour\":" << r.hour << ",\"minute\":" << r.minute
                << ",\"satellite\":" << r.satellite << ",\"code\":" << r.code << ",\"text\":" << jsonString(r.text)
                << "}";
        }
        out << "],\"dropped\":" << rows.dropped() << zoneJson(dt) << "}\n";
        return 0;
    }
    for (int i = 0; i < rows.count(); ++i) out << rows[i].text << "\n";
    return 0;
}

const CommandSyntax kSyntax{
    "jupiter-phenomena",
    "The day's eclipses, occultations, transits and shadow transits of the Galilean satellites.",
    {},
    withListArguments({dateOption("date", "local date").required()}),
                    "jupiter-phenomena --date 2011-03-15 --zone +5:30"};
const CliCommandRegistrar registrar(kSyntax, runJupiterPhenomena);

}  // namespace
}  // namespace vantorel::cli
