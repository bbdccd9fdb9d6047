#include "planets/PanelText.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "common/text/LanguageText.h"
#include "common/text/ZoneText.h"
#include "engine/Angles.h"
#include "engine/DateTime.h"

namespace vantorel {

std::string formattedText(const char* fmt, ...) {
    char buf[160];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(buf, sizeof buf, fmt, args);
    va_end(args);
    return buf;
}

namespace {


std::string eventText(const TextTriple& label, int language, bool exists, int hour, int minute) {
    if (!exists) return std::string(label(language)) + " " + kNoEventTime;
    return formattedText("%s %02d: %02d", label(language), hour, minute);
}

const TextTriple kRiseLabel{"Rise:", "Lever:", "Salida:"};
const TextTriple kTransitLabel{"Transit:", "Transit:", "Tr\u00e1nsito:"};
const TextTriple kSetLabel{"Set:", "Coucher:", "Puesta:"};
const TextTriple kTimeLabel{"Time:", "Heure:", "Hora:"};

}  // namespace

std::string rightAscensionText(int hours, int minutes, int seconds) {
    return formattedText("%02d: %02d: %02d", hours, minutes, seconds);
}

std::string magnitudeText(double magnitude) { return formattedText("%02.1f", magnitude); }

std::string diameterText(double arcsec) { return formattedText("%02.1f\"", arcsec); }

std::string distanceText(double au, int language, int decimals) {
    // French and Spanish write the astronomical unit UA.
    const char* unit = safeLanguage(language) == kEnglish ? "AU" : "UA";
    if (decimals < 0 || decimals > 9) decimals = 5;
    return formattedText("%02.*f %s", decimals, au, unit);
}

std::string illuminationText(double fraction) { return formattedText("%02.1f%c", fraction * 100.0, '%'); }

std::string poleInclinationText(double radians) {
    return formattedText("%02.1f\u00b0", radians * kDegPerRad);
}

std::string centralLongitudeText(double degrees) { return formattedText("%03.2f\u00b0", degrees); }

std::string scaleText(double bodyKm, double diameterArcsec, bool compact) {
    if (!(diameterArcsec > 0)) return compact ? "1\" = --km" : "1\" = -- km";
    return formattedText(compact ? "1\" = %.2fkm" : "1\" = %.2f km", bodyKm / diameterArcsec);
}

std::string timeStatusText(int language, double hour, double minute) {
    return formattedText("%s %02.0f: %02.0f", kTimeLabel(language), hour, minute);
}

std::string timeStatusText(int language, const DateTime& dt) {
    std::string text = timeStatusText(language, dt.localHour, dt.localMinute);
    if (dt.namedZone) text += " " + utcOffsetText(static_cast<int>(std::lround(dt.zoneOffsetHours() * 60.0)));
    return text;
}

std::string riseStatusText(int language, const DateTime& dt) {
    return eventText(kRiseLabel, language, dt.riseOnDate, dt.riseHour, dt.riseMinute);
}

std::string transitStatusText(int language, const DateTime& dt) {
    return eventText(kTransitLabel, language, dt.transitOnDate, dt.transitHour, dt.transitMinute);
}

std::string setStatusText(int language, const DateTime& dt) {
    return eventText(kSetLabel, language, dt.setOnDate, dt.setHour, dt.setMinute);
}

std::string altitudeText(double wholeDegrees, double hundredths) {
    if (wholeDegrees == 0 && hundredths < 0) return formattedText("-0.%02.0f", -hundredths);
    if (wholeDegrees == 0) wholeDegrees = 0;  // no "-0" from a negative zero
    // A hundredths value that rounds to 100 would print "x.100".
    if (hundredths > 99.5) hundredths = 99;
    return formattedText("%0.0f.%02.0f", wholeDegrees, hundredths);
}

std::string altitudeStatusText(int /*language*/, const DateTime& dt) {
    return "Alt.: " + altitudeText(dt.altitudeDegrees, dt.altitudeHundredths);
}

std::string marsSeasonName(int language, float ls) {
    static const TextTriple kSeasons[4] = {{"spring", "printemps", "primavera"},
                                           {"summer", "\u00e9t\u00e9", "est\u00edo"},
                                           {"autumn", "automne", "oto\u00f1o"},
                                           {"winter", "hiver", "invierno"}};
    int season = 3;
    if (ls > 0 && ls < 90)
        season = 0;
    else if (ls > 89 && ls < 180)
        season = 1;
    else if (ls > 179 && ls < 270)
        season = 2;
    return kSeasons[season](language);
}

std::string marsSeasonAngleText(float ls) { return formattedText("Ls: %.2f\u00b0", ls); }

}  // namespace vantorel
