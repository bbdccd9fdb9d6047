#pragma once

#include <cmath>
#include <optional>
#include <vector>

#include "engine/TimeZone.h"
#include "satellites/GalileanPhenomenaSearch.h"
#include "tonight/AltitudeCurve.h"

// The plan of one night at the eyepiece: from the local noon of the date the
// night begins on to the next local noon, the Sun's set, rise and twilights,
// the Moon and each planet from Mercury to Neptune (when each is up, when it
// is high enough in a dark enough sky, its best moment and its figures then),
// Jupiter's satellite phenomena and Red Spot transits between the ends of
// civil twilight, the Lunar X, and the phases, planetary phenomena and Mars
// seasons within three days. Instants are universal Julian days; each event
// also carries its local date and clock time.
//
// The events that other parts of the program find (satellite phenomena, Red
// Spot, Lunar X, phases, conjunctions, Mars seasons) come from their own
// searches, run for the night's days with the zone's offset of that night,
// so they are to the minute what those lists show.

namespace vantorel {

enum class NightBody : int { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune };
constexpr int kNightBodyCount = 9;
constexpr int kNightPlanetCount = 7;

// The levels of the plan, degrees.
constexpr double kSunRiseLevel = -0.8333;      // refraction and semi-diameter
constexpr double kBodyRiseLevel = -0.5667;     // refraction: a planet's centre, the Moon's limb
constexpr double kCivilLevel = -6.0;
constexpr double kNauticalLevel = -12.0;
constexpr double kAstronomicalLevel = -18.0;
constexpr double kObservableLevel = 15.0;      // a planet worth the telescope
constexpr double kDarkEnoughLevel = kCivilLevel;  // the Sun below it
constexpr double kJupiterEventLevel = 10.0;    // Jupiter's altitude for its events
constexpr double kNearbyDays = 3.0;            // phases, phenomena, seasons either side

struct NightSite {
    double latitudeDeg = 0;
    // The site's longitude (east positive); without it the centre of the
    // zone's standard offset stands in, as everywhere in the program.
    std::optional<double> longitudeDeg;
    TimeZone zone;
};

struct NightRequest {
    // The local date the night begins on.
    int year = 2024, month = 1, day = 1;
    NightSite site;
    int redSpotLongitude = 80;  // System II, 0..359
    // The planets' rows and the events within three days; the calendar,
    // which gathers those once for its whole period, leaves them out.
    bool planets = true;
    bool nearbyEvents = true;
};

enum class NightEventKind : int {
    Sunset,
    CivilDusk,
    NauticalDusk,
    AstronomicalDusk,
    AstronomicalDawn,
    NauticalDawn,
    CivilDawn,
    Sunrise,
    Rise,
    Transit,
    Set,
    SatellitePhenomenon,  // code: PhenomenonCode 1..8, satellite 1..4
    RedSpotTransit,
    LunarX,
    MoonPhase,            // code: MoonPhaseKind 0..3
    PlanetPhenomenon,     // code: PhenomenonKind of the conjunction search
    MarsSeason,           // code: the season angle's boundary 90, 180, 270, 360
};

struct NightEvent {
    NightEventKind kind = NightEventKind::Rise;
    NightBody body = NightBody::Sun;
    double jd = 0;          // universal time
    LocalMinute local;      // in the zone at that instant
    int code = 0;
    int satellite = 0;
    // Jupiter's events: Jupiter at least 10 degrees up then. The Lunar X:
    // the Moon up in a sky dark enough.
    bool observable = true;
    double altitudeDeg = std::nan("");  // the body's, where the event depends on it
    double valueDeg = std::nan("");     // a greatest elongation
    // The planetary phenomena are listed to the rounded hour.
    bool hourOnly = false;
};

// Why a planet cannot be watched tonight.
enum class Visibility : int {
    Observable,
    NoDarkSky,        // the Sun never gets 6 degrees below the horizon
    NotUpInDarkSky,   // below the horizon whenever the sky is dark
    TooLowInDarkSky,  // up in a dark sky, but never 15 degrees high then
};

struct BodyNight {
    NightBody body = NightBody::Sun;
    // Within the plan's day (noon to noon): the rise, transit and set nearest
    // the middle of the night, when they happen.
    std::optional<double> rise, transit, set;
    double transitAltitudeDeg = std::nan("");
    bool alwaysUp = false;   // above the horizon the whole day
    bool neverUp = false;    // below it the whole day
    std::vector<TimeInterval> up;
    std::vector<TimeInterval> observable;  // above 15 degrees with the Sun below -6
    Visibility visibility = Visibility::NotUpInDarkSky;
    std::optional<Culmination> best;       // the highest point of the observable time
    // The figures at the best moment, else at the middle of the night.
    double figuresJd = 0;
    double magnitude = 0;
    double diameterArcsec = 0;
    double illuminatedFraction = 0;
    double elongationDeg = 0;              // from the Sun
    std::optional<double> centralLongitudeDeg;  // Mars
    std::optional<double> system1Deg, system2Deg;  // Jupiter
};

// The eight names the Moon's phase is given by.
enum MoonPhaseName : int {
    kNewMoonName,
    kWaxingCrescent,
    kFirstQuarterName,
    kWaxingGibbous,
    kFullMoonName,
    kWaningGibbous,
    kLastQuarterName,
    kWaningCrescent,
};

struct MoonNight {
    BodyNight track;
    // The figures at the end of civil twilight (else at sunset, else at the
    // middle of the night).
    double figuresJd = 0;
    int phaseName = kNewMoonName;
    double illuminatedFraction = 0;
    double ageDays = 0;       // since the last new moon
    double colongitudeDeg = 0;
};

struct SunNight {
    std::optional<double> set, civilDusk, nauticalDusk, astronomicalDusk;
    std::optional<double> astronomicalDawn, nauticalDawn, civilDawn, rise;
    Culmination lowest;   // the Sun's lowest point of the day (its altitude negated back)
    double highestDeg = 0;
    std::vector<TimeInterval> darkSky;  // the Sun below -6 degrees
};

struct NightPlan {
    NightRequest request;
    double dayBegin = 0, dayEnd = 0;  // local noon to local noon
    // What the timeline shows: an hour either side of sunset and sunrise, or
    // sixteen hours around the Sun's lowest point when it does not set or
    // does not rise.
    double spanBegin = 0, spanEnd = 0;
    double middle = 0;                // the middle of the night
    int searchOffsetMinutes = 0;      // the zone's offset the day searches ran with
    double siteLongitudeDeg = 0;      // the longitude used

    SunNight sun;
    MoonNight moon;
    std::vector<BodyNight> planets;   // Mercury to Neptune (empty when left out)
    // Sun, Moon and planets: set, twilights, rise, transit, in time order.
    std::vector<NightEvent> skyEvents;
    // Jupiter's satellite phenomena and Red Spot transits from the end of
    // civil twilight to its start in the morning, in time order; empty when
    // the sky does not get that dark.
    std::vector<NightEvent> jupiterEvents;
    // The Lunar X when it falls in the night's dark sky with the Moon up.
    std::vector<NightEvent> lunarX;
    // Principal phases, planetary phenomena and Mars seasons within three days.
    std::vector<NightEvent> nearby;
};

// English keys for files and the command line: "sun", "civil_dusk".
const char* nightBodyKey(NightBody body);
const char* nightEventKey(NightEventKind kind);

// The dark part of the night Jupiter's events are looked for in.
std::optional<TimeInterval> jupiterEventWindow(const NightPlan& plan);

class JupiterDayEvents;
// `days`, when given, keeps the Jupiter days searched for the next night.
NightPlan computeNightPlan(const NightRequest& request, JupiterDayEvents* days = nullptr);

}  // namespace vantorel
