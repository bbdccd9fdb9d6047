#pragma once

#include <optional>

#include "common/settings/LongitudeEntry.h"
#include "common/settings/Settings.h"
#include "common/text/LanguageText.h"

// The site latitude as the latitude dialog takes it: whole degrees, whole
// minutes and a hemisphere, with the check that refuses impossible values;
// and beside it the longitude, when one is given.

namespace vantorel {

struct LatitudeEntry {
    long long degrees = 0;
    long long minutes = 0;
    bool south = false;
    // Empty: the time zone stands in for the longitude.
    std::optional<LongitudeEntry> longitude;
    bool operator==(const LatitudeEntry&) const = default;
};

enum class LatitudeCheck { Valid, BadDegrees, BadMinutes, BadLongitudeDegrees, BadLongitudeMinutes };

// Degrees 0..90, minutes 0..59, and nothing past 90° 0'. The entries are read
// as unsigned numbers, so a negative value is out of range too.
LatitudeCheck checkLatitude(long long degrees, long long minutes);
// The latitude first, then the longitude when one is given.
LatitudeCheck checkSite(const LatitudeEntry& entry);
// The message of a refused entry; empty for a valid one.
TextTriple latitudeMessage(LatitudeCheck check);

// What the dialog shows for a latitude: magnitudes and the hemisphere. The
// minutes are rounded, so a value entered as 12° 20' shows 12° 20' again
// although its single-precision degrees fall a hair short of 12 + 20/60.
LatitudeEntry latitudeEntryOf(float latitude);
// The same with the longitude of the settings.
LatitudeEntry siteEntryOf(const Settings& s);

// True when the site moved to the other hemisphere: from south or the equator
// to north, or from north to south.
bool crossesHemisphere(float oldLatitude, float newLatitude);

// Stores a checked entry: the latitude in `s`, the two keys in the settings
// file, and the hemisphere flag; then the longitude (applyLongitude). False
// when the file could not be written.
bool applyLatitude(Settings& s, const LatitudeEntry& entry);

namespace longlat {
constexpr TextTriple kCaption{"Latitude", "Latitude", "Latitud"};
constexpr TextTriple kNorth{"North", "Nord", "Norte"};
constexpr TextTriple kSouth{"South", "Sud", "Sur"};
}  // namespace longlat

}  // namespace vantorel
