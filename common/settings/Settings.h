#pragma once

#include <optional>
#include <string>

#include "common/text/LanguageText.h"
#include "engine/DateTime.h"

// The values the application object holds while the program runs. Plain data:
// the application owns one and passes it to whatever needs it, so documents and
// searches run in tests without an application.

namespace vantorel {

constexpr int kNotSet = 99;

struct Settings {
    // As read from the file; only the first-start test consults them.
    int latituded = kNotSet;
    int latitudem = kNotSet;
    float latitude = 0.0f;  // degrees, north positive
    int redSpotLongitude = 80;
    int projection = 0;
    int language = kNotSet;
    int languageOffset = 0;
    int zoneHours = 0;
    int zoneMinutes = 0;
    int dateFormat = kNotSet;
    int displayWarning = 0;
    // The site's longitude, degrees east of Greenwich, when the user gave one
    // (keys Longituded and Longitudem); without it the time zone stands in.
    std::optional<double> longitude;
    // The key ZoneName as read (an IANA name such as "Europe/Paris"), kept
    // even when this computer does not know it; empty without one.
    std::string zoneName;
    // That zone when the system's tz database has it: its offset in force
    // converts clock times, summer time included. Without it
    // zoneHours/zoneMinutes are the zone.
    std::optional<TimeZone> namedZone;

    bool hemisphereChanged = false;
    bool useCommonDate = false;
    DateTime commonDate;
    bool splashPending = false;
    // A settings write that did not reach the file, and whether the user was
    // told (once per run).
    bool settingsNotSaved = false;
    bool notSavedNoticeShown = false;

    // Values made safe where they are used: a damaged file never indexes a
    // table out of range. 99 (not set) and anything else outside the range read
    // as English, format 0 and projection 0.
    int languageIndex() const { return (language >= 0 && language <= 2) ? language : 0; }
    int dateFormatIndex() const { return (dateFormat >= 0 && dateFormat <= 3) ? dateFormat : 0; }
    int projectionCode() const { return (projection >= 0 && projection <= 3) ? projection : 0; }
    void setLanguage(int index);
    // Gives a record the site as the computations take it: the zone and,
    // when one is set, the longitude.
    void placeSite(DateTime& dt) const {
        dt.zoneHours = zoneHours;
        dt.zoneMinutes = zoneMinutes;
        dt.namedZone = namedZone;
        dt.siteLongitude = longitude;
    }
    // The zone clock times convert with: the named one, else the fixed one.
    TimeZone timeZone() const;
    // A ZoneName this computer's tz database does not have.
    bool zoneNameUnknown() const { return !zoneName.empty() && !namedZone; }
};

// The zone offset (minutes east) as the keys FuseauH/FuseauM store it: signed
// hours and positive minutes; a western zone under one hour has hours 50.
struct StoredZone {
    int hours = 0;
    int minutes = 0;
};
StoredZone storedZoneOf(int offsetMinutes);
// The offset in minutes east of the stored pair (either encoding).
int offsetMinutesOfStoredZone(int hours, int minutes);

// Latitude in degrees from the two stored integers: the sign of the degrees
// applied to |degrees| + minutes / 60. A negative minutes value with zero
// degrees marks a southern latitude under one degree.
float latitudeFromKeys(int degrees, int minutes);

// Written in Longituded to mark a longitude given up for the time zone; any
// value outside -180..180 reads as not set.
constexpr int kLongitudeNotSet = 999;

// Longitude in degrees east from the two stored integers, written like the
// latitude's: the sign on the degrees, a negative minutes value with zero
// degrees for a site under one degree west. Nothing when a key is missing or
// out of range (degrees -180..180, minutes 0..59, nothing beyond 180° 0').
std::optional<double> longitudeFromKeys(std::optional<int> degrees, std::optional<int> minutes);

}  // namespace vantorel
