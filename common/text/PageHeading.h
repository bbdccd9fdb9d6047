#pragma once

#include <string>
#include <vector>

// The lines printed at the top of every page, so a sheet says what it shows
// once it has left the screen: the window's title, then the date, the clock
// time, the zone and the site it was computed for.

namespace vantorel {

class DateTime;
struct Settings;

// `local` holds the page's local date, clock time and zone; the latitude and
// the longitude are the settings' (the longitude as the status bar gives it:
// the zone's word when none is set).
std::vector<std::string> pageHeadingLines(const Settings& settings, const std::string& title,
                                          const DateTime& local);

// The zone as an offset from universal time: "UT+1", "UT-3:30", "UT"
// ("TU" in French and Spanish); the minutes carry the sign of a zone west of
// Greenwich under one hour, as DateTime::zoneParts gives them.
std::string zoneText(int language, int zoneHours, int zoneMinutes);

}  // namespace vantorel
