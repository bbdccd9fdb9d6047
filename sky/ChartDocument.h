#pragma once

#include "common/settings/Settings.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "planets/PlanetDocument.h"
#include "sky/PlanetSet.h"

// What the sky chart's and the heliocentric view's documents share: their
// own date, the Earth/Sun and the eight planets, the ways a date reaches
// them, and the date and time panes of the status bar.

namespace vantorel {

class Clock;

class ChartDocument {
public:
    // `settings` is the application's and outlives the document.
    explicit ChartDocument(const Settings& settings) : settings_(settings) {}
    virtual ~ChartDocument() = default;
    ChartDocument(const ChartDocument&) = delete;
    ChartDocument& operator=(const ChartDocument&) = delete;

    // A new window's date: the common date while one is in force, else the
    // clock; then the computation.
    void newDocument(const Clock& clock);
    // Sets the local date and clock time (no validation) and computes.
    void setDate(int year, int month, int day, int hour, int minute);
    // The date message: the common date, computed.
    void takeCommonDate();
    // The zone from the settings, date, nutation, Sun and Earth, the planets;
    // the documents add what they need after.
    virtual void compute();

    // The date and time panes; the others blank.
    StatusTexts statusTexts() const;
    const Settings& settings() const { return settings_; }

    DateTime dateTime;
    EarthSun earthSun;
    PlanetSet planets;

private:
    const Settings& settings_;
};

}  // namespace vantorel
