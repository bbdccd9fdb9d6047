#pragma once

#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliOptions.h"
#include "common/settings/Settings.h"

// The options every list command shares: --json, --zone Z, --lang en|fr|es and
// --date-format 0..3.

namespace vantorel::cli {

struct ListOptions {
    bool json = false;
    ZoneArg zone;
    int language = 0;
    int dateFormat = 0;
};

// The four shared declarations, for a command's option list.
std::vector<CliOption> listArguments();
// `own` followed by the shared options.
std::vector<CliOption> withListArguments(std::vector<CliOption> own);
ListOptions listOptions(const CliValues& values);

// The application settings these options stand for (zone, language, date format).
Settings settingsFor(const ListOptions& options);

// "YYYY-MM-DDTHH:MM".
std::string isoDateTime(int year, int month, int day, int hour, int minute);

}  // namespace vantorel::cli
