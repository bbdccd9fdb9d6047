#pragma once

#include <optional>
#include <string>

#include "common/text/LanguageText.h"

// The site longitude as the latitude dialog takes it beside the latitude:
// whole degrees, whole minutes and East or West, or nothing at all when the
// time zone is to stand in for it.

namespace vantorel {

struct Settings;

struct LongitudeEntry {
    long long degrees = 0;
    long long minutes = 0;
    bool west = false;
    bool operator==(const LongitudeEntry&) const = default;
};

enum class LongitudeCheck { Valid, BadDegrees, BadMinutes };

// Degrees 0..180, minutes 0..59, and nothing past 180° 0'.
LongitudeCheck checkLongitude(long long degrees, long long minutes);
// The message of a refused entry; empty for a valid one.
TextTriple longitudeMessage(LongitudeCheck check);

// What the dialog shows for a longitude (degrees east): magnitudes rounded to
// the minute and the side of Greenwich.
LongitudeEntry longitudeEntryOf(double longitudeEast);
// Degrees east of a checked entry.
double longitudeOf(const LongitudeEntry& entry);

// Stores the longitude of the dialog in `s` and the file: an entry writes its
// two keys; no entry (the time zone stands in) marks the stored keys as not
// set, and writes nothing when none were set, so a file that never had a
// longitude stays as it was. False when the file could not be written.
bool applyLongitude(Settings& s, const std::optional<LongitudeEntry>& entry);

// Which longitude the computations use, for the status bar and the data
// dialog: "2°21' E", "3°42' W", or the word for the time zone.
std::string longitudeInUseText(const std::optional<double>& longitudeEast, int language);
// Status bar pane 1: "Long.: " and the text above.
std::string longitudePaneText(const std::optional<double>& longitudeEast, int language);

namespace longlat {
constexpr TextTriple kSiteCaption{"Latitude and longitude", "Latitude et longitude",
                                  "Latitud y longitud"};
constexpr TextTriple kLongitude{"Longitude", "Longitude", "Longitud"};
constexpr TextTriple kEast{"East", "Est", "Este"};
constexpr TextTriple kWest{"West", "Ouest", "Oeste"};
constexpr TextTriple kUseZone{"Empty: the time zone stands in for it",
                              "Vide : le fuseau horaire en tient lieu",
                              "Vac\u00edo: el huso horario la sustituye"};
constexpr TextTriple kZoneWord{"zone", "fuseau", "huso"};
}  // namespace longlat

}  // namespace vantorel
