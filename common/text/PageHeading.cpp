#include "common/text/PageHeading.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "common/settings/LongitudeEntry.h"
#include "common/settings/Settings.h"
#include "common/text/DateText.h"
#include "engine/DateTime.h"

namespace vantorel {

namespace {

constexpr TextTriple kTime{"Time", "Heure", "Hora"};
constexpr TextTriple kZone{"Zone", "Fuseau", "Huso"};
constexpr TextTriple kLatitude{"Latitude", "Latitude", "Latitud"};
constexpr TextTriple kLongitude{"Longitude", "Longitude", "Longitud"};

std::string latitudeText(double degrees) {
    double whole = 0.0;
    long minutes = std::lround(std::modf(std::fabs(degrees), &whole) * 60.0);
    long d = static_cast<long>(whole);
    if (minutes == 60) {
        ++d;
        minutes = 0;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%ld\u00b0%02ld' %s", d, minutes, degrees < 0 ? "S" : "N");
    return text;
}

}  // namespace

std::string zoneText(int language, int zoneHours, int zoneMinutes) {
    const char* ut = safeLanguage(language) == kEnglish ? "UT" : "TU";
    if (zoneHours == 0 && zoneMinutes == 0) return ut;
    const int minutes = std::abs(zoneMinutes);
    const bool west = zoneHours < 0 || zoneMinutes < 0;
    char text[32];
    if (minutes == 0)
        std::snprintf(text, sizeof text, "%s%c%d", ut, west ? '-' : '+', std::abs(zoneHours));
    else
        std::snprintf(text, sizeof text, "%s%c%d:%02d", ut, west ? '-' : '+', std::abs(zoneHours), minutes);
    return text;
}

std::vector<std::string> pageHeadingLines(const Settings& settings, const std::string& title,
                                          const DateTime& local) {
    const int lang = settings.languageIndex();
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d", static_cast<int>(local.localHour),
                  static_cast<int>(local.localMinute));
    std::string site = labelledDateText(lang, settings.dateFormatIndex(), local.localYear,
                                        local.localMonth, local.localDay);
    site += std::string("   ") + kTime(lang) + ": " + time;
    int zoneHours = 0, zoneMinutes = 0;
    local.zoneParts(zoneHours, zoneMinutes);
    site += std::string("   ") + kZone(lang) + ": " + zoneText(lang, zoneHours, zoneMinutes);
    site += std::string("   ") + kLatitude(lang) + ": " + latitudeText(settings.latitude);
    site += std::string("   ") + kLongitude(lang) + ": " + longitudeInUseText(settings.longitude, lang);
    return {title, site};
}

}  // namespace vantorel
