#pragma once

#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/DATE_TIME.h"

// Sub-commands of vantorel-cli. Each lives in its own Cmd*.cpp and registers
// itself with a static CliCommandRegistrar, so adding one touches no other file.

namespace vantorel::cli {

// Exit status for bad arguments.
constexpr int kUsageError = 2;

// "--name value" options and bare "--flag" switches.
class CliArgs {
public:
    // Parses argv after the sub-command; `flags` names the options that take no
    // value. On a malformed line returns false and sets error().
    bool parse(const std::vector<std::string>& argv, const std::vector<std::string>& flags);
    bool has(const std::string& name) const { return values_.count(name) != 0; }
    std::optional<std::string> get(const std::string& name) const;
    const std::string& error() const { return error_; }
    // Names given that are not in `known` (flags included); empty when all are.
    std::string firstUnknown(const std::vector<std::string>& known) const;

private:
    std::map<std::string, std::string> values_;
    std::string error_;
};

struct CivilDate {
    int year = 0, month = 0, day = 0;
};
struct ClockTime {
    int hour = 0, minute = 0;
};
// Zone as the record stores it: signed hours, minutes 0..59, west zones of
// less than one hour encoded as 50 + minutes (the record's convention).
struct ZoneArg {
    int hours = 0, minutes = 0;
};

// Each returns nothing and writes a one-line message naming the argument when
// the text is malformed or out of range.
std::optional<CivilDate> parseDate(const std::string& text, std::string& message);
std::optional<ClockTime> parseTime(const std::string& text, std::string& message);
std::optional<ZoneArg> parseZone(const std::string& text, std::string& message);
std::optional<double> parseNumber(const std::string& name, const std::string& text,
                                  std::string& message);

// "%.17g": every double at full precision.
std::string fullPrecision(double v);
// A JSON string literal.
std::string jsonString(const std::string& s);

using CommandFn = int (*)(const std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err);

struct CliCommandInfo {
    std::string name;
    std::string usage;
    CommandFn run;
};

const std::vector<CliCommandInfo>& cliCommands();

struct CliCommandRegistrar {
    CliCommandRegistrar(const char* name, const char* usage, CommandFn run);
};

}  // namespace vantorel::cli
