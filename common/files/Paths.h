#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Where the program finds and keeps its files; nothing else builds a path.
//
// Data (catalogues, satellite records), the first regular file of that name in:
//   1. data/ in the working directory, so a copy there overrides everything;
//   2. data/ beside the executable (the build tree);
//   3. the installed data folder found from the executable's place
//      (bin/../share/vantorel), so an installed tree can be moved;
//   4. the installed data folder compiled in.
// Settings: vantorel.ini in the working directory when one is there, else
// vantorel/vantorel.ini in the per-user configuration folder
// ($XDG_CONFIG_HOME, else ~/.config).
// The zone names: the lists of the system's tz database (zoneListFiles).
// Yearly phenomena files: read from the working directory when one is there,
// else from the per-user data folder ($XDG_DATA_HOME/vantorel, else
// ~/.local/share/vantorel); new ones are written beside the settings file in
// use, so a working directory with its own vantorel.ini keeps everything.
//
// The per-user folders follow the XDG rules here rather than through Qt's
// QStandardPaths because the readers live in the core, which links no Qt, and
// the command-line tool must agree with the windows on every path.
//
// Nothing here throws: a working directory that was removed simply holds no
// files, and everything else is still found.

namespace vantorel {

class Paths {
public:
    // The working directory, absolute; empty when it cannot be known (removed).
    static std::filesystem::path workingDirectory();
    // The folder of the running executable; empty when unknown.
    static std::filesystem::path executableDirectory();

    // The data folders in the order they are searched, without repeats.
    static std::vector<std::filesystem::path> dataDirectories();
    // The first regular file `name` in the data folders; empty when none.
    static std::filesystem::path dataFile(const std::string& name);

    // $XDG_CONFIG_HOME/vantorel or ~/.config/vantorel; empty without a home.
    static std::filesystem::path userConfigDirectory();
    // $XDG_DATA_HOME/vantorel or ~/.local/share/vantorel; empty without a home.
    static std::filesystem::path userDataDirectory();

    // The settings file to read and write (it need not exist yet).
    static std::filesystem::path settingsFile();
    // The yearly file `name` to read: the working directory's when there,
    // else the per-user one (which need not exist).
    static std::filesystem::path yearlyFileToRead(const std::string& name);
    // Where a new yearly file `name` goes: beside the settings file in use.
    static std::filesystem::path yearlyFileToWrite(const std::string& name);

    // A file the user exports from a window (a calendar): a name alone goes
    // to the working directory, else to the home folder; a path the user gave
    // stays as it is.
    static std::filesystem::path exportFile(const std::string& nameOrPath);
    // The files of the system's tz database that list its zone names, in the
    // order to try: tzdata.zi, zone1970.tab, zone.tab in $TZDIR when it is an
    // absolute path, else in /usr/share/zoneinfo (where the zones themselves
    // are looked up too).
    static std::vector<std::filesystem::path> zoneListFiles();

    // Creates the folder that is to hold `file` (private to the user, as the
    // XDG rules ask) when it is missing; false when it cannot be made.
    static bool makeParentDirectory(const std::filesystem::path& file);
};

}  // namespace vantorel
