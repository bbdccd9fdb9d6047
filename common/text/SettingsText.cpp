#include "common/text/SettingsText.h"

#include <algorithm>
#include <climits>

namespace vantorel {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

// "[Name]" gives "Name"; nothing when the line is no section header.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
        return trim(line.substr(1, line.size() - 2));
    return std::nullopt;
}

// The key of a "key=value" line, or nothing.
std::optional<std::string_view> keyOf(std::string_view line, std::string_view& value) {
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    value = line.substr(eq + 1);
    return trim(line.substr(0, eq));
}

}  // namespace

std::optional<int> parseWholeNumber(std::string_view text) {
    text = trim(text);
    if (text.empty()) return std::nullopt;
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    long long v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
        if (v > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
    }
    if (negative) v = -v;
    if (v < INT_MIN || v > INT_MAX) return std::nullopt;
    return static_cast<int>(v);
}

SettingsText SettingsText::parse(std::string_view bytes, std::string section) {
    SettingsText t(std::move(section));
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        t.bom_ = true;
        bytes.remove_prefix(kByteOrderMark.size());
    }
    // The first line end found is the file's own; every kind ends a line.
    const size_t first = bytes.find_first_of("\r\n");
    if (first != std::string_view::npos) {
        if (bytes[first] == '\n')
            t.lineEnd_ = "\n";
        else if (first + 1 < bytes.size() && bytes[first + 1] == '\n')
            t.lineEnd_ = "\r\n";
        else
            t.lineEnd_ = "\r";
    }
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            t.lines_.emplace_back(bytes.substr(start));
            break;
        }
        t.lines_.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
    }
    return t;
}

std::optional<std::string> SettingsText::text(std::string_view key) const {
    bool inSection = false;
    for (const std::string& line : lines_) {
        if (auto name = sectionName(line)) {
            inSection = equalsNoCase(*name, section_);
            continue;
        }
        std::string_view text;
        if (inSection) {
            if (auto k = keyOf(line, text); k && equalsNoCase(*k, key)) return std::string(text);
        }
    }
    return std::nullopt;
}

std::optional<int> SettingsText::value(std::string_view key) const {
    const std::optional<std::string> t = text(key);
    return t ? parseWholeNumber(*t) : std::nullopt;
}

bool SettingsText::setText(std::string_view key, std::string_view value) {
    // A line end would end the entry and start a line of its own.
    if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
    setLine(key, std::string(key) + "=" + std::string(value));
    return true;
}

void SettingsText::set(std::string_view key, int value) {
    setLine(key, std::string(key) + "=" + std::to_string(value));
}

void SettingsText::set(std::string_view key, std::string_view value) {
    std::string entry = std::string(key) + "=";
    for (const char c : value)
        if (c != '\r' && c != '\n') entry += c;
    setLine(key, entry);
}

void SettingsText::setLine(std::string_view key, const std::string& entry) {
    bool inSection = false;
    size_t sectionEnd = std::string::npos;  // end of the first matching section
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (auto name = sectionName(lines_[i])) {
            if (inSection && sectionEnd == std::string::npos) sectionEnd = i;
            inSection = equalsNoCase(*name, section_);
            continue;
        }
        std::string_view text;
        if (!inSection) continue;
        if (auto k = keyOf(lines_[i], text); k && equalsNoCase(*k, key)) {
            lines_[i] = entry;
            return;
        }
    }
    if (inSection && sectionEnd == std::string::npos) sectionEnd = lines_.size();
    if (sectionEnd == std::string::npos) {
        lines_.push_back("[" + section_ + "]");
        lines_.push_back(entry);
        return;
    }
    // Keep the new key before the section's trailing blank lines.
    size_t at = sectionEnd;
    while (at > 0 && trim(lines_[at - 1]).empty()) --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), entry);
}

std::string SettingsText::serialize() const {
    std::string out;
    if (bom_) out += kByteOrderMark;
    for (const std::string& line : lines_) out += line + lineEnd_;
    return out;
}

}  // namespace vantorel
