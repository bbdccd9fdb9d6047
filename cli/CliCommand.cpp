#include "cli/CliCommand.h"

#include "cli/CliOptions.h"

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

CliCommandRegistrar::CliCommandRegistrar(const CommandSyntax& syntax, CommandFn run) {
    registry().push_back({&syntax, run});
    std::sort(registry().begin(), registry().end(),
              [](const CliCommandInfo& a, const CliCommandInfo& b) { return a.name() < b.name(); });
}

const std::string& CliCommandInfo::name() const { return syntax->command; }

const std::vector<CliCommandInfo>& cliCommands() { return registry(); }

int runCommand(const CliCommandInfo& command, const std::vector<std::string>& argv,
               std::ostream& out, std::ostream& err) {
    // --help wins over everything else on the line, even a line that would
    // be refused: it is how a user finds out what the line should have been.
    for (const std::string& arg : argv) {
        if (arg == "--help" || arg == "-h") {
            out << helpText(*command.syntax);
            return 0;
        }
    }
    const std::optional<CliValues> values = parseCommandLine(*command.syntax, argv, err);
    if (!values) return kUsageError;
    return command.run(*values, out, err);
}

std::optional<CivilDate> parseDate(const std::string& text, std::string& message) {
    static const std::regex re(R"((\d{4})-(\d{1,2})-(\d{1,2}))");
    std::smatch m;
    if (!std::regex_match(text, m, re)) {
        message = "expected YYYY-MM-DD, got " + cli::quoted(text);
        return std::nullopt;
    }
    DateTime check;
    check.localYear = std::stoi(m[1]);
    check.localMonth = std::stoi(m[2]);
    check.localDay = std::stoi(m[3]);
    switch (check.validateDate()) {
    case kYearOutOfRange:
        message = "the year must be from 1985 to 2050, got " + cli::quoted(text);
        return std::nullopt;
    case kMonthOutOfRange:
        message = "the month must be from 1 to 12, got " + cli::quoted(text);
        return std::nullopt;
    case kDayOutOfRange:
        message = "no such day in that month, got " + cli::quoted(text);
        return std::nullopt;
    default: break;
    }
    return CivilDate{std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3])};
}

std::optional<ClockTime> parseTime(const std::string& text, std::string& message) {
    static const std::regex re(R"((\d{1,2}):(\d{2}))");
    std::smatch m;
    if (!std::regex_match(text, m, re)) {
        message = "expected HH:MM, got " + cli::quoted(text);
        return std::nullopt;
    }
    const int h = std::stoi(m[1]);
    const int mi = std::stoi(m[2]);
    if (h > 23 || mi > 59) {
        message = "hour 0-23 and minute 0-59 expected, got " + cli::quoted(text);
        return std::nullopt;
    }
    return ClockTime{h, mi};
}

std::optional<ZoneArg> parseZone(const std::string& text, std::string& message) {
    static const std::regex re(R"(([+-]?)(\d{1,2})(?::(\d{2}))?)");
    std::smatch m;
    if (!std::regex_match(text, m, re)) {
        message = "expected +H[:MM] or -H[:MM], got " + cli::quoted(text);
        return std::nullopt;
    }
    const bool west = m[1] == "-";
    const int h = std::stoi(m[2]);
    const int mi = m[3].matched ? std::stoi(m[3]) : 0;
    // East to +14:00 (Kiribati's Line Islands), west to -13:00.
    const int limit = west ? 13 : 14;
    if (h > limit || mi > 59 || (h == limit && mi > 0)) {
        message = "must lie within -13:00 and +14:00, got " + cli::quoted(text);
        return std::nullopt;
    }
    if (!west) return ZoneArg{h, mi};
    if (h == 0 && mi > 0) return ZoneArg{50, mi};  // west by minutes only
    return ZoneArg{-h, mi};
}

std::string fullPrecision(double v) {
    if (!std::isfinite(v)) return "null";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

size_t utf8SequenceLength(const std::string& s, size_t i) {
    if (i >= s.size()) return 0;
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) return 1;
    size_t len = 0;
    unsigned char lo = 0x80, hi = 0xbf;  // range of the second byte
    if (c >= 0xc2 && c <= 0xdf) len = 2;
    else if (c == 0xe0) len = 3, lo = 0xa0;
    else if (c == 0xed) len = 3, hi = 0x9f;  // no surrogates
    else if (c >= 0xe1 && c <= 0xef) len = 3;
    else if (c == 0xf0) len = 4, lo = 0x90;
    else if (c == 0xf4) len = 4, hi = 0x8f;
    else if (c >= 0xf1 && c <= 0xf3) len = 4;
    else return 0;
    if (i + len > s.size()) return 0;
    const unsigned char second = static_cast<unsigned char>(s[i + 1]);
    if (second < lo || second > hi) return 0;
    for (size_t k = 2; k < len; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xc0) != 0x80) return 0;
    return len;
}

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c >= 0x80) {
            const size_t len = utf8SequenceLength(s, i);
            if (len == 0) {
                out += "\xef\xbf\xbd";  // U+FFFD REPLACEMENT CHARACTER
            } else {
                out.append(s, i, len);
                i += len - 1;
            }
            continue;
        }
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
