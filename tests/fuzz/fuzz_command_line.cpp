// Any words as a command's line: the parser never fails on them, refuses a
// line with one clean line of message, and a line it takes gives only values
// that lie in their options' ranges.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliOptions.h"

using namespace vantorel::cli;

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

// Decodes UTF-8 on its own terms (code points, not byte patterns): whether
// `s` is well-formed and holds no C0 control character (a JSON text may not),
// nor, for a terminal, DEL or a C1 control.
bool wellFormedUtf8(const std::string& s, bool forTerminal) {
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        int extra = c < 0x80 ? 0 : (c & 0xe0) == 0xc0 ? 1 : (c & 0xf0) == 0xe0 ? 2
                                 : (c & 0xf8) == 0xf0 ? 3 : -1;
        if (extra < 0 || i + extra >= s.size()) return false;
        uint32_t cp = extra == 0 ? c : c & (0x3f >> extra);
        for (int k = 1; k <= extra; ++k) {
            const unsigned char t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xc0) != 0x80) return false;
            cp = (cp << 6) | (t & 0x3f);
        }
        static const uint32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kLeast[extra] || cp > 0x10ffff || (cp >= 0xd800 && cp <= 0xdfff)) return false;
        if (cp < 0x20 || (forTerminal && cp >= 0x7f && cp < 0xa0)) return false;
        i += static_cast<size_t>(extra) + 1;
    }
    return true;
}

// One line of message: a clean text and its newline.
bool cleanLine(const std::string& s) {
    return !s.empty() && s.back() == '\n' && wellFormedUtf8(s.substr(0, s.size() - 1), true);
}

bool given(const std::vector<std::string>& argv, const std::string& word) {
    for (const std::string& a : argv)
        if (a == word) return true;
    return false;
}

// Whether `word` is "--NAME" or "--NAME=..." for an option of the command.
bool namesAnOption(const CommandSyntax& syntax, const std::string& word) {
    if (word.rfind("--", 0) != 0) return false;
    const std::string name = word.substr(2, word.find('=') - 2);
    if (name == "help") return true;
    for (const CliOption& o : syntax.options)
        if (o.name == name) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Words separated by NUL, as argv holds them; the first names the command.
    std::vector<std::string> words(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) words.emplace_back();
        else words.back() += static_cast<char>(data[i]);
    }
    const std::vector<CliCommandInfo>& commands = cliCommands();
    check(!commands.empty());
    const CliCommandInfo* command = &commands[words[0].empty() ? 0 : static_cast<unsigned char>(
                                                                         words[0][0]) % commands.size()];
    for (const CliCommandInfo& c : commands)
        if (c.name() == words[0]) command = &c;
    const CommandSyntax& syntax = *command->syntax;
    const std::vector<std::string> argv(words.begin() + 1, words.end());

    std::ostringstream err;
    const std::optional<CliValues> values = parseCommandLine(syntax, argv, err);
    if (!values) {
        // One line, naming the command, fit for a terminal.
        const std::string message = err.str();
        check(message.rfind("vantorel-cli " + syntax.command + ": ", 0) == 0);
        check(cleanLine(message));
        return 0;
    }
    check(err.str().empty());
    for (const CliOption& o : syntax.options) {
        if (!values->has(o.name)) continue;
        switch (o.kind) {
        case OptionKind::Int:
            check(values->integer(o.name) >= o.min && values->integer(o.name) <= o.max);
            break;
        case OptionKind::Double:
            check(std::isfinite(values->number(o.name)));
            check(values->number(o.name) >= o.min && values->number(o.name) <= o.max);
            break;
        case OptionKind::Enum:
            check(values->choice(o.name) >= 0 &&
                  values->choice(o.name) < static_cast<int>(o.choices.size()));
            break;
        case OptionKind::String: {
            // One of the command's options taken as a value only when
            // written --name=VALUE.
            const std::string& v = values->text(o.name);
            check(!v.empty());
            if (namesAnOption(syntax, v)) check(given(argv, "--" + o.name + "=" + v));
            break;
        }
        case OptionKind::Date: {
            const CivilDate d = values->date(o.name);
            check(d.year >= 1985 && d.year <= 2050 && d.month >= 1 && d.month <= 12 &&
                  d.day >= 1 && d.day <= 31);
            break;
        }
        case OptionKind::Time: {
            const ClockTime t = values->time(o.name);
            check(t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59);
            break;
        }
        case OptionKind::Zone: {
            const ZoneArg z = values->zone(o.name);
            check(z.minutes >= 0 && z.minutes <= 59);
            check((z.hours >= -13 && z.hours <= 14) || (z.hours >= 50 && z.hours <= 63));
            break;
        }
        case OptionKind::TzName: {
            const std::optional<vantorel::TimeZone> zone = values->timeZone(o.name);
            check(zone.has_value() && !zone->name().empty());
            break;
        }
        case OptionKind::City: {
            const std::optional<vantorel::City> city = values->city(o.name);
            check(city.has_value());
            check(city->latitudeDeg >= -90 && city->latitudeDeg <= 90);
            check(city->longitudeDeg >= -180 && city->longitudeDeg <= 180);
            break;
        }
        case OptionKind::Flag: break;
        }
    }
    // Whatever was given comes out of JSON as UTF-8.
    for (const std::string& a : argv) check(wellFormedUtf8(jsonString(a), false));
    return 0;
}
