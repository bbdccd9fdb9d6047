#pragma once

#include <string>

#include "common/text/DateText.h"

// The figures of a body as the data panel and the status bar print them, in
// the three languages.

namespace vantorel {

class DateTime;

// Shown instead of a rise, transit or set time on a date without one.
inline constexpr const char* kNoEventTime = "--: --";

// printf into a std::string (texts of up to 159 characters).
std::string formattedText(const char* fmt, ...);

// Data panel values.
std::string rightAscensionText(int hours, int minutes, int seconds);  // "%02d: %02d: %02d"
std::string magnitudeText(double magnitude);                          // "%02.1f"
std::string diameterText(double arcsec);                              // '%02.1f"'
// "%02.05f AU" ("UA" in French and Spanish); Saturn's panel prints three decimals.
std::string distanceText(double au, int language, int decimals = 5);
std::string illuminationText(double fraction);        // "%02.1f%" of fraction x 100
std::string poleInclinationText(double radians);      // "%02.1f°"
std::string centralLongitudeText(double degrees);     // "%03.2f°"
// '1" = %.2f km' of the body's diameter in km over its apparent diameter;
// `compact` drops the blank before "km".
std::string scaleText(double bodyKm, double diameterArcsec, bool compact = false);

// Status bar panes.
std::string timeStatusText(int language, double hour, double minute);
// The record's clock time; in a named zone followed by the offset in force
// ("Time: 22: 30 UTC+2"), which summer time changes.
std::string timeStatusText(int language, const DateTime& dt);
// Rise, transit, set from the record's last (local) results; kNoEventTime
// for one that does not fall on the date.
std::string riseStatusText(int language, const DateTime& dt);
std::string transitStatusText(int language, const DateTime& dt);
std::string setStatusText(int language, const DateTime& dt);
// "12.34", "-0.25", "-12.25" from the record's altitude pair.
std::string altitudeText(double wholeDegrees, double hundredths);
std::string altitudeStatusText(int language, const DateTime& dt);  // "Alt.: %s"

// The date panes use labelledDateText and unlabelledDateText of app/DateText.h.

// Season on Mars from Ls (degrees): spring, summer, autumn, winter.
std::string marsSeasonName(int language, float ls);
std::string marsSeasonAngleText(float ls);  // "Ls: %.2f°"

}  // namespace vantorel
