#include "app/SettingsFile.h"

#include "app/Paths.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace vantorel {

namespace {

constexpr const char* kSection = "Vantorel";
constexpr int kMaxZoom = 80;

std::string trim(const std::string& s) {
    size_t b = 0;
    size_t e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

bool equalsNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// "[Name]" -> "Name"; empty when the line is no section header.
std::optional<std::string> sectionName(const std::string& line) {
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
        return trim(line.substr(1, line.size() - 2));
    return std::nullopt;
}

std::optional<int> parseInt(const std::string& text) {
    const std::string v = trim(text);
    if (v.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long n = std::strtol(v.c_str(), &end, 10);
    if (end == v.c_str() || *end != '\0' || errno == ERANGE || n < INT_MIN || n > INT_MAX)
        return std::nullopt;
    return static_cast<int>(n);
}

std::vector<std::string> readLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (in && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

std::string SettingsFile::settingsPath() { return Paths::settingsFile().string(); }

std::optional<int> SettingsFile::readInt(const std::string& key) {
    bool inSection = false;
    for (const std::string& raw : readLines(settingsPath())) {
        const std::string line = trim(raw);
        if (auto name = sectionName(line)) {
            inSection = equalsNoCase(*name, kSection);
            continue;
        }
        if (!inSection) continue;
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        if (equalsNoCase(trim(line.substr(0, eq)), key)) return parseInt(line.substr(eq + 1));
    }
    return std::nullopt;
}

int SettingsFile::readInt(const std::string& key, int fallback) {
    return readInt(key).value_or(fallback);
}

bool SettingsFile::writeInt(const std::string& key, int value) {
    const std::string path = settingsPath();
    if (!Paths::makeParentDirectory(path)) return false;
    std::vector<std::string> lines = readLines(path);
    const std::string entry = key + "=" + std::to_string(value);

    // Replace the key inside the section, or add it at the section's end;
    // every other line stays as it was.
    bool inSection = false;
    bool sawSection = false;
    bool done = false;
    size_t sectionEnd = lines.size();
    for (size_t i = 0; i < lines.size() && !done; ++i) {
        const std::string line = trim(lines[i]);
        if (auto name = sectionName(line)) {
            if (inSection) {
                sectionEnd = i;
                break;
            }
            inSection = equalsNoCase(*name, kSection);
            sawSection = sawSection || inSection;
            continue;
        }
        if (!inSection) continue;
        const size_t eq = line.find('=');
        if (eq != std::string::npos && equalsNoCase(trim(line.substr(0, eq)), key)) {
            lines[i] = entry;
            done = true;
        }
    }
    if (!done) {
        if (sawSection) {
            // Keep the new key before trailing blank lines of the section.
            size_t at = sectionEnd;
            while (at > 0 && trim(lines[at - 1]).empty()) --at;
            lines.insert(lines.begin() + static_cast<long>(at), entry);
        } else {
            lines.push_back(std::string("[") + kSection + "]");
            lines.push_back(entry);
        }
    }

    const std::string tmp = path + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        for (const std::string& l : lines) out << l << "\n";
        out.flush();
        if (!out) {
            out.close();
            std::remove(tmp.c_str());
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(tmp, path, ec);
    if (ec) {
        std::filesystem::remove(tmp, ec);
        return false;
    }
    return true;
}

float latitudeFromKeys(int degrees, int minutes) {
    const double magnitude = std::abs(degrees) + std::abs(minutes) / 60.0;
    const bool south = degrees < 0 || (degrees == 0 && minutes < 0);
    return static_cast<float>(south ? -magnitude : magnitude);
}

void Settings::setLanguage(int index) {
    language = index;
    languageOffset = vantorel::languageOffset(index);
}

int SettingsFile::readSettings(Settings& s) {
    s.latituded = readInt("Latituded", kNotSet);
    s.latitudem = readInt("Latitudem", kNotSet);
    s.redSpotLongitude = readInt("GRS", 80);
    s.projection = readInt("Projection", 0);
    s.setLanguage(readInt("Langue", kNotSet));
    s.zoneHours = readInt("FuseauH", 0);
    s.zoneMinutes = readInt("FuseauM", 0);
    s.dateFormat = readInt("DATE", kNotSet);
    s.displayWarning = readInt("DisplayWarning", 0);
    s.latitude = latitudeFromKeys(s.latituded, s.latitudem);
    return s.displayWarning;
}

bool SettingsFile::writeLatitude(Settings& s, int degrees, int minutes, bool south) {
    degrees = std::abs(degrees);
    minutes = std::abs(minutes);
    int storedDegrees = south ? -degrees : degrees;
    int storedMinutes = minutes;
    // Zero degrees cannot carry the sign: a southern latitude under one degree
    // keeps it in the minutes instead.
    if (south && degrees == 0) storedMinutes = -minutes;
    const double magnitude = degrees + minutes / 60.0;
    s.latitude = static_cast<float>(south ? -magnitude : magnitude);
    const bool ok = writeInt("Latituded", storedDegrees);
    return writeInt("Latitudem", storedMinutes) && ok;
}

bool SettingsFile::writeZone(Settings& s, int hours, int minutes) {
    s.zoneHours = hours;
    s.zoneMinutes = minutes;
    const bool ok = writeInt("FuseauH", hours);
    return writeInt("FuseauM", minutes) && ok;
}

bool SettingsFile::writeFirstStartZone(Settings& s, int hours, int minutes) {
    const bool ok = writeZone(s, hours, minutes);
    s.displayWarning = 1;
    return writeInt("DisplayWarning", 1) && ok;
}

bool SettingsFile::writeProjection(Settings& s, int code) {
    s.projection = code;
    return writeInt("Projection", code);
}

bool SettingsFile::writeDateFormat(Settings& s, int format) {
    s.dateFormat = format;
    return writeInt("DATE", format);
}

bool SettingsFile::writeRedSpotLongitude(Settings& s, int longitude) {
    s.redSpotLongitude = longitude;
    return writeInt("GRS", longitude);
}

bool SettingsFile::writeLanguage(int language) { return writeInt("Langue", language); }

int SettingsFile::readMarsZoom() { return std::min(readInt("MarsZoom", 80), kMaxZoom); }
int SettingsFile::readUranusZoom() { return std::min(readInt("UranusZoom", 10), kMaxZoom); }
bool SettingsFile::writeMarsZoom(double zoom) { return writeInt("MarsZoom", static_cast<int>(zoom)); }
bool SettingsFile::writeUranusZoom(double zoom) {
    return writeInt("UranusZoom", static_cast<int>(zoom));
}

}  // namespace vantorel
