#pragma once

#include <array>
#include <string>

// The times at which the Great Red Spot crosses the central meridian during
// one local day: the first minute at which the whole degrees of System II
// equal the spot's longitude.

namespace vantorel {

class DateTime;
class EarthSun;
class Jupiter;

// Qt spells one of its keywords `slots` as a macro; the windows include this
// header after Qt's, so the member's name is kept out of its reach.
#pragma push_macro("slots")
#undef slots
struct RedSpotTransits {
    std::array<std::string, 3> slots;  // "%02.0f: %02.0f", empty when unused
    int count = 0;
    int hour[3] = {-1, -1, -1};
    int minute[3] = {-1, -1, -1};
    long computations = 0;  // instants computed by the search
};
#pragma pop_macro("slots")

// System II turns about 36.29 degrees an hour.
constexpr double kSystem2DegreesPerHour = 36.29;
// After a transit the spot is not back for 9 h 55 min; the search jumps 9 h 45 min.
constexpr int kRedSpotJumpMinutes = 9 * 60 + 45;

// Searches the local day of `dt` (its date, in its zone) for transits of the
// longitude `redSpotLongitude` (System II, 0..359). Counts the elapsed time
// from 00:00 including the jumps and stops at the end of the day, so at most
// three transits are found. In a named zone each transit's time is that of
// the clock then, so on the night summer time starts or ends the times
// before and after the change differ by the hour. `dt`, the Earth/Sun and
// the planet are left at the record's own instant.
RedSpotTransits findRedSpotTransits(DateTime& dt, EarthSun& earthSun, Jupiter& jupiter,
                                    int redSpotLongitude);

}  // namespace vantorel
