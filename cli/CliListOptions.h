#pragma once

#include <optional>
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
    // --tz: the named zone that replaces the fixed --zone.
    std::optional<TimeZone> namedZone;
    int language = 0;
    int dateFormat = 0;
    // A record's local date and clock time in the zone of the line.
    void setLocal(DateTime& dt, int year, int month, int day, int hour, int minute) const;
};

// The four shared declarations, for a command's option list.
std::vector<CliOption> listArguments();
// `own` followed by the shared options.
std::vector<CliOption> withListArguments(std::vector<CliOption> own);
ListOptions listOptions(const CliValues& values);

// The application settings these options stand for (zone, language, date format).
Settings settingsFor(const ListOptions& options);

// The named zone of a line: --tz, or the zone of --city; nothing for a
// fixed --zone.
std::optional<TimeZone> namedZoneOf(const CliValues& values);

// The JSON members of a record's zone, each after a comma:
// ,"zone_name":"Europe/Paris","utc_offset_min":120 (the offset in force at
// the record's local date and time; the name null for a fixed zone).
std::string zoneJson(const DateTime& dt);

// "YYYY-MM-DDTHH:MM".
std::string isoDateTime(int year, int month, int day, int hour, int minute);

}  // namespace vantorel::cli
