#include "common/settings/LongitudeEntry.h"

#include <cmath>
#include <cstdio>

#include "common/settings/Settings.h"
#include "common/settings/SettingsFile.h"

namespace vantorel {

LongitudeCheck checkLongitude(long long degrees, long long minutes) {
    if (degrees < 0 || degrees > 180) return LongitudeCheck::BadDegrees;
    if (minutes < 0 || minutes > 59 || (degrees == 180 && minutes > 0))
        return LongitudeCheck::BadMinutes;
    return LongitudeCheck::Valid;
}

TextTriple longitudeMessage(LongitudeCheck check) {
    switch (check) {
    case LongitudeCheck::BadDegrees:
        return {"The longitude is not valid (0 - 180 degree) ",
                "La longitude saisie n'est pas valide (0 - 180 degr\u00e9s) ",
                "Longitud inv\u00e1lida (0 - 180 grados) "};
    case LongitudeCheck::BadMinutes:
        return {"The longitude is not valid (0 - 59 minute) ",
                "La longitude saisie n'est pas valide (0 - 59 minutes) ",
                "Longitud inv\u00e1lida (0 - 59 minutos) "};
    default: return {"", "", ""};
    }
}

LongitudeEntry longitudeEntryOf(double longitudeEast) {
    const long long totalMinutes = std::llround(std::fabs(longitudeEast) * 60.0);
    return {totalMinutes / 60, totalMinutes % 60, longitudeEast < 0.0 && totalMinutes != 0};
}

double longitudeOf(const LongitudeEntry& entry) {
    const double magnitude =
        static_cast<double>(entry.degrees) + static_cast<double>(entry.minutes) / 60.0;
    return entry.west ? -magnitude : magnitude;
}

bool applyLongitude(Settings& s, const std::optional<LongitudeEntry>& entry) {
    if (!entry) {
        if (!s.longitude) return true;
        return SettingsFile::clearLongitude(s);
    }
    return SettingsFile::writeLongitude(s, static_cast<int>(entry->degrees),
                                        static_cast<int>(entry->minutes), entry->west);
}

std::string longitudeInUseText(const std::optional<double>& longitudeEast, int language) {
    if (!longitudeEast) return longlat::kZoneWord(language);
    const LongitudeEntry e = longitudeEntryOf(*longitudeEast);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld\u00b0%02lld' %s", e.degrees, e.minutes,
                  e.west ? (safeLanguage(language) == kEnglish ? "W" : "O") : "E");
    return buf;
}

std::string longitudePaneText(const std::optional<double>& longitudeEast, int language) {
    return "Long.: " + longitudeInUseText(longitudeEast, language);
}

}  // namespace vantorel
