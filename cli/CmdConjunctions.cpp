// vantorel-cli conjunctions: a planet's next conjunctions, oppositions and
// greatest elongations.
#include <cmath>
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliListOptions.h"
#include "sky/ConjunctionSearch.h"

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

int runConjunctions(const CliValues& values, std::ostream& out, std::ostream&) {
    const ListOptions shared = listOptions(values);
    const ListOptions* options = &shared;
    const std::string& body = values.text("body");
    const int index = kBodies[values.choice("body")].index;
    const CivilDate date = values.date("date");

    DateTime dt;
    options->setLocal(dt, date.year, date.month, date.day, 0, 0);
    dt.computeDate();
    ConjunctionSearch search(options->language, options->dateFormat);
    search.searchPhenomena(dt, index);

    if (!options->json) {
        for (int i = 0; i < search.count; ++i)
            out << search.lines[i] << "\n";
        return 0;
    }
    out << "{\"body\":" << jsonString(body) << ",\"events\":[";
    for (int i = 0; i < search.count; ++i) {
        const ConjunctionSearch::Event& e = search.events[i];
        out << (i ? "," : "") << "{\"kind\":" << jsonString(kKindKeys[e.kind])
            << ",\"jde\":" << fullPrecision(e.jde)
            << ",\"local\":" << jsonString(isoDateTime(e.year, e.month, e.day, e.hour, 0))
            << ",\"line\":" << jsonString(search.lines[i]);
        if (!std::isnan(e.elongationDeg))
            out << ",\"elongation_deg\":" << fullPrecision(e.elongationDeg);
        out << "}";
    }
    out << "]" << zoneJson(dt) << "}\n";
    return 0;
}

std::vector<std::string> bodyNames() {
    std::vector<std::string> names;
    for (const BodyIndex& b : kBodies) names.push_back(b.name);
    return names;
}

const CommandSyntax kSyntax{
    "conjunctions",
    "A planet's next conjunctions, oppositions and greatest elongations.",
    {},
    withListArguments({
        enumOption("body", bodyNames(), "the planet").required(),
        dateOption("date", "local date the search starts from").required(),
    }),
                    "conjunctions --body mercury --date 1993-10-01 --zone -5"};
const CliCommandRegistrar registrar(kSyntax, runConjunctions);

}  // namespace
}  // namespace vantorel::cli
