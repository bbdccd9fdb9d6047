#include "common/site/CityCatalogue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <istream>
#include <optional>
#include <system_error>

#include "common/site/TextFolding.h"
#include "engine/TimeZone.h"

namespace vantorel {
namespace {

constexpr std::string_view kHeader =
    "name,ascii_name,region,country,iso2,iso3,latitude,longitude,zone,population";
constexpr std::size_t kFields = 10;
// Far beyond any real line or list; they bound what a damaged file can cost.
constexpr std::size_t kMaxLineBytes = 1024;
constexpr std::size_t kMaxTextBytes = 100;
constexpr std::size_t kMaxCities = 200000;
constexpr long long kMaxPopulation = 1000000000;

enum class Line { Text, TooLong, End };

// Reads one line without its end (LF or CRLF), at most kMaxLineBytes; a
// longer line is read to its end and reported as TooLong.
Line readLine(std::streambuf& in, std::string& line) {
    line.clear();
    bool any = false;
    bool tooLong = false;
    for (int c = in.sbumpc(); c != std::char_traits<char>::eof(); c = in.sbumpc()) {
        any = true;
        if (c == '\n') break;
        if (line.size() < kMaxLineBytes) line.push_back(static_cast<char>(c));
        else tooLong = true;
    }
    if (!any) return Line::End;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return tooLong ? Line::TooLong : Line::Text;
}

// Splits a CSV line: fields separated by commas, a field in double quotes may
// hold commas and doubled quotes. False for a malformed line.
bool splitCsv(std::string_view line, std::vector<std::string>& fields) {
    fields.clear();
    std::size_t i = 0;
    while (true) {
        std::string field;
        if (i < line.size() && line[i] == '"') {
            ++i;
            while (true) {
                if (i >= line.size()) return false;  // unterminated quote
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field.push_back('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field.push_back(line[i++]);
            }
            if (i < line.size() && line[i] != ',') return false;
        } else {
            const std::size_t end = std::min(line.find(',', i), line.size());
            field.assign(line.substr(i, end - i));
            if (field.find('"') != std::string::npos) return false;
            i = end;
        }
        fields.push_back(std::move(field));
        if (fields.size() > kFields) return false;
        if (i >= line.size()) return true;
        ++i;  // the comma
    }
}

// Well-formed UTF-8 of bounded length, without control characters, and not
// blank unless empty is allowed.
bool isCleanText(std::string_view s, bool allowEmpty) {
    if (s.empty()) return allowEmpty;
    if (s.size() > kMaxTextBytes || !isWellFormedUtf8(s)) return false;
    if (std::any_of(s.begin(), s.end(), [](char c) {
            const auto b = static_cast<unsigned char>(c);
            return b < 0x20 || b == 0x7F;
        }))
        return false;
    return allowEmpty || !foldForSearch(s).empty();
}

bool isPrintableAscii(std::string_view s) {
    return s.size() <= kMaxTextBytes &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

bool isCode(std::string_view s, std::size_t length) {
    return s.empty() || (s.size() == length && std::all_of(s.begin(), s.end(), [](char c) {
                             return c >= 'A' && c <= 'Z';
                         }));
}

std::optional<double> number(std::string_view s, double limit) {
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v) ||
        std::fabs(v) > limit)
        return std::nullopt;
    return v;
}

std::optional<City> cityFrom(const std::vector<std::string>& f) {
    if (f.size() != kFields) return std::nullopt;
    City c{f[0], f[1], f[2], f[3], f[4], f[5], 0, 0, f[8], 0};
    if (!isCleanText(c.name, false) || !isPrintableAscii(c.asciiName) ||
        !isCleanText(c.region, true) || !isCleanText(c.country, false) || !isCode(c.iso2, 2) ||
        !isCode(c.iso3, 3) || !TimeZone::isWellFormedName(c.zoneName))
        return std::nullopt;
    const auto latitude = number(f[6], 90);
    const auto longitude = number(f[7], 180);
    if (!latitude || !longitude) return std::nullopt;
    c.latitudeDeg = *latitude;
    c.longitudeDeg = *longitude;
    const std::string& p = f[9];
    const auto [end, ec] = std::from_chars(p.data(), p.data() + p.size(), c.population);
    if (p.empty() || ec != std::errc() || end != p.data() + p.size() || c.population < 0 ||
        c.population > kMaxPopulation)
        return std::nullopt;
    return c;
}

std::string lowerAscii(std::string s) {
    for (char& ch : s)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return s;
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// 0: the name is the text; 1: starts with it; 2: a word of it starts with
// it; 3: holds it elsewhere; -1: no match.
int nameRank(std::string_view name, std::string_view text) {
    if (name == text) return 0;
    if (startsWith(name, text)) return 1;
    int rank = -1;
    for (std::size_t at = name.find(text, 1); at != std::string_view::npos;
         at = name.find(text, at + 1)) {
        const char before = name[at - 1];
        if (before == ' ' || before == '-' || before == '\'' || before == '(' || before == '.')
            return 2;
        rank = 3;
    }
    return rank;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

}  // namespace

CityCatalogue::CityCatalogue() = default;

CityCatalogue CityCatalogue::load(const std::filesystem::path& path) {
    CityCatalogue list;
    std::error_code ec;
    const auto kind = std::filesystem::status(path, ec).type();
    if (kind == std::filesystem::file_type::not_found || path.empty()) {
        list.status_ = Status::Missing;
        return list;
    }
    if (ec || kind != std::filesystem::file_type::regular) {
        list.status_ = Status::Unreadable;
        return list;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        list.status_ = Status::Unreadable;
        return list;
    }
    return read(in);
}

CityCatalogue CityCatalogue::read(std::istream& in) {
    CityCatalogue list;
    std::streambuf* buffer = in.rdbuf();
    std::string line;
    if (!buffer || readLine(*buffer, line) != Line::Text) {
        list.status_ = in.bad() ? Status::Unreadable : Status::NotACityList;
        return list;
    }
    if (startsWith(line, "\xEF\xBB\xBF")) line.erase(0, 3);
    if (line != kHeader) {
        list.status_ = Status::NotACityList;
        return list;
    }
    std::vector<std::string> fields;
    for (Line kind; (kind = readLine(*buffer, line)) != Line::End;) {
        if (kind == Line::Text && line.find_first_not_of(" \t\r") == std::string::npos) continue;
        std::optional<City> city;
        if (kind == Line::Text && splitCsv(line, fields)) city = cityFrom(fields);
        if (!city || list.cities_.size() >= kMaxCities) {
            ++list.skipped_;
            continue;
        }
        Keys keys{foldForSearch(city->name), foldForSearch(city->asciiName), {},
                  foldForSearch(city->region), foldForSearch(city->country),
                  lowerAscii(city->iso2), lowerAscii(city->iso3)};
        if (const size_t comma = keys.name.find(','); comma != std::string::npos)
            keys.shortName = trimmed(std::string_view(keys.name).substr(0, comma));
        list.keys_.push_back(std::move(keys));
        list.cities_.push_back(std::move(*city));
    }
    if (in.bad()) list.status_ = Status::Unreadable;
    else list.status_ = list.cities_.empty() ? Status::NoCities : Status::Ok;
    return list;
}

std::vector<CityCatalogue::Ranked> CityCatalogue::rank(std::string_view text) const {
    const std::string folded = foldForSearch(text);
    std::vector<Ranked> ranked;
    if (folded.empty()) return ranked;
    // The whole text as a name, and, when it holds a comma, the part before
    // the last comma as a name narrowed by the part after it.
    const std::string_view whole = folded;
    std::string_view name;
    std::string_view qualifier;
    const std::size_t comma = whole.rfind(',');
    if (comma != std::string_view::npos) {
        name = trimmed(whole.substr(0, comma));
        qualifier = trimmed(whole.substr(comma + 1));
    }
    const auto qualifies = [&](const Keys& k) {
        return qualifier.empty() || qualifier == k.iso2 || qualifier == k.iso3 ||
               startsWith(k.country, qualifier) || startsWith(k.region, qualifier);
    };
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        const Keys& k = keys_[i];
        const auto best = [](int a, int b) { return a < 0 ? b : b < 0 ? a : std::min(a, b); };
        const auto matches = [&](std::string_view text) {
            int r = best(nameRank(k.name, text), nameRank(k.asciiName, text));
            return k.shortName.empty() ? r : best(r, nameRank(k.shortName, text));
        };
        int r = matches(whole);
        if (!name.empty() && qualifies(k)) r = best(r, matches(name));
        if (r >= 0) ranked.push_back({r, i});
    }
    return ranked;
}

void CityCatalogue::sortAndCut(std::vector<Ranked>& ranked, std::size_t limit) const {
    const auto before = [this](const Ranked& a, const Ranked& b) {
        if (a.rank != b.rank) return a.rank < b.rank;
        const City& ca = cities_[a.index];
        const City& cb = cities_[b.index];
        if (ca.population != cb.population) return ca.population > cb.population;
        const Keys& ka = keys_[a.index];
        const Keys& kb = keys_[b.index];
        if (ka.name != kb.name) return ka.name < kb.name;
        if (ka.country != kb.country) return ka.country < kb.country;
        return a.index < b.index;
    };
    if (limit > 0 && ranked.size() > limit) {
        std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(limit),
                          ranked.end(), before);
        ranked.resize(limit);
    } else {
        std::sort(ranked.begin(), ranked.end(), before);
    }
}

std::vector<const City*> CityCatalogue::search(std::string_view text, std::size_t limit) const {
    std::vector<Ranked> ranked = rank(text);
    sortAndCut(ranked, limit);
    std::vector<const City*> found;
    found.reserve(ranked.size());
    for (const Ranked& r : ranked) found.push_back(&cities_[r.index]);
    return found;
}

const City* CityCatalogue::bestMatch(std::string_view text) const {
    std::vector<Ranked> ranked = rank(text);
    sortAndCut(ranked, 1);
    return !ranked.empty() && ranked.front().rank == 0 ? &cities_[ranked.front().index] : nullptr;
}

}  // namespace vantorel
