// vantorel-cli conjunctions: a planet's next conjunctions, oppositions and
// greatest elongations.
#include <cmath>
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliListOptions.h"
#include "sky/PhenomenaSearch.h"

namespace vantorel::cli {
namespace {

struct BodyIndex {
    const char* name;
    int index;
};
constexpr BodyIndex kBodies[] = {
    {"mercury", kPhenomenaMercury}, {"venus", kPhenomenaVenus},   {"mars", kPhenomenaMars},
    {"jupiter", kPhenomenaJupiter}, {"saturn", kPhenomenaSaturn}, {"uranus", kPhenomenaUranus},
    {"neptune", kPhenomenaNeptune},
};
const char* const kKindKeys[6] = {"opposition",
                                  "conjunction",
                                  "superior_conjunction",
                                  "inferior_conjunction",
                                  "greatest_elongation_east",
                                  "greatest_elongation_west"};

int runConjunctions(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    CliArgs args;
    const auto options =
        parseListOptions("conjunctions", argv, {"body", "date"}, {"body", "date"}, args, err);
    if (!options) return kUsageError;
    const std::string body = *args.get("body");
    int index = -1;
    for (const BodyIndex& b : kBodies)
        if (body == b.name) index = b.index;
    if (index < 0) {
        err << "vantorel-cli conjunctions: argument --body: expected mercury, venus, mars, "
               "jupiter, saturn, uranus or neptune, got '"
            << body << "'\n";
        return kUsageError;
    }
    std::string message;
    const auto date = parseDate(*args.get("date"), message);
    if (!date) {
        err << "vantorel-cli conjunctions: " << message << "\n";
        return kUsageError;
    }

    DATE_TIME dt;
    dt.setLocal(date->year, date->month, date->day, 0, 0, options->zone.hours,
                options->zone.minutes);
    dt.computeDate();
    PhenomenaSearch search(options->language, options->dateFormat);
    search.searchPhenomena(dt, index);

    if (!options->json) {
        for (int i = 0; i < search.count; ++i)
            out << search.lines[i] << "\n";
        return 0;
    }
    out << "{\"body\":" << jsonString(body) << ",\"events\":[";
    for (int i = 0; i < search.count; ++i) {
        const PhenomenaSearch::Event& e = search.events[i];
        out << (i ? "," : "") << "{\"kind\":" << jsonString(kKindKeys[e.kind])
            << ",\"jde\":" << fullPrecision(e.jde)
            << ",\"local\":" << jsonString(isoDateTime(e.year, e.month, e.day, e.hour, 0))
            << ",\"line\":" << jsonString(search.lines[i]);
        if (!std::isnan(e.elongationDeg))
            out << ",\"elongation_deg\":" << fullPrecision(e.elongationDeg);
        out << "}";
    }
    out << "]}\n";
    return 0;
}

const CliCommandRegistrar registrar(
    "conjunctions",
    "conjunctions --body mercury|venus|mars|jupiter|saturn|uranus|neptune --date YYYY-MM-DD "
    "[--zone Z] [--lang en|fr|es] [--date-format 0..3] [--json]",
    runConjunctions);

}  // namespace
}  // namespace vantorel::cli
