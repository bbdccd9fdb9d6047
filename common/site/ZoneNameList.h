#pragma once

// The names of the zones of the system's tz database ("Europe/Paris",
// "America/Sao_Paulo"), for the time zone dialog to offer, and the search
// that finds them as the user types.
//
//   const ZoneNameList zones = ZoneNameList::load(Paths::zoneListFiles());
//   if (!zones.ok()) ... offer the fixed offsets alone
//   for (const std::string* name : zones.search("sao p", 30)) ...
//
// The database's own lists are read: tzdata.zi (its "Z" zone and "L" link
// lines) or, where it is missing, zone1970.tab or zone.tab (the third column).
// Every name is checked for the form of a zone name; lines that are no list
// line, overlong files and lines, and names of other forms are skipped. The
// names of places are kept ("Area/Place"), with "UTC"; the "Etc/" offsets,
// whose signs run against the usual ones, are left to the fixed offsets.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

class ZoneNameList {
public:
    enum class Status {
        Ok,
        Missing,     // none of the files is there
        Unreadable,  // not a regular file, too large, or reading failed
        NoNames,     // read, but no line holds a zone name
    };

    // Empty, with status Missing.
    ZoneNameList() = default;

    // The first of `files` that exists, read whole.
    static ZoneNameList load(const std::vector<std::filesystem::path>& files);
    // The names of one list's text.
    static ZoneNameList parse(std::string_view text);

    Status status() const { return status_; }
    bool ok() const { return status_ == Status::Ok; }
    // Sorted, each once.
    const std::vector<std::string>& names() const { return names_; }

    // Names matching the text, best first, at most `limit` (0: no limit);
    // case, accents and the underscores of the names are ignored. A part of
    // the name equal to the text first ("paris"), then a part starting with
    // it, then the whole name starting with it ("europe/pa"), then the name
    // holding it; alphabetical within each. Empty text: every name.
    std::vector<const std::string*> search(std::string_view text, std::size_t limit = 0) const;

private:
    Status status_ = Status::Missing;
    std::vector<std::string> names_;
    std::vector<std::string> folded_;  // lower case, '_' as ' '
};

}  // namespace vantorel
