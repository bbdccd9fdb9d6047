#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/settings/Settings.h"
#include "common/settings/WindowLayout.h"
#include "common/text/SettingsText.h"

// The settings file "vantorel.ini" (where it lives: Paths::settingsFile): one
// section [Vantorel], integer values. Read at each access, never cached; every
// write goes to a temporary file renamed over the old one, so a crash never
// leaves a half-written file. A file that exists but cannot be read whole (not
// a regular file, over 64 KiB, unreadable) reads as missing and is never
// rewritten, nor is a read-only one: the user's lines are never lost. Two
// programs may write at once (two windows, the window and the command line):
// each write takes a lock, reads the file as it is then, changes only its own
// keys and writes it back, so no one's keys are lost.

namespace vantorel {

// One key of a write and its value as it goes into the file.
struct SettingsEntry {
    SettingsEntry(const char* k, int v) : key(k), value(std::to_string(v)) {}
    SettingsEntry(const char* k, std::string v) : key(k), value(std::move(v)) {}
    const char* key;
    std::string value;
    // Only rewrites a line the file has; never adds the key.
    bool onlyIfPresent = false;
};

enum class SettingsWrite {
    Written,
    Refused,  // the file exists but may not be replaced
    Failed,   // the new file could not be written
};

class SettingsFile {
public:
    // Full path, looked up again at each call: the working directory may change.
    static std::string settingsPath();

    // The key's integer value; nothing for a missing file, section or key, or a
    // value that is not a whole decimal number.
    static std::optional<int> readInt(const std::string& key);
    static int readInt(const std::string& key, int fallback);
    // Writes one key; false when the file could not be written.
    static bool writeInt(const std::string& key, int value);
    static SettingsWrite writeKey(const std::string& key, int value);
    // Several keys in one write: no other program sees half of them.
    static SettingsWrite writeKeys(const std::vector<SettingsEntry>& keys);
    // A key's text; nothing for a missing file, section or key.
    static std::optional<std::string> readText(const std::string& key);

    // Reads the nine application keys in their order, then the longitude and
    // the zone name, fills `s` (latitude included) and returns
    // DisplayWarning. A value outside its key's range reads as missing (a
    // damaged zone as a zone never asked for, unless a known ZoneName stands
    // in for it).
    static int readSettings(Settings& s);
    // The same from a file's text already read.
    static int applySettings(const SettingsText& text, Settings& s);

    // Writers, each for the keys of one dialog; each also updates `s`, and
    // sets s.settingsNotSaved when the file was not written.
    static bool writeLatitude(Settings& s, int degrees, int minutes, bool south);
    // A fixed zone; a ZoneName line the file has is emptied, so the fixed
    // zone holds from then on.
    static bool writeZone(Settings& s, int hours, int minutes);
    // A named zone: ZoneName, and its standard offset at the instant `atJd`
    // in FuseauH/FuseauM for readers that know no names; the zone question
    // counts as answered (DisplayWarning 1).
    static bool writeNamedZone(Settings& s, const TimeZone& zone, double atJd);
    // The site of a city in one write: latitude, longitude, and the zone
    // (named, with its standard offset at `atJd`, as writeNamedZone) unless
    // `zone` is empty (then the zone keys stay as they are). The zone
    // question counts as answered (DisplayWarning 1).
    static bool writeSite(Settings& s, double latitudeDeg, double longitudeDeg,
                          const std::optional<TimeZone>& zone, double atJd);
    // The longitude keys, east positive; clearLongitude marks them not set.
    static bool writeLongitude(Settings& s, int degrees, int minutes, bool west);
    static bool clearLongitude(Settings& s);
    static bool writeFirstStartZone(Settings& s, int hours, int minutes);
    static bool writeProjection(Settings& s, int code);
    static bool writeDateFormat(Settings& s, int format);
    static bool writeRedSpotLongitude(Settings& s, int longitude);
    // The language is fixed for a run: only the file changes.
    static bool writeLanguage(int language);

    // Zooms, read at window creation (cut to 80; below the window's least
    // zoom the default) and written at its end.
    static int readMarsZoom();
    static int readUranusZoom();
    static bool writeMarsZoom(double zoom);
    static bool writeUranusZoom(double zoom);
    // The Jupiter window's zoom level, 0..highest; anything else (or none)
    // reads as `fallback`.
    static int readJupiterZoom(int highest, int fallback);
    static bool writeJupiterZoom(int level);

    // The windows to open at the next start (section [Windows]), read with
    // every number checked; a write replaces the whole list under the lock.
    static std::vector<WindowPlace> readWindowLayout(bool (*reopenable)(int kind));
    static SettingsWrite writeWindowLayout(const std::vector<WindowPlace>& places);

    // The folder a picture was last saved in: an absolute path of at most
    // 4096 bytes, else nothing. Writing refuses a name the file cannot hold.
    static std::optional<std::string> readPictureFolder();
    static SettingsWrite writePictureFolder(const std::string& folder);

private:
    // Reads the file under its lock, lets `edit` change the text of
    // `section`, writes it back; the file's other lines stay as they were.
    template <typename Edit>
    static SettingsWrite mergeWrite(const char* section, Edit edit);
};

}  // namespace vantorel
