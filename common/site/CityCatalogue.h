#pragma once

// The list of cities with their coordinates and time zones (data/cities.csv,
// written by tools/make_cities.py), and the search that picks one as the
// user types.
//
//   const auto list = CityCatalogue::load(Paths::dataFile(CityCatalogue::kFileName));
//   if (list.status() != CityCatalogue::Status::Ok) ... say so, offer typed coordinates
//   for (const City* c : list.search("sao pa", 20)) ...      // "São Paulo" first
//   if (const City* c = list.bestMatch("Paris, France")) ... // c->zoneName "Europe/Paris"
//
// Reading never fails on a bad line: every field is range-checked and a line
// that does not hold a valid city is skipped and counted. A missing or
// damaged file gives a status code, for the caller to put into words.
// The zone names are checked for their form only; TimeZone::named tells
// whether this system's tz database has them.

#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

struct City {
    std::string name;       // UTF-8, as written in its country ("São Paulo")
    std::string asciiName;  // ASCII spelling ("Sao Paulo"); may be empty
    std::string region;     // state or province; may be empty
    std::string country;    // English name ("Brazil")
    std::string iso2;       // ISO 3166 codes ("BR", "BRA"); empty when unknown
    std::string iso3;
    double latitudeDeg = 0;   // north positive
    double longitudeDeg = 0;  // east positive
    std::string zoneName;     // IANA zone ("America/Sao_Paulo")
    long long population = 0;  // 0 when unknown
};

class CityCatalogue {
public:
    // The file's name in the data folders.
    static constexpr const char* kFileName = "cities.csv";

    enum class Status {
        Ok,
        Missing,       // no file at the path
        Unreadable,    // not a regular file, or reading it failed
        NotACityList,  // empty, or its first line is not the expected header
        NoCities,      // the header is right but no line holds a valid city
    };

    // An empty list with status Missing.
    CityCatalogue();

    // Reads the list at `path`; the caller finds the file (Paths::dataFile).
    static CityCatalogue load(const std::filesystem::path& path);
    static CityCatalogue read(std::istream& in);

    Status status() const { return status_; }
    bool ok() const { return status_ == Status::Ok; }
    // Lines that did not hold a valid city (blank lines not counted).
    int skippedLines() const { return skipped_; }
    const std::vector<City>& cities() const { return cities_; }

    // Cities matching what the user typed, best first, at most `limit` (0: no
    // limit). Case, accents and extra spaces are ignored. Names equal to the
    // text come first, then names starting with it, then names with a word
    // starting with it, then names holding it elsewhere; within each, the
    // most populous first. "Name, Country" narrows the matches to cities
    // whose country or region starts with the part after the last comma, or
    // whose ISO code is that part ("Paris, France", "Paris, FR", "Springfield,
    // Missouri"). A name that itself holds a comma ("Washington, D.C.") is
    // found whole and by its part before the comma ("Washington").
    // The pointers stay valid while the catalogue lives.
    std::vector<const City*> search(std::string_view text, std::size_t limit = 50) const;
    // The most populous city whose name is the text (case and accents
    // ignored, "Name, Country" narrowing as above); nullptr when none is.
    const City* bestMatch(std::string_view text) const;

private:
    // Folded forms of each city's names, for matching. `shortName` is the
    // part of a name before its comma ("washington" of "Washington, D.C."),
    // else empty.
    struct Keys {
        std::string name, asciiName, shortName, region, country, iso2, iso3;
    };
    struct Ranked {
        int rank;
        std::size_t index;
    };
    std::vector<Ranked> rank(std::string_view text) const;
    void sortAndCut(std::vector<Ranked>& ranked, std::size_t limit) const;

    Status status_ = Status::Missing;
    int skipped_ = 0;
    std::vector<City> cities_;
    std::vector<Keys> keys_;
};

}  // namespace vantorel
