#pragma once

#include <string>
#include <string_view>

// The texts that name a zone and its offset: the status bar's, the zone
// dialog's and the messages about a zone name.

namespace vantorel {

class DateTime;

// "UTC+2", "UTC-3:30", "UTC+5:45"; "UTC" for no offset.
std::string utcOffsetText(int offsetMinutes);

// The zone of a record at its instant, for the status bar: the named zone
// and the offset in force ("Europe/Paris UTC+2"), or the fixed offset alone
// ("UTC+1").
std::string zoneStatusText(const DateTime& dt);

// A name read from a file, fit to show: printable ASCII kept, anything else
// as '?', at most 80 characters.
std::string shownZoneName(std::string_view name);

// Said once at start when the settings file names a zone this computer's tz
// database does not have: the name, and the fixed offset used instead.
std::string unknownZoneMessage(int language, std::string_view name, int fallbackMinutes);

}  // namespace vantorel
