#include "cli/CliOptions.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <sstream>

#include "common/files/Paths.h"

namespace vantorel::cli {

namespace {

constexpr size_t kLongestEcho = 60;

bool allDigits(const std::string& s, size_t from) {
    if (from >= s.size()) return false;
    for (size_t i = from; i < s.size(); ++i)
        if (s[i] < '0' || s[i] > '9') return false;
    return true;
}

// Plain decimal only: no hexadecimal, no "inf" or "nan", nothing after.
bool decimalText(const std::string& s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        size_t exponent = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++exponent;
        if (exponent == 0) return false;
    }
    return i == s.size();
}

std::string numberText(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

std::string joined(const std::vector<std::string>& items, const char* separator) {
    std::string out;
    for (size_t i = 0; i < items.size(); ++i) out += (i ? separator : "") + items[i];
    return out;
}

bool contains(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

bool takesMode(const CliOption& o, const std::string& mode) {
    return o.modes.empty() || mode.empty() || contains(o.modes, mode);
}

bool requiredInMode(const CliOption& o, const std::string& mode) {
    return contains(o.requiredIn, "*") || (!mode.empty() && contains(o.requiredIn, mode));
}

// The option that selects a mode, for messages ("--jd").
std::string selectorOf(const CommandSyntax& syntax, const std::string& mode) {
    for (const CliOption& o : syntax.options)
        if (o.selects == mode) return "--" + o.name;
    return mode;
}

}  // namespace

// ---- declarations ----------------------------------------------------------------

namespace {

CliOption declared(std::string name, OptionKind kind, std::string help, std::string valueName) {
    CliOption o;
    o.name = std::move(name);
    o.kind = kind;
    o.help = std::move(help);
    o.valueName = std::move(valueName);
    return o;
}

}  // namespace

CliOption flagOption(std::string name, std::string help) {
    return declared(std::move(name), OptionKind::Flag, std::move(help), "");
}

CliOption intOption(std::string name, long long min, long long max, std::string help) {
    CliOption o = declared(std::move(name), OptionKind::Int, std::move(help), "N");
    o.min = static_cast<double>(min);
    o.max = static_cast<double>(max);
    return o;
}

CliOption doubleOption(std::string name, double min, double max, std::string help) {
    CliOption o = declared(std::move(name), OptionKind::Double, std::move(help), "X");
    o.min = min;
    o.max = max;
    return o;
}

CliOption dateOption(std::string name, std::string help) {
    return declared(std::move(name), OptionKind::Date, std::move(help), "YYYY-MM-DD");
}

CliOption timeOption(std::string name, std::string help) {
    return declared(std::move(name), OptionKind::Time, std::move(help), "HH:MM");
}

CliOption zoneOption(std::string name, std::string help) {
    return declared(std::move(name), OptionKind::Zone, std::move(help), "+H[:MM]|-H[:MM]");
}

CliOption stringOption(std::string name, std::string help) {
    return declared(std::move(name), OptionKind::String, std::move(help), "TEXT");
}

CliOption tzNameOption(std::string name, std::string help) {
    return declared(std::move(name), OptionKind::TzName, std::move(help), "NAME");
}

CliOption cityOption(std::string name, std::string help) {
    return declared(std::move(name), OptionKind::City, std::move(help), "NAME");
}

CliOption enumOption(std::string name, std::vector<std::string> choices, std::string help) {
    CliOption o = declared(std::move(name), OptionKind::Enum, std::move(help), joined(choices, "|"));
    o.choices = std::move(choices);
    return o;
}

CliOption jsonFlag() { return flagOption("json", "print one JSON object instead of the table"); }

CliOption zoneArgument() {
    return zoneOption("zone", "time zone, east positive, from -13 to +14 hours").byDefault("0");
}

CliOption tzArgument() {
    return tzNameOption("tz", "named time zone (\"Europe/Paris\"), summer time followed")
        .notWith({"zone", "city"});
}

CliOption cityArgument() {
    return cityOption("city", "site and zone of the most populous city of that name; "
                              "\"Name, Country\" narrows it")
        .notWith({"lat", "lon", "zone", "tz"});
}

CliOption langArgument() {
    return enumOption("lang", {"en", "fr", "es"}, "language of the texts").byDefault("en");
}

CliOption dateFormatArgument() {
    return intOption("date-format", 0, 3,
                     "order of dates: 0 y/m/d, 1 y/d/m, 2 d/m/y, 3 m/d/y")
        .byDefault("0");
}

// ---- values ------------------------------------------------------------------------

const CliValues::Value* CliValues::find(const std::string& name) const {
    auto it = values_.find(name);
    return it == values_.end() ? nullptr : &it->second;
}

bool CliValues::has(const std::string& name) const {
    const Value* v = find(name);
    return v != nullptr && v->given;
}

bool CliValues::flag(const std::string& name) const { return has(name); }

long long CliValues::integer(const std::string& name) const {
    const Value* v = find(name);
    return v ? v->integer : 0;
}

double CliValues::number(const std::string& name) const {
    const Value* v = find(name);
    return v ? v->number : 0;
}

CivilDate CliValues::date(const std::string& name) const {
    const Value* v = find(name);
    return v ? v->date : CivilDate{};
}

ClockTime CliValues::time(const std::string& name) const {
    const Value* v = find(name);
    return v ? v->time : ClockTime{};
}

ZoneArg CliValues::zone(const std::string& name) const {
    const Value* v = find(name);
    return v ? v->zone : ZoneArg{};
}

std::optional<TimeZone> CliValues::timeZone(const std::string& name) const {
    const Value* v = find(name);
    return v && v->given ? v->timeZone : std::nullopt;
}

std::optional<City> CliValues::city(const std::string& name) const {
    const Value* v = find(name);
    return v && v->given ? v->city : std::nullopt;
}

const std::string& CliValues::text(const std::string& name) const {
    static const std::string empty;
    const Value* v = find(name);
    return v ? v->text : empty;
}

int CliValues::choice(const std::string& name) const {
    const Value* v = find(name);
    return v ? v->choice : -1;
}

// ---- messages ----------------------------------------------------------------------

std::string quoted(const std::string& value) {
    std::string out = "'";
    const size_t n = std::min(value.size(), kLongestEcho);
    char buf[16];
    for (size_t i = 0; i < n;) {
        const unsigned char c = static_cast<unsigned char>(value[i]);
        // Length of a well-formed UTF-8 sequence starting here, else 0.
        const size_t len = c >= 0x20 && c != 0x7f ? utf8SequenceLength(value, i) : 0;
        bool wellFormed = len > 0;
        // The C1 controls U+0080..U+009F steer terminals as much as ESC does.
        if (wellFormed && len == 2 && c == 0xc2 && static_cast<unsigned char>(value[i + 1]) < 0xa0)
            wellFormed = false;
        if (wellFormed && c == '\\') {
            out += "\\\\";
            ++i;
        } else if (wellFormed) {
            out.append(value, i, len);
            i += len;
        } else {
            switch (c) {
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            default:
                std::snprintf(buf, sizeof buf, "\\x%02x", c);
                out += buf;
            }
            ++i;
        }
    }
    if (value.size() > kLongestEcho) out += "...";
    return out + "'";
}

namespace {

// Checks one value against its option; on failure sets the message (without
// the command prefix).
bool convert(const CliOption& o, const std::string& text, std::string& message, auto&& store) {
    const std::string arg = "argument --" + o.name + ": ";
    switch (o.kind) {
    case OptionKind::Flag: return true;
    case OptionKind::Int: {
        const bool wellFormed = (text.size() > 0 && (text[0] == '+' || text[0] == '-'))
                                ? allDigits(text, 1)
                                : allDigits(text, 0);
        errno = 0;
        const long long v = wellFormed ? std::strtoll(text.c_str(), nullptr, 10) : 0;
        if (!wellFormed || errno == ERANGE || static_cast<double>(v) < o.min ||
            static_cast<double>(v) > o.max) {
            message = arg + "expected a whole number from " + numberText(o.min) + " to " +
                      numberText(o.max) + ", got " + cli::quoted(text);
            return false;
        }
        store([&](auto& value) { value.integer = v; value.number = static_cast<double>(v); });
        return true;
    }
    case OptionKind::Double: {
        const double v = decimalText(text) ? std::strtod(text.c_str(), nullptr) : NAN;
        if (!std::isfinite(v) || v < o.min || v > o.max) {
            message = arg + "expected a number from " + numberText(o.min) + " to " +
                      numberText(o.max) + ", got " + cli::quoted(text);
            return false;
        }
        store([&](auto& value) { value.number = v; });
        return true;
    }
    case OptionKind::Date: {
        const auto d = parseDate(text, message);
        if (!d) {
            message = arg + message;
            return false;
        }
        store([&](auto& value) { value.date = *d; });
        return true;
    }
    case OptionKind::Time: {
        const auto t = parseTime(text, message);
        if (!t) {
            message = arg + message;
            return false;
        }
        store([&](auto& value) { value.time = *t; });
        return true;
    }
    case OptionKind::Zone: {
        const auto z = parseZone(text, message);
        if (!z) {
            message = arg + message;
            return false;
        }
        store([&](auto& value) { value.zone = *z; });
        return true;
    }
    case OptionKind::TzName: {
        std::optional<TimeZone> zone = TimeZone::named(text);
        if (!zone) {
            message = arg + "unknown time zone " + cli::quoted(text) +
                      " (a name of the system's tz database, such as Europe/Paris)";
            return false;
        }
        store([&](auto& value) { value.timeZone = std::move(zone); });
        return true;
    }
    case OptionKind::City: {
        const std::filesystem::path path = Paths::dataFile(CityCatalogue::kFileName);
        static const CityCatalogue list = CityCatalogue::load(path);
        if (!list.ok()) {
            message = arg + "the city list " +
                      (path.empty() ? std::string(CityCatalogue::kFileName) : path.string()) +
                      " cannot be read";
            return false;
        }
        const City* city = list.bestMatch(text);
        if (!city) {
            message = arg + "no city named " + cli::quoted(text) + " (vantorel-cli cities --match lists them)";
            return false;
        }
        std::optional<TimeZone> zone = TimeZone::named(city->zoneName);
        if (!zone) {
            message = arg + "the time zone " + cli::quoted(city->zoneName) + " of " + cli::quoted(city->name) +
                      " is not known on this computer";
            return false;
        }
        store([&](auto& value) {
            value.city = *city;
            value.timeZone = std::move(zone);
        });
        return true;
    }
    case OptionKind::String:
        if (text.empty()) {
            message = arg + "expected a value, got ''";
            return false;
        }
        return true;
    case OptionKind::Enum: {
        const auto it = std::find(o.choices.begin(), o.choices.end(), text);
        if (it == o.choices.end()) {
            message = arg + "expected one of " + joined(o.choices, ", ") + ", got " + cli::quoted(text);
            return false;
        }
        const int index = static_cast<int>(it - o.choices.begin());
        store([&](auto& value) { value.choice = index; });
        return true;
    }
    }
    return false;
}

}  // namespace

std::optional<CliValues> parseCommandLine(const CommandSyntax& syntax, const std::vector<std::string>& argv,
                                          std::ostream& err) {
    const std::string prefix = "vantorel-cli " + syntax.command + ": ";
    auto fail = [&](const std::string& message) {
        err << prefix << message << "\n";
        return std::nullopt;
    };
    auto optionNamed = [&](const std::string& name) -> const CliOption* {
        for (const CliOption& o : syntax.options)
            if (o.name == name) return &o;
        return nullptr;
    };

    // 1. Names and raw values, in the order given.
    std::vector<std::pair<const CliOption*, std::string>> given;
    for (size_t i = 0; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        if (a.rfind("--", 0) != 0 || a.size() < 3)
            return fail("unexpected argument " + cli::quoted(a));
        std::string name = a.substr(2);
        std::optional<std::string> value;
        if (const size_t eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        const CliOption* o = optionNamed(name);
        if (o == nullptr) {
            // The name is the user's text: quoted like any value.
            std::string shown = cli::quoted(name);
            return fail("argument --" + shown.substr(1, shown.size() - 2) + ": unknown option");
        }
        for (const auto& [seen, text] : given)
            if (seen == o) return fail("argument --" + name + ": given more than once");
        if (o->kind == OptionKind::Flag) {
            if (value) return fail("argument --" + name + ": takes no value, got " + cli::quoted(*value));
            value = std::string();
        } else if (!value) {
            // A value may itself start with '-' (a west zone, a negative number),
            // but one of the command's options there is a forgotten value
            // ("--out --json"): a file named "--json" is written only as
            // --out=--json.
            if (i + 1 >= argv.size()) return fail("argument --" + name + ": missing value");
            value = argv[++i];
            if (value->rfind("--", 0) == 0) {
                const std::string next = value->substr(2, value->find('=') - 2);
                if (next == "help" || optionNamed(next) != nullptr)
                    return fail("argument --" + name + ": missing value before --" + next +
                                " (a value that starts with -- is given as --" + name +
                                "=VALUE)");
            }
        }
        given.emplace_back(o, *value);
    }

    // 2. The mode: chosen by at most one selecting option.
    CliValues values;
    const CliOption* selector = nullptr;
    for (const auto& [o, text] : given) {
        if (o->selects.empty()) continue;
        if (selector && selector->selects != o->selects)
            return fail("argument --" + o->name + ": cannot be combined with --" + selector->name);
        if (!selector) selector = o;
    }
    values.mode_ = selector ? selector->selects : (syntax.modes.empty() ? "" : syntax.modes.front());

    // 3. Options the mode does not take, then those it needs.
    for (const auto& [o, text] : given) {
        if (takesMode(*o, values.mode_)) continue;
        if (selector) return fail("argument --" + o->name + ": not used with --" + selector->name);
        std::vector<std::string> with;
        for (const std::string& m : o->modes) with.push_back(selectorOf(syntax, m));
        return fail("argument --" + o->name + ": only with " + joined(with, " or "));
    }
    auto isGiven = [&](const std::string& name) {
        for (const auto& g : given)
            if (g.first->name == name) return true;
        return false;
    };
    for (const auto& [o, text] : given)
        for (const std::string& other : o->excludes)
            if (isGiven(other)) return fail("argument --" + o->name + ": cannot be combined with --" + other);
    for (const CliOption& o : syntax.options) {
        if (!requiredInMode(o, values.mode_)) continue;
        bool present = isGiven(o.name);
        for (const std::string& other : o.insteadOf) present = present || isGiven(other);
        if (present) continue;
        std::string message = "argument --" + o.name + ": required";
        if (!o.insteadOf.empty()) {
            std::vector<std::string> others;
            for (const std::string& other : o.insteadOf) others.push_back("--" + other);
            return fail(message + " (or give " + joined(others, " or ") + ")");
        }
        if (!o.selects.empty()) {
            std::vector<std::string> others;
            for (const CliOption& s : syntax.options)
                if (!s.selects.empty() && s.selects != o.selects && !contains(others, "--" + s.name))
                    others.push_back("--" + s.name);
            if (!others.empty()) message += " (or give " + joined(others, " or ") + ")";
        } else if (selector) {
            message += " with --" + selector->name;
        }
        return fail(message);
    }

    // 4. Values, given ones first, then the defaults of the mode's options.
    std::string message;
    for (const auto& [o, text] : given) {
        CliValues::Value& slot = values.values_[o->name];
        slot.text = text;
        slot.given = true;
        if (!convert(*o, text, message, [&](auto&& set) { set(slot); }))
            return fail(message);
    }
    for (const CliOption& o : syntax.options) {
        if (values.values_.count(o.name) || !o.fallback || !takesMode(o, values.mode_)) continue;
        CliValues::Value& slot = values.values_[o.name];
        slot.text = *o.fallback;
        if (!convert(o, *o.fallback, message, [&](auto&& set) { set(slot); }))
            return fail(message);
    }
    return values;
}

// ---- help ----------------------------------------------------------------------------

namespace {

std::string synopsis(const CliOption& o) {
    std::string s = "--" + o.name;
    if (o.kind != OptionKind::Flag) s += " " + (o.valueName.empty() ? std::string("VALUE") : o.valueName);
    return s;
}

std::string modeSynopsis(const CommandSyntax& syntax, const std::string& mode) {
    std::string line = syntax.command;
    for (const CliOption& o : syntax.options) {
        if (!mode.empty() && !takesMode(o, mode)) continue;
        const std::string s = synopsis(o);
        const bool needed = (requiredInMode(o, mode) && o.insteadOf.empty()) ||
                            (!mode.empty() && o.selects == mode);
        line += needed ? " " + s : " [" + s + "]";
    }
    return line;
}

}  // namespace

std::string usageLine(const CommandSyntax& syntax) {
    if (syntax.modes.empty()) return modeSynopsis(syntax, "");
    std::string line;
    for (size_t i = 0; i < syntax.modes.size(); ++i)
        line += (i ? " | " : "") + modeSynopsis(syntax, syntax.modes[i]);
    return line;
}

std::string helpText(const CommandSyntax& syntax) {
    std::ostringstream out;
    out << "usage: vantorel-cli ";
    if (syntax.modes.empty()) {
        out << modeSynopsis(syntax, "") << "\n";
    } else {
        for (size_t i = 0; i < syntax.modes.size(); ++i)
            out << (i ? "       vantorel-cli " : "") << modeSynopsis(syntax, syntax.modes[i]) << "\n";
    }
    if (!syntax.summary.empty()) out << "\n" << syntax.summary << "\n";
    out << "\noptions:\n";
    for (const CliOption& o : syntax.options) {
        std::string left = "  " + synopsis(o);
        if (left.size() < 28) left.resize(28, ' ');
        else left += "  ";
        std::string notes;
        if (o.kind == OptionKind::Int || o.kind == OptionKind::Double)
            notes += numberText(o.min) + ".." + numberText(o.max);
        if (o.fallback) notes += std::string(notes.empty() ? "" : ", ") + "default " + *o.fallback;
        const bool selectsItsOnlyMode = o.modes.size() == 1 && o.modes.front() == o.selects;
        if (!o.modes.empty() && !selectsItsOnlyMode) {
            std::vector<std::string> with;
            for (const std::string& m : o.modes) with.push_back(selectorOf(syntax, m));
            notes += std::string(notes.empty() ? "" : ", ") + "with " + joined(with, " or ");
        }
        if (!o.excludes.empty()) {
            std::vector<std::string> others;
            for (const std::string& other : o.excludes) others.push_back("--" + other);
            notes += std::string(notes.empty() ? "" : ", ") + "not with " + joined(others, ", ");
        }
        if (!o.insteadOf.empty()) {
            std::vector<std::string> others;
            for (const std::string& other : o.insteadOf) others.push_back("--" + other);
            notes += std::string(notes.empty() ? "" : ", ") + "or give " + joined(others, " or ");
        }
        out << left << o.help << (notes.empty() ? "" : " (" + notes + ")") << "\n";
    }
    out << "  --help                    print this help and exit\n";
    if (!syntax.example.empty()) out << "\nexample:\n  vantorel-cli " << syntax.example << "\n";
    return out.str();
}

}  // namespace vantorel::cli
