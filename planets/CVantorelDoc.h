#pragma once

#include <array>
#include <string>

#include "engine/DATE_TIME.h"
#include "engine/EARTH_SUN.h"
#include "engine/JUPITER.h"
#include "engine/MARS.h"
#include "engine/MERCURE.h"
#include "engine/NEPTUNE.h"
#include "engine/PLUTON.h"
#include "engine/SATURNE.h"
#include "engine/URANUS.h"
#include "engine/VENUS.h"
#include "moon/MoonTheory.h"

// The all-planets table: the Sun, the Moon and the eight planets computed
// together for one date and clock time, with each planet's rise, transit and
// set and the day's transits of Jupiter's Great Red Spot. The table keeps its
// own date: it takes the clock when it opens and changes only by its own
// Date - Time command.

namespace vantorel {

class Clock;
struct Settings;

class CVantorelDoc {
public:
    // The planets in the table's order.
    enum Planet : int { kMercury, kVenus, kMars, kJupiter, kSaturn, kUranus, kNeptune, kPluto };
    static constexpr int kPlanetCount = 8;
    static constexpr int kEventSlots = 30;

    CVantorelDoc(const DATE_TIME& blank, const Settings& settings);
    CVantorelDoc(const CVantorelDoc&) = delete;
    CVantorelDoc& operator=(const CVantorelDoc&) = delete;

    // A new table: the computer's local date and clock time, then the table.
    void initialise(const Clock& clock);
    // The whole computation for the record's local date and clock time, in the
    // settings' zone and latitude.
    void computeTable();

    const PLANETE& planet(int index) const;
    // Rise (0), transit (1) and set (2) of a planet as the table prints them:
    // the local clock time "%02d: %02d" only, whatever the day it falls on;
    // "--: --" for the rise and set of a day without them.
    const std::string& eventText(int planetIndex, int event) const;
    // The day's transits of the Red Spot, "%02.0f: %02.0f", empty when fewer.
    const std::array<std::string, 3>& redSpotTimes() const { return redSpotTimes_; }
    // How many times the table was computed.
    int computeCount() const { return computeCount_; }

    DATE_TIME dt;
    EARTH_SUN earthSun;
    MARS mars;
    JUPITER jupiter;
    MERCURE mercure;
    VENUS venus;
    SATURNE saturne;
    URANUS uranus;
    NEPTUNE neptune;
    PLUTON pluton;
    MoonTheory moon;

private:
    PLANETE& planetAt(int index);

    const Settings& settings_;
    // Rise, transit and set of each body, three slots a body; the planets use
    // the first 24.
    std::array<std::string, kEventSlots> events_;
    std::array<std::string, 3> redSpotTimes_;
    int computeCount_ = 0;
};

}  // namespace vantorel
