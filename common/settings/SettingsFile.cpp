#include "common/settings/SettingsFile.h"

#include "common/files/Paths.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "common/files/SafeFile.h"
#include "common/text/SettingsText.h"

namespace vantorel {

namespace {

constexpr const char* kSection = "Vantorel";
// No zone name is this long; a longer value is not one.
constexpr std::size_t kLongestZoneName = 80;
constexpr int kMaxZoom = 80;
// A settings file is a few hundred bytes; anything this large is not one,
// and reading it whole must not cost memory without bound.
constexpr std::size_t kMaxSettingsBytes = 64 * 1024;
constexpr std::size_t kMaxFolderBytes = 4096;

struct LoadedSettings {
    FileRead file;
    SettingsText text;
};

LoadedSettings load(const std::string& path, const char* section = kSection) {
    LoadedSettings loaded{readRegularFile(path, kMaxSettingsBytes), SettingsText(section)};
    if (loaded.file.ok()) loaded.text = SettingsText::parse(loaded.file.bytes, section);
    return loaded;
}

// A key's value when it lies in lo..hi; anything else reads as missing.
std::optional<int> inRange(const SettingsText& text, const char* key, int lo, int hi) {
    const std::optional<int> v = text.value(key);
    if (v && *v >= lo && *v <= hi) return v;
    return std::nullopt;
}

// The zone as stored: hours -13..14, or 50..63 for a western zone written in
// the date record's own encoding (50 + hours), and minutes 0..59, the whole
// no more than 13 hours west or 14 hours east of Greenwich (Kiribati's
// Line Islands keep +14).
bool validZone(int hours, int minutes) {
    if (minutes < 0 || minutes > 59) return false;
    if (hours > 63 || (hours > 14 && hours < 50) || hours < -13) return false;
    const bool west = hours >= 50 || hours < 0;
    const int magnitude = hours >= 50 ? hours - 50 : (hours < 0 ? -hours : hours);
    return magnitude * 60 + minutes <= (west ? 13 : 14) * 60;
}

// Remembers a write that did not reach the file, so that the user hears of
// it once.
bool noteSaved(Settings& s, bool written) {
    if (!written) s.settingsNotSaved = true;
    return written;
}

bool written(SettingsWrite result) { return result == SettingsWrite::Written; }

int zoomKey(const char* key, int lowest, int fallback) {
    const LoadedSettings loaded = load(SettingsFile::settingsPath());
    const std::optional<int> v = loaded.text.value(key);
    if (!v || *v < lowest) return fallback;
    return std::min(*v, kMaxZoom);
}

}  // namespace

std::string SettingsFile::settingsPath() { return Paths::settingsFile().string(); }

std::optional<int> SettingsFile::readInt(const std::string& key) {
    return load(settingsPath()).text.value(key);
}

int SettingsFile::readInt(const std::string& key, int fallback) {
    return readInt(key).value_or(fallback);
}

std::optional<std::string> SettingsFile::readText(const std::string& key) {
    return load(settingsPath()).text.text(key);
}

SettingsWrite SettingsFile::writeKey(const std::string& key, int value) {
    return writeKeys({{key.c_str(), value}});
}

template <typename Edit>
SettingsWrite SettingsFile::mergeWrite(const char* section, Edit edit) {
    const std::string path = settingsPath();
    if (!Paths::makeParentDirectory(path)) return SettingsWrite::Failed;
    // Read, changed and written under the lock: another program's write
    // between our read and our rename would otherwise be lost.
    const FileLock lock(path);
    LoadedSettings loaded = load(path, section);
    // Only a file read whole (or none at all) may be replaced: anything else
    // would lose the lines that could not be read.
    if (loaded.file.status != ReadStatus::Read && loaded.file.status != ReadStatus::Missing)
        return SettingsWrite::Refused;
    if (loaded.file.ok() && isReadOnlyFile(path)) return SettingsWrite::Refused;
    if (lock.timedOut()) return SettingsWrite::Failed;
    edit(loaded.text);
    return writeFileAtomically(path, loaded.text.serialize()) ? SettingsWrite::Written
                                                              : SettingsWrite::Failed;
}

SettingsWrite SettingsFile::writeKeys(const std::vector<SettingsEntry>& keys) {
    return mergeWrite(kSection, [&keys](SettingsText& text) {
        for (const SettingsEntry& e : keys)
            if (!e.onlyIfPresent || text.text(e.key)) text.set(e.key, e.value);
    });
}

std::optional<std::string> SettingsFile::readPictureFolder() {
    std::optional<std::string> folder = load(settingsPath()).text.text("PictureFolder");
    if (!folder || folder->empty() || folder->size() > kMaxFolderBytes || folder->front() != '/')
        return std::nullopt;
    return folder;
}

SettingsWrite SettingsFile::writePictureFolder(const std::string& folder) {
    if (folder.empty() || folder.size() > kMaxFolderBytes || folder.front() != '/' ||
        folder.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
        return SettingsWrite::Refused;
    return mergeWrite(kSection, [&folder](SettingsText& text) { text.setText("PictureFolder", folder); });
}

std::vector<WindowPlace> SettingsFile::readWindowLayout(bool (*reopenable)(int kind)) {
    return windowLayoutFromText(load(settingsPath(), kWindowLayoutSection).text, reopenable);
}

SettingsWrite SettingsFile::writeWindowLayout(const std::vector<WindowPlace>& places) {
    return mergeWrite(kWindowLayoutSection, [&places](SettingsText& text) { setWindowLayout(text, places); });
}

bool SettingsFile::writeInt(const std::string& key, int value) {
    return writeKey(key, value) == SettingsWrite::Written;
}

StoredZone storedZoneOf(int offsetMinutes) {
    StoredZone z{offsetMinutes / 60, std::abs(offsetMinutes % 60)};
    // Zero hours cannot carry the sign: the date record's own encoding.
    if (offsetMinutes < 0 && z.hours == 0) z.hours = 50;
    return z;
}

int offsetMinutesOfStoredZone(int hours, int minutes) {
    if (hours >= 50) return -((hours - 50) * 60 + std::abs(minutes));
    const int magnitude = std::abs(hours) * 60 + std::abs(minutes);
    return (hours < 0 || minutes < 0) ? -magnitude : magnitude;
}

TimeZone Settings::timeZone() const {
    if (namedZone) return *namedZone;
    return TimeZone::fixed(offsetMinutesOfStoredZone(zoneHours, zoneMinutes));
}

float latitudeFromKeys(int degrees, int minutes) {
    // In long long: the magnitude of INT_MIN does not fit an int.
    const double magnitude = static_cast<double>(std::llabs(degrees)) + std::llabs(minutes) / 60.0;
    const bool south = degrees < 0 || (degrees == 0 && minutes < 0);
    return static_cast<float>(south ? -magnitude : magnitude);
}

std::optional<double> longitudeFromKeys(std::optional<int> degrees, std::optional<int> minutes) {
    if (!degrees || !minutes) return std::nullopt;
    const int d = *degrees, m = *minutes;
    if (d < -180 || d > 180) return std::nullopt;
    // A negative minutes value carries the sign only when the degrees cannot.
    if (m > 59 || m < (d == 0 ? -59 : 0)) return std::nullopt;
    if ((d == 180 || d == -180) && m != 0) return std::nullopt;
    const double magnitude = std::abs(d) + std::abs(m) / 60.0;  // both bounded above
    return (d < 0 || m < 0) ? -magnitude : magnitude;
}

void Settings::setLanguage(int index) {
    language = index;
    languageOffset = vantorel::languageOffset(index);
}

int SettingsFile::readSettings(Settings& s) { return applySettings(load(settingsPath()).text, s); }

int SettingsFile::applySettings(const SettingsText& t, Settings& s) {
    // Every value is checked against its range here, once: a damaged value
    // reads as missing, so the first start asks for it again, and nothing
    // later meets a zone of two billion hours.
    std::optional<int> degrees = inRange(t, "Latituded", -90, 90);
    std::optional<int> minutes = inRange(t, "Latitudem", -59, 59);
    // Negative minutes carry the sign of a southern latitude under one degree.
    if (degrees && minutes &&
        ((*minutes < 0 && *degrees != 0) || std::abs(*degrees) * 60 + std::abs(*minutes) > 90 * 60))
        degrees = minutes = std::nullopt;
    s.latituded = degrees.value_or(kNotSet);
    s.latitudem = minutes.value_or(kNotSet);
    s.redSpotLongitude = inRange(t, "GRS", 0, 359).value_or(80);
    s.projection = inRange(t, "Projection", 0, 3).value_or(0);
    s.setLanguage(inRange(t, "Langue", 0, 2).value_or(kNotSet));
    const std::optional<int> zoneHours = t.value("FuseauH");
    const std::optional<int> zoneMinutes = t.value("FuseauM");
    const bool zoneValid = validZone(zoneHours.value_or(0), zoneMinutes.value_or(0));
    s.zoneHours = zoneValid ? zoneHours.value_or(0) : 0;
    s.zoneMinutes = zoneValid ? zoneMinutes.value_or(0) : 0;
    s.dateFormat = inRange(t, "DATE", 0, 3).value_or(kNotSet);
    // The name is kept, known or not, for the message that says it is not
    // known (less the blanks a hand edit may leave around it: a zone name
    // has none); only a name of the right form is looked up.
    s.zoneName = t.text("ZoneName").value_or(std::string());
    s.zoneName.erase(0, s.zoneName.find_first_not_of(" \t"));
    s.zoneName.erase(s.zoneName.find_last_not_of(" \t") + 1);
    if (s.zoneName.size() > kLongestZoneName) s.zoneName.resize(kLongestZoneName);
    s.namedZone = s.zoneName.empty() ? std::nullopt : TimeZone::named(s.zoneName);
    // A damaged zone asks the first-start zone question again, unless a
    // known named zone answers it.
    s.displayWarning = (zoneValid || s.namedZone) ? inRange(t, "DisplayWarning", 0, 1).value_or(0) : 0;
    s.latitude = latitudeFromKeys(s.latituded, s.latitudem);
    s.longitude = longitudeFromKeys(t.value("Longituded"), t.value("Longitudem"));
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
    return noteSaved(s, written(writeKeys({{"Latituded", storedDegrees},
                                           {"Latitudem", storedMinutes}})));
}

bool SettingsFile::writeZone(Settings& s, int hours, int minutes) {
    s.zoneHours = hours;
    s.zoneMinutes = minutes;
    s.zoneName.clear();
    s.namedZone.reset();
    std::vector<SettingsEntry> keys = {{"FuseauH", hours}, {"FuseauM", minutes}};
    keys.push_back(SettingsEntry("ZoneName", std::string()));
    keys.back().onlyIfPresent = true;
    return noteSaved(s, written(writeKeys(keys)));
}

namespace {

// The keys of a named zone, and `s` set to it.
void addNamedZone(Settings& s, const TimeZone& zone, double atJd, std::vector<SettingsEntry>& keys) {
    const StoredZone standard = storedZoneOf(zone.standardOffsetMinutes(atJd));
    s.zoneName = zone.name();
    s.namedZone = zone;
    s.zoneHours = standard.hours;
    s.zoneMinutes = standard.minutes;
    s.displayWarning = 1;
    keys.push_back({"ZoneName", zone.name()});
    keys.push_back({"FuseauH", standard.hours});
    keys.push_back({"FuseauM", standard.minutes});
    keys.push_back({"DisplayWarning", 1});
}

// An angle as the keys store it: whole degrees and minutes, the sign on the
// degrees, or on the minutes under one degree; rounded to the minute.
std::pair<int, int> degreesAndMinutes(double angle) {
    const long total = std::lround(std::fabs(angle) * 60.0);
    int degrees = static_cast<int>(total / 60), minutes = static_cast<int>(total % 60);
    if (angle < 0 && total != 0) {
        if (degrees == 0) minutes = -minutes;
        else degrees = -degrees;
    }
    return {degrees, minutes};
}

}  // namespace

bool SettingsFile::writeNamedZone(Settings& s, const TimeZone& zone, double atJd) {
    if (zone.isFixed()) {
        const StoredZone z = storedZoneOf(zone.offsetMinutesAtUtc(atJd));
        return writeZone(s, z.hours, z.minutes);
    }
    std::vector<SettingsEntry> keys;
    addNamedZone(s, zone, atJd, keys);
    return noteSaved(s, written(writeKeys(keys)));
}

bool SettingsFile::writeSite(Settings& s, double latitudeDeg, double longitudeDeg,
                             const std::optional<TimeZone>& zone, double atJd) {
    if (!std::isfinite(latitudeDeg) || !std::isfinite(longitudeDeg)) return false;
    latitudeDeg = std::clamp(latitudeDeg, -90.0, 90.0);
    longitudeDeg = std::clamp(longitudeDeg, -180.0, 180.0);
    const auto [latD, latM] = degreesAndMinutes(latitudeDeg);
    const auto [lonD, lonM] = degreesAndMinutes(longitudeDeg);
    std::vector<SettingsEntry> keys = {
        {"Latituded", latD}, {"Latitudem", latM}, {"Longituded", lonD}, {"Longitudem", lonM}};
    s.latitude = latitudeFromKeys(latD, latM);
    s.longitude = longitudeFromKeys(lonD, lonM);
    if (zone && !zone->isFixed()) addNamedZone(s, *zone, atJd, keys);
    return noteSaved(s, written(writeKeys(keys)));
}

bool SettingsFile::writeLongitude(Settings& s, int degrees, int minutes, bool west) {
    degrees = std::abs(degrees);
    minutes = std::abs(minutes);
    // As for the latitude, zero degrees cannot carry the sign: a site under
    // one degree west keeps it in the minutes.
    const int storedDegrees = west ? -degrees : degrees;
    const int storedMinutes = (west && degrees == 0) ? -minutes : minutes;
    s.longitude = longitudeFromKeys(storedDegrees, storedMinutes);
    return noteSaved(s, written(writeKeys({{"Longituded", storedDegrees},
                                           {"Longitudem", storedMinutes}})));
}

bool SettingsFile::clearLongitude(Settings& s) {
    s.longitude.reset();
    return noteSaved(s, written(writeKeys({{"Longituded", kLongitudeNotSet}, {"Longitudem", 0}})));
}

bool SettingsFile::writeFirstStartZone(Settings& s, int hours, int minutes) {
    s.zoneHours = hours;
    s.zoneMinutes = minutes;
    s.displayWarning = 1;
    return noteSaved(s, written(writeKeys({{"FuseauH", hours},
                                           {"FuseauM", minutes},
                                           {"DisplayWarning", 1}})));
}

bool SettingsFile::writeProjection(Settings& s, int code) {
    s.projection = code;
    return noteSaved(s, writeInt("Projection", code));
}

bool SettingsFile::writeDateFormat(Settings& s, int format) {
    s.dateFormat = format;
    return noteSaved(s, writeInt("DATE", format));
}

bool SettingsFile::writeRedSpotLongitude(Settings& s, int longitude) {
    s.redSpotLongitude = longitude;
    return noteSaved(s, writeInt("GRS", longitude));
}

bool SettingsFile::writeLanguage(int language) { return writeInt("Langue", language); }

int SettingsFile::readMarsZoom() { return zoomKey("MarsZoom", 20, 80); }
int SettingsFile::readUranusZoom() { return zoomKey("UranusZoom", 10, 10); }
bool SettingsFile::writeMarsZoom(double zoom) { return writeInt("MarsZoom", static_cast<int>(zoom)); }
bool SettingsFile::writeUranusZoom(double zoom) {
    return writeInt("UranusZoom", static_cast<int>(zoom));
}
int SettingsFile::readJupiterZoom(int highest, int fallback) {
    const std::optional<int> v = readInt("JupiterZoom");
    return v && *v >= 0 && *v <= highest ? *v : fallback;
}
bool SettingsFile::writeJupiterZoom(int level) { return writeInt("JupiterZoom", level); }

}  // namespace vantorel
