#include "cli/CliListOptions.h"

#include <cmath>
#include <cstdio>

namespace vantorel::cli {

std::vector<CliOption> listArguments() {
    return {zoneArgument(), tzArgument(), langArgument(), dateFormatArgument(), jsonFlag()};
}

std::vector<CliOption> withListArguments(std::vector<CliOption> own) {
    for (CliOption& o : listArguments()) own.push_back(std::move(o));
    return own;
}

ListOptions listOptions(const CliValues& values) {
    ListOptions options;
    options.json = values.flag("json");
    options.zone = values.zone("zone");
    options.namedZone = namedZoneOf(values);
    options.language = values.choice("lang") < 0 ? 0 : values.choice("lang");
    options.dateFormat = values.toInt("date-format");
    return options;
}

Settings settingsFor(const ListOptions& options) {
    Settings settings;
    settings.zoneHours = options.zone.hours;
    settings.zoneMinutes = options.zone.minutes;
    settings.namedZone = options.namedZone;
    if (options.namedZone) settings.zoneName = options.namedZone->name();
    settings.language = options.language;
    settings.dateFormat = options.dateFormat;
    return settings;
}

void ListOptions::setLocal(DateTime& dt, int year, int month, int day, int hour,
                           int minute) const {
    dt.setLocal(year, month, day, hour, minute, zone.hours, zone.minutes);
    dt.namedZone = namedZone;
}

std::optional<TimeZone> namedZoneOf(const CliValues& values) {
    if (std::optional<TimeZone> tz = values.timeZone("tz")) return tz;
    return values.timeZone("city");
}

std::string zoneJson(const DateTime& dt) {
    DateTime at = dt;
    at.computeDate();
    const long offset = std::lround(at.zoneOffsetHours() * 60.0);
    return ",\"zone_name\":" + (dt.namedZone ? jsonString(dt.namedZone->name()) : "null") +
           ",\"utc_offset_min\":" + std::to_string(offset);
}

std::string isoDateTime(int year, int month, int day, int hour, int minute) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d", year, month, day, hour, minute);
    return buf;
}

}  // namespace vantorel::cli
