#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "app/Settings.h"
#include "cli/CliCommand.h"

// The options every list command shares: --json, --zone Z, --lang en|fr|es and
// --date-format 0..3.

namespace vantorel::cli {

struct ListOptions {
    bool json = false;
    ZoneArg zone;
    int language = 0;
    int dateFormat = 0;
};

// Parses argv for `command`, which takes the value options `own` besides the
// shared ones, of which `required` must be given. On a bad line writes one
// message naming the argument to `err` and returns nothing.
std::optional<ListOptions> parseListOptions(const char* command,
                                            const std::vector<std::string>& argv,
                                            const std::vector<std::string>& own,
                                            const std::vector<std::string>& required, CliArgs& args,
                                            std::ostream& err);

// The application settings these options stand for (zone, language, date format).
Settings settingsFor(const ListOptions& options);

// --date (required) and --time (optional, 00:00 when absent) of `command`; on
// a bad value writes one message to `err` and returns nothing.
struct DateAndTime {
    CivilDate date;
    ClockTime clock;
};
std::optional<DateAndTime> parseDateAndTime(const char* command, const CliArgs& args,
                                            std::ostream& err);

// "YYYY-MM-DDTHH:MM".
std::string isoDateTime(int year, int month, int day, int hour, int minute);

}  // namespace vantorel::cli
