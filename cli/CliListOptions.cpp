#include "cli/CliListOptions.h"

#include <cstdio>
#include <ostream>

namespace vantorel::cli {

std::optional<ListOptions> parseListOptions(const char* command,
                                            const std::vector<std::string>& argv,
                                            const std::vector<std::string>& own,
                                            const std::vector<std::string>& required, CliArgs& args,
                                            std::ostream& err) {
    const std::string prefix = std::string("vantorel-cli ") + command + ": ";
    if (!args.parse(argv, {"json"})) {
        err << prefix << args.error() << "\n";
        return std::nullopt;
    }
    std::vector<std::string> known = own;
    known.insert(known.end(), {"json", "zone", "lang", "date-format"});
    if (std::string unknown = args.firstUnknown(known); !unknown.empty()) {
        err << prefix << "unknown argument --" << unknown << "\n";
        return std::nullopt;
    }
    for (const std::string& name : required) {
        if (!args.has(name)) {
            err << prefix << "argument --" << name << " is required\n";
            return std::nullopt;
        }
    }
    ListOptions options;
    options.json = args.has("json");
    std::string message;
    const auto zone = parseZone(args.get("zone").value_or("0"), message);
    if (!zone) {
        err << prefix << message << "\n";
        return std::nullopt;
    }
    options.zone = *zone;
    const std::string lang = args.get("lang").value_or("en");
    if (lang == "en")
        options.language = 0;
    else if (lang == "fr")
        options.language = 1;
    else if (lang == "es")
        options.language = 2;
    else {
        err << prefix << "argument --lang: expected en, fr or es, got '" << lang << "'\n";
        return std::nullopt;
    }
    const std::string format = args.get("date-format").value_or("0");
    if (format.size() != 1 || format[0] < '0' || format[0] > '3') {
        err << prefix << "argument --date-format: expected 0, 1, 2 or 3, got '" << format << "'\n";
        return std::nullopt;
    }
    options.dateFormat = format[0] - '0';
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

std::optional<DateAndTime> parseDateAndTime(const char* command, const CliArgs& args,
                                            std::ostream& err) {
    std::string message;
    const auto date = parseDate(args.get("date").value_or(""), message);
    const auto clock = date ? parseTime(args.get("time").value_or("00:00"), message) : std::nullopt;
    if (!clock) {
        err << "vantorel-cli " << command << ": " << message << "\n";
        return std::nullopt;
    }
    return DateAndTime{*date, *clock};
}

std::string isoDateTime(int year, int month, int day, int hour, int minute) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d", year, month, day, hour, minute);
    return buf;
}

}  // namespace vantorel::cli
