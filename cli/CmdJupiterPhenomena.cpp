// vantorel-cli jupiter-phenomena: the day's phenomena of the Galilean
// satellites as the list window shows them.
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliListOptions.h"
#include "engine/EARTH_SUN.h"
#include "engine/JUPITER.h"
#include "satellites/JupiterMotion.h"
#include "satellites/PhenomenaFiles.h"

namespace vantorel::cli {
namespace {

int runJupiterPhenomena(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    CliArgs args;
    const auto options = parseListOptions("jupiter-phenomena", argv, {"date"}, {"date"}, args, err);
    if (!options) return kUsageError;
    const auto when = parseDateAndTime("jupiter-phenomena", args, err);
    if (!when) return kUsageError;
    JUPITER jupiter;
    EARTH_SUN es;
    JupiterMotion motion(jupiter, es);
    jupiter.frenchCodes = options->language == 1;  // French codes with the French texts
    const bool fromFile = findDayPhenomena({when->date.year, when->date.month, when->date.day, 0, 0},
                                           options->zone.hours, options->zone.minutes, jupiter, motion,
                                           SearchMode::Fast);
    const PhenomenonRows& rows = jupiter.rows;
    if (options->json) {
        out << "{\"from_file\":" << (fromFile ? "true" : "false") << ",\"rows\":[";
        for (int i = 0; i < rows.count(); ++i) {
            const PhenomenonRow& r = rows[i];
            out << (i ? "," : "") << "{\"day\":" << r.day << ",\"hour\":" << r.hour << ",\"minute\":" << r.minute
                << ",\"satellite\":" << r.satellite << ",\"code\":" << r.code << ",\"text\":" << jsonString(r.text)
                << "}";
        }
        out << "],\"dropped\":" << rows.dropped() << "}\n";
        return 0;
    }
    for (int i = 0; i < rows.count(); ++i) out << rows[i].text << "\n";
    return 0;
}

const CliCommandRegistrar registrar(
    "jupiter-phenomena", "jupiter-phenomena --date YYYY-MM-DD [--zone Z] [--lang en|fr|es] [--json]",
    runJupiterPhenomena);

}  // namespace
}  // namespace vantorel::cli
