// vantorel-cli phases: the Moon's principal phases of a month and the next,
// and the last new moon.
#include <cstdio>
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliListOptions.h"
#include "cli/MoonCommand.h"
#include "common/text/DateText.h"
#include "common/text/LanguageText.h"
#include "moon/MoonDocument.h"
#include "moon/PhaseTableText.h"

namespace vantorel::cli {
namespace {

const char* const kKindKeys[4] = {"new_moon", "first_quarter", "full_moon", "last_quarter"};
const TextTriple kKindNames[4] = {
    {"New moon", "Nouvelle lune", "Luna nueva"},
    {"First quarter", "Premier quartier", "Cuarto creciente"},
    {"Full moon", "Pleine lune", "Luna llena"},
    {"Last quarter", "Dernier quartier", "Cuarto menguante"},
};
const TextTriple kLastNewMoon{"Last new moon", "Derni\u00e8re nouvelle lune",
                              "\u00daltima luna nueva"};
const TextTriple kAge{"age", "\u00e2ge", "edad"};
const TextTriple kDays{"days", "jours", "d\u00edas"};

std::string phaseJson(const MoonPhaseRecord& r) {
    return "{\"kind\":" + jsonString(kKindKeys[r.kind]) +
           ",\"kind_index\":" + std::to_string(r.kind) +
           ",\"local\":" + jsonString(isoDateTime(r.year, r.month, r.day, r.hour, r.minute)) +
           ",\"jd_local\":" + fullPrecision(r.julianDay) + "}";
}

int runPhases(const CliValues& values, std::ostream& out, std::ostream&) {
    const auto command = openMoonCommand(values);
    const ListOptions* options = &command->options;
    const MoonDocument& doc = *command->doc;
    const MoonTheory& moon = doc.moon;

    if (options->json) {
        out << "{\"month_phases\":[";
        bool first = true;
        for (const MoonPhaseRecord& r : moon.monthPhases) {
            if (r.empty()) continue;
            out << (first ? "" : ",") << phaseJson(r);
            first = false;
        }
        out << "],\"last_new_moon\":"
            << (moon.lastNewMoon.empty() ? std::string("null") : phaseJson(moon.lastNewMoon))
            << ",\"age_days\":" << moon.moonAge << zoneJson(doc.dateTime) << "}\n";
        return 0;
    }

    const int lang = options->language;
    const PhaseTableText table =
        fillPhaseTable(moon.monthPhases, MoonTheory::kMonthPhaseCount, options->dateFormat);
    char line[160];
    out << kPhaseTableTitle(lang) << "\n";
    std::snprintf(line, sizeof line, "%-8s%-18s%-18s%-18s%-18s", "", kKindNames[0](lang),
                  kKindNames[1](lang), kKindNames[2](lang), kKindNames[3](lang));
    out << line << "\n";
    for (int row = 0; row < 4; ++row) {
        const char* label =
            (row % 2 == 0) ? kPhaseTableDateLabel(lang) : kPhaseTableTimeLabel(lang);
        std::snprintf(line, sizeof line, "%-8s%-18s%-18s%-18s%-18s", label, table.fields[0][row],
                      table.fields[1][row], table.fields[2][row], table.fields[3][row]);
        out << line << "\n";
    }
    out << "\n";
    for (const MoonPhaseRecord& r : moon.monthPhases) {
        if (r.empty()) continue;
        const std::string dayText = unlabelledDateText(options->dateFormat, r.year, r.month, r.day);
        std::snprintf(line, sizeof line, "%-18s%s  %02d:%02d", kKindNames[r.kind](lang),
                      dayText.c_str(), r.hour, r.minute);
        out << line << "\n";
    }
    const MoonPhaseRecord& last = moon.lastNewMoon;
    if (!last.empty()) {
        const std::string dayText =
            unlabelledDateText(options->dateFormat, last.year, last.month, last.day);
        std::snprintf(line, sizeof line, "%s: %s  %02d:%02d, %s %d %s", kLastNewMoon(lang),
                      dayText.c_str(), last.hour, last.minute, kAge(lang), moon.moonAge,
                      kDays(lang));
        out << "\n" << line << "\n";
    }
    return 0;
}

const CommandSyntax kSyntax{"phases", "The Moon's principal phases of the date's month and the next, and the last new moon.", {}, moonCommandOptions(),
                    "phases --date 2024-01-20 --time 21:00 --zone +1"};
const CliCommandRegistrar registrar(kSyntax, runPhases);

}  // namespace
}  // namespace vantorel::cli
