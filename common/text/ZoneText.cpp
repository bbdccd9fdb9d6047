#include "common/text/ZoneText.h"

#include <cstdio>
#include <cmath>
#include <cstdlib>

#include "common/text/LanguageText.h"
#include "engine/DateTime.h"

namespace vantorel {

namespace {
constexpr std::size_t kLongestShownName = 80;

constexpr TextTriple kUnknownZone{
    "The time zone %s of the settings file is not known on this computer: times follow the "
    "fixed zone %s of the settings instead. The line is kept.",
    "Le fuseau horaire %s du fichier de configuration est inconnu sur cet ordinateur : les "
    "heures suivent \u00e0 la place le fuseau fixe %s des r\u00e9glages. La ligne est "
    "conserv\u00e9e.",
    "El huso horario %s del archivo de configuraci\u00f3n no se conoce en este ordenador: las "
    "horas siguen en su lugar el huso fijo %s de los ajustes. La l\u00ednea se conserva."};
}  // namespace

std::string utcOffsetText(int offsetMinutes) {
    if (offsetMinutes == 0) return "UTC";
    const int magnitude = std::abs(offsetMinutes);
    char buf[32];
    if (magnitude % 60 == 0)
        std::snprintf(buf, sizeof buf, "UTC%c%d", offsetMinutes < 0 ? '-' : '+', magnitude / 60);
    else
        std::snprintf(buf, sizeof buf, "UTC%c%d:%02d", offsetMinutes < 0 ? '-' : '+',
                      magnitude / 60, magnitude % 60);
    return buf;
}

std::string zoneStatusText(const DateTime& dt) {
    const int offset = static_cast<int>(std::lround(dt.zoneOffsetHoursAt(dt.JD) * 60.0));
    if (!dt.namedZone) return utcOffsetText(offset);
    return dt.namedZone->name() + " " + utcOffsetText(offset);
}

std::string shownZoneName(std::string_view name) {
    std::string out;
    for (const char c : name.substr(0, kLongestShownName))
        out += (c >= 0x20 && c < 0x7f) ? c : '?';
    return out;
}

std::string unknownZoneMessage(int language, std::string_view name, int fallbackMinutes) {
    const std::string shown = "\"" + shownZoneName(name) + "\"";
    const std::string offset = utcOffsetText(fallbackMinutes);
    char buf[512];
    std::snprintf(buf, sizeof buf, kUnknownZone(language), shown.c_str(), offset.c_str());
    return buf;
}

}  // namespace vantorel
