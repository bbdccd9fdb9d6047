#include "cli/CliCommand.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>

namespace vantorel::cli {

namespace {
std::vector<CliCommandInfo>& registry() {
    static std::vector<CliCommandInfo> commands;
    return commands;
}
}  // namespace

CliCommandRegistrar::CliCommandRegistrar(const char* name, const char* usage, CommandFn run) {
    registry().push_back({name, usage, run});
    std::sort(registry().begin(), registry().end(),
              [](const CliCommandInfo& a, const CliCommandInfo& b) { return a.name < b.name; });
}

const std::vector<CliCommandInfo>& cliCommands() { return registry(); }

bool CliArgs::parse(const std::vector<std::string>& argv, const std::vector<std::string>& flags) {
    for (size_t i = 0; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        if (a.rfind("--", 0) != 0 || a.size() < 3) {
            error_ = "unexpected argument '" + a + "'";
            return false;
        }
        std::string name = a.substr(2);
        std::string value;
        const size_t eq = name.find('=');
        if (eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        } else if (std::find(flags.begin(), flags.end(), name) == flags.end()) {
            // A value may itself start with '-' (a west zone, a negative number).
            if (i + 1 >= argv.size()) {
                error_ = "argument --" + name + ": missing value";
                return false;
            }
            value = argv[++i];
        }
        values_[name] = value;
    }
    return true;
}

std::optional<std::string> CliArgs::get(const std::string& name) const {
    auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::string CliArgs::firstUnknown(const std::vector<std::string>& known) const {
    for (const auto& [name, value] : values_)
        if (std::find(known.begin(), known.end(), name) == known.end()) return name;
    return {};
}

std::optional<CivilDate> parseDate(const std::string& text, std::string& message) {
    static const std::regex re(R"((\d{4})-(\d{1,2})-(\d{1,2}))");
    std::smatch m;
    if (!std::regex_match(text, m, re)) {
        message = "argument --date: expected YYYY-MM-DD, got '" + text + "'";
        return std::nullopt;
    }
    DATE_TIME check;
    check.localYear = std::stoi(m[1]);
    check.localMonth = std::stoi(m[2]);
    check.localDay = std::stoi(m[3]);
    switch (check.validateDate()) {
    case kYearOutOfRange:
        message = "argument --date: the year must be from 1985 to 2050";
        return std::nullopt;
    case kMonthOutOfRange:
        message = "argument --date: the month must be from 1 to 12";
        return std::nullopt;
    case kDayOutOfRange:
        message = "argument --date: no such day in that month";
        return std::nullopt;
    default: break;
    }
    return CivilDate{std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3])};
}

std::optional<ClockTime> parseTime(const std::string& text, std::string& message) {
    static const std::regex re(R"((\d{1,2}):(\d{2}))");
    std::smatch m;
    if (!std::regex_match(text, m, re)) {
        message = "argument --time: expected HH:MM, got '" + text + "'";
        return std::nullopt;
    }
    const int h = std::stoi(m[1]);
    const int mi = std::stoi(m[2]);
    if (h > 23 || mi > 59) {
        message = "argument --time: hour 0-23 and minute 0-59 expected, got '" + text + "'";
        return std::nullopt;
    }
    return ClockTime{h, mi};
}

std::optional<ZoneArg> parseZone(const std::string& text, std::string& message) {
    static const std::regex re(R"(([+-]?)(\d{1,2})(?::(\d{2}))?)");
    std::smatch m;
    if (!std::regex_match(text, m, re)) {
        message = "argument --zone: expected +H[:MM] or -H[:MM], got '" + text + "'";
        return std::nullopt;
    }
    const bool west = m[1] == "-";
    const int h = std::stoi(m[2]);
    const int mi = m[3].matched ? std::stoi(m[3]) : 0;
    if (h > 13 || mi > 59 || (h == 13 && mi > 0)) {
        message = "argument --zone: must lie within -13:00 and +13:00, got '" + text + "'";
        return std::nullopt;
    }
    if (!west) return ZoneArg{h, mi};
    if (h == 0 && mi > 0) return ZoneArg{50, mi};  // west by minutes only
    return ZoneArg{-h, mi};
}

std::optional<double> parseNumber(const std::string& name, const std::string& text,
                                  std::string& message) {
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || end == text.c_str() || *end != '\0' || !std::isfinite(v)) {
        message = "argument --" + name + ": expected a number, got '" + text + "'";
        return std::nullopt;
    }
    return v;
}

std::string fullPrecision(double v) {
    if (!std::isfinite(v)) return "null";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

}  // namespace vantorel::cli
