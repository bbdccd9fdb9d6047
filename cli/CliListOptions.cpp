#include "cli/CliListOptions.h"

#include <cstdio>

namespace vantorel::cli {

std::vector<CliOption> listArguments() {
    return {zoneArgument(), langArgument(), dateFormatArgument(), jsonFlag()};
}

std::vector<CliOption> withListArguments(std::vector<CliOption> own) {
    for (CliOption& o : listArguments()) own.push_back(std::move(o));
    return own;
}

ListOptions listOptions(const CliValues& values) {
    ListOptions options;
    options.json = values.flag("json");
    options.zone = values.zone("zone");
    options.language = values.choice("lang") < 0 ? 0 : values.choice("lang");
    options.dateFormat = values.toInt("date-format");
    return options;
}

Settings settingsFor(const ListOptions& options) {
    Settings settings;
    settings.zoneHours = options.zone.hours;
    settings.zoneMinutes = options.zone.minutes;
    settings.language = options.language;
    settings.dateFormat = options.dateFormat;
    return settings;
}

std::string isoDateTime(int year, int month, int day, int hour, int minute) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d", year, month, day, hour, minute);
    return buf;
}

}  // namespace vantorel::cli
