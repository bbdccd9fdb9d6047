#pragma once

#include <optional>
#include <string>
#include <vector>

// Calendar files (iCalendar, RFC 5545) made by libical, which folds the long
// lines, escapes the texts and writes the times: one event per entry, each
// starting at a universal instant.

namespace vantorel {

struct CalendarEntry {
    std::string uid;        // the same event gets the same one in every export
    double startJdUt = 0;   // Julian day, universal time, kept to the second
    int durationMinutes = 0;  // 0: an instant
    std::string summary;
    std::string description;
    std::string location;
    std::optional<std::pair<double, double>> geo;  // latitude, longitude (east positive)
    std::string category;
};

// The whole file: a VCALENDAR with one VEVENT per entry, stamped with the
// moment of its making.
std::string icsText(const std::vector<CalendarEntry>& entries, double stampJdUt);

// "YYYYMMDDTHHMMSSZ" of an instant, to the second.
std::string icsUtcStamp(double jdUt);

}  // namespace vantorel
