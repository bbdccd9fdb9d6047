#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

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
    static SettingsWrite writeKeys(std::initializer_list<std::pair<const char*, int>> keys);

    // Reads the nine application keys in their order, then the longitude,
    // fills `s` (latitude included) and returns DisplayWarning. A value
    // outside its key's range reads as missing (a damaged zone as a zone
    // never asked for).
    static int readSettings(Settings& s);
    // The same from a file's text already read.
    static int applySettings(const SettingsText& text, Settings& s);

    // Writers, each for the keys of one dialog; each also updates `s`, and
    // sets s.settingsNotSaved when the file was not written.
    static bool writeLatitude(Settings& s, int degrees, int minutes, bool south);
    static bool writeZone(Settings& s, int hours, int minutes);
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
