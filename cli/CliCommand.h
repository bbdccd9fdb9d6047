#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "engine/DateTime.h"

// Sub-commands of vantorel-cli. Each lives in its own Cmd*.cpp, declares its
// options (CliOptions.h) and registers itself with a static
// CliCommandRegistrar, so adding one touches no other file.

namespace vantorel::cli {

// Exit status for bad arguments.
constexpr int kUsageError = 2;

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

// Each returns nothing and writes a one-line message (without the argument's
// name, which the caller puts first) when the text is malformed or out of range.
std::optional<CivilDate> parseDate(const std::string& text, std::string& message);
std::optional<ClockTime> parseTime(const std::string& text, std::string& message);
std::optional<ZoneArg> parseZone(const std::string& text, std::string& message);

// "%.17g": every double at full precision.
std::string fullPrecision(double v);
// A JSON string literal, always valid UTF-8: bytes that are not (a file
// name in another encoding) become U+FFFD.
std::string jsonString(const std::string& s);
// The length of the well-formed UTF-8 sequence at s[i] (no overlong form,
// no surrogate, nothing past U+10FFFF); 0 when there is none.
size_t utf8SequenceLength(const std::string& s, size_t i);

struct CommandSyntax;
class CliValues;

// A command receives its line already checked against its declared options.
using CommandFn = int (*)(const CliValues& options, std::ostream& out, std::ostream& err);

struct CliCommandInfo {
    const CommandSyntax* syntax;
    CommandFn run;
    const std::string& name() const;
};

const std::vector<CliCommandInfo>& cliCommands();

// Parses the line against the command's declarations and runs it; a bad line
// gives one message and kUsageError.
int runCommand(const CliCommandInfo& command, const std::vector<std::string>& argv,
               std::ostream& out, std::ostream& err);

struct CliCommandRegistrar {
    // `syntax` must outlive the program (a static of the command's file).
    CliCommandRegistrar(const CommandSyntax& syntax, CommandFn run);
};

}  // namespace vantorel::cli
