#pragma once

#include <array>
#include <string>

#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/Jupiter.h"
#include "engine/Mars.h"
#include "engine/Mercury.h"
#include "engine/Neptune.h"
#include "engine/Pluto.h"
#include "engine/Saturn.h"
#include "engine/Uranus.h"
#include "engine/Venus.h"
#include "moon/MoonTheory.h"

// The all-planets table: the Sun, the Moon and the eight planets computed
// together for one date and clock time, with each planet's rise, transit and
// set and the day's transits of Jupiter's Great Red Spot. The table keeps its
// own date: it takes the clock when it opens and changes only by its own
// Date - Time command.

namespace vantorel {

class Clock;
struct Settings;

class DataTableDocument {
public:
    // The planets in the table's order.
    enum BodyRow : int { kMercury, kVenus, kMars, kJupiter, kSaturn, kUranus, kNeptune, kPluto };
    static constexpr int kPlanetCount = 8;
    static constexpr int kEventSlots = 30;

    DataTableDocument(const DateTime& blank, const Settings& settings);
    DataTableDocument(const DataTableDocument&) = delete;
    DataTableDocument& operator=(const DataTableDocument&) = delete;

    // A new table: the computer's local date and clock time, then the table.
    void initialise(const Clock& clock);
    // The whole computation for the record's local date and clock time, in the
    // settings' zone and latitude.
    void computeTable();

    const Planet& planet(int index) const;
    // Rise (0), transit (1) and set (2) of a planet as the table prints them:
    // the local clock time "%02d: %02d" only, whatever the day it falls on;
    // "--: --" for the rise and set of a day without them.
    const std::string& eventText(int planetIndex, int event) const;
    // The day's transits of the Red Spot, "%02.0f: %02.0f", empty when fewer.
    const std::array<std::string, 3>& redSpotTimes() const { return redSpotTimes_; }
    // How many times the table was computed.
    int computeCount() const { return computeCount_; }

    DateTime dt;
    EarthSun earthSun;
    Mars mars;
    Jupiter jupiter;
    Mercury mercury;
    Venus venus;
    Saturn saturn;
    Uranus uranus;
    Neptune neptune;
    Pluto pluto;
    MoonTheory moon;

private:
    Planet& planetAt(int index);

    const Settings& settings_;
    // Rise, transit and set of each body, three slots a body; the planets use
    // the first 24.
    std::array<std::string, kEventSlots> events_;
    std::array<std::string, 3> redSpotTimes_;
    int computeCount_ = 0;
};

}  // namespace vantorel
