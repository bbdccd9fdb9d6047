#pragma once

#include <initializer_list>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "common/site/CityCatalogue.h"
#include "engine/TimeZone.h"

// The options of a command, declared once: name, kind, range, default, a line
// of help and the modes that take it. The one parser below reads every
// command's line from these declarations, so every command refuses the same
// things the same way (an unknown, repeated or misplaced option, a flag given
// a value, a number outside its range) with exit status 2 and a message
// "vantorel-cli COMMAND: argument --NAME: ...", and the help text comes from
// the same place.

namespace vantorel::cli {

// TzName: a zone of the system's tz database; City: a city of the list, the
// most populous of the name, with a zone this computer knows.
enum class OptionKind { Flag, Int, Double, Date, Time, Zone, String, Enum, TzName, City };

struct CliOption {
    std::string name;
    OptionKind kind = OptionKind::String;
    std::string help;       // one line
    std::string valueName;  // shown in usage: YYYY-MM-DD, N, FILE...
    double min = 0, max = 0;            // Int and Double ranges, inclusive
    std::vector<std::string> choices;   // Enum
    std::optional<std::string> fallback;  // the value taken when absent
    std::vector<std::string> modes;     // modes that take it; empty: all
    std::vector<std::string> requiredIn;  // modes that need it; "*" for all
    std::string selects;                // giving it chooses this mode
    std::vector<std::string> excludes;  // options it cannot be given with
    std::vector<std::string> insteadOf;  // options that, given, stand in for a required one

    // Chainable refinements.
    CliOption& byDefault(std::string v) { fallback = std::move(v); return *this; }
    CliOption& required() { requiredIn = {"*"}; return *this; }
    CliOption& requiredInModes(std::initializer_list<const char*> m) {
        requiredIn.assign(m.begin(), m.end());
        return *this;
    }
    CliOption& onlyIn(std::initializer_list<const char*> m) {
        modes.assign(m.begin(), m.end());
        return *this;
    }
    CliOption& selectsMode(std::string m) { selects = std::move(m); return *this; }
    CliOption& named(std::string v) { valueName = std::move(v); return *this; }
    CliOption& notWith(std::initializer_list<const char*> names) {
        excludes.assign(names.begin(), names.end());
        return *this;
    }
    // Required unless one of these is given.
    CliOption& orGiven(std::initializer_list<const char*> names) {
        insteadOf.assign(names.begin(), names.end());
        return *this;
    }
};

// The kinds, each with its own check.
CliOption flagOption(std::string name, std::string help);
CliOption intOption(std::string name, long long min, long long max, std::string help);
CliOption doubleOption(std::string name, double min, double max, std::string help);
// A civil date YYYY-MM-DD within the program's years 1985..2050.
CliOption dateOption(std::string name, std::string help);
CliOption timeOption(std::string name, std::string help);
// +H[:MM] or -H[:MM], from 13 hours west to 14 hours east of Greenwich.
CliOption zoneOption(std::string name, std::string help);
CliOption stringOption(std::string name, std::string help);
CliOption tzNameOption(std::string name, std::string help);
CliOption cityOption(std::string name, std::string help);
CliOption enumOption(std::string name, std::vector<std::string> choices, std::string help);

// The options the list commands share.
CliOption jsonFlag();
CliOption zoneArgument();   // --zone, default 0
CliOption tzArgument();     // --tz NAME, not with --zone or --city
CliOption cityArgument();   // --city NAME, not with --lat, --lon, --zone or --tz
CliOption langArgument();   // --lang en|fr|es, default en
CliOption dateFormatArgument();  // --date-format 0..3, default 0

struct CommandSyntax {
    std::string command;
    std::string summary;  // one line
    // Named modes when the options differ between uses of the command; the
    // first is taken when no option selects another.
    std::vector<std::string> modes;
    std::vector<CliOption> options;
    // One working command line, without the program's name, shown by --help
    // (and run by the tests, so it stays true).
    std::string example;
};

// What a parsed line holds. Values are already checked: the getters cannot
// fail for an option the command declared and the line (or its default) gave.
class CliValues {
public:
    bool has(const std::string& name) const;  // given on the line
    bool flag(const std::string& name) const;
    long long integer(const std::string& name) const;
    int toInt(const std::string& name) const { return static_cast<int>(integer(name)); }
    double number(const std::string& name) const;
    CivilDate date(const std::string& name) const;
    ClockTime time(const std::string& name) const;
    ZoneArg zone(const std::string& name) const;
    // A TzName's zone, a City's city; nothing when not given.
    std::optional<TimeZone> timeZone(const std::string& name) const;
    std::optional<City> city(const std::string& name) const;
    const std::string& text(const std::string& name) const;  // String and Enum
    // Index of an Enum value in its choices.
    int choice(const std::string& name) const;
    const std::string& mode() const { return mode_; }

private:
    friend std::optional<CliValues> parseCommandLine(const CommandSyntax&, const std::vector<std::string>&,
                                                     std::ostream&);
    struct Value {
        std::string text;
        long long integer = 0;
        double number = 0;
        CivilDate date;
        ClockTime time;
        ZoneArg zone;
        std::optional<TimeZone> timeZone;
        std::optional<City> city;
        int choice = -1;
        bool given = false;
    };
    const Value* find(const std::string& name) const;
    std::map<std::string, Value> values_;
    std::string mode_;
};

// Parses argv (after the command's name). On a bad line writes one message
// to `err` and returns nothing; the caller exits with kUsageError.
std::optional<CliValues> parseCommandLine(const CommandSyntax& syntax, const std::vector<std::string>& argv,
                                          std::ostream& err);

// The one-line synopsis and the full help text of a command.
std::string usageLine(const CommandSyntax& syntax);
std::string helpText(const CommandSyntax& syntax);

// A value quoted for a message, with control characters and bytes that are
// not UTF-8 escaped and very long values shortened.
std::string quoted(const std::string& value);

}  // namespace vantorel::cli
