#pragma once

#include <optional>

#include "common/settings/Settings.h"
#include "common/text/BodyDataRecord.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "moon/MoonTheory.h"
#include "planets/PlanetDocument.h"

// The Moon document: the window's own instant, its Sun and its Moon, the
// flags that tell the view what to refresh, and the Lunar X search.

namespace vantorel {

class Clock;

// Texts of the Lunar X list window.
inline constexpr TextTriple kLunarXListTitle{"Lunar X Times", "Le X lunaire", "La X lunar"};
inline constexpr TextTriple kLunarXListHeading{"Date             Time", "Date            Heure",
                                               "Fecha            Hora"};

class MoonDocument {
  public:
    // Minutes searched after 00:00 of the day before each first quarter; the
    // Lunar X falls up to about 2.4 days after that start.
    static constexpr int kLunarXSearchMinutes = 3 * 24 * 60;

    // `settings` is the application's and outlives the document.
    explicit MoonDocument(const Settings& settings);

    // A new window's date: the common date when it is in use, else the clock
    // (seconds dropped); then the full computation.
    void newDocument(const Clock& clock);
    // Sets the local date and clock time (no validation) and computes.
    void setDate(int year, int month, int day, int hour, int minute);
    // Reset of the first-quarter records and Lunar X lines, the zone from the
    // settings, the date, nutation, Sun and Moon, the illuminated fraction.
    void computeFull();
    // Keys and window messages: flags both lists, computes, flags the panel
    // when active.
    void updateStep();
    // The date dialog's OK: validates date then time (codes of DateTime); on a
    // refusal the previous date stays. A change of month or year flags both
    // lists; any change computes and flags the panel.
    int applyDate(int day, int month, int year, int hour, int minute);

    // Fills the Moon's Lunar X lines for every first quarter from the
    // document's month to the end of its year. `minuteByMinute` runs the
    // plain minute steps; otherwise whole hours are stepped until the
    // colongitude nears the window and the minutes are walked from there,
    // which finds the same minute. Returns the number of first quarters whose
    // search reached `boundMinutes` without finding the Lunar X.
    int searchLunarX(bool minuteByMinute = false, int boundMinutes = kLunarXSearchMinutes);
    // The Lunar X of one first quarter (a record of moon.firstQuarters), by
    // the same search: its local minute, or nothing when the search's bound
    // passed first. The document keeps its instant; the list's slots are
    // used as scratch.
    std::optional<CalendarTime> searchLunarXOfQuarter(const MoonPhaseRecord& quarter);

    // The data dialog's texts and the comparative-diameter gauge.
    BodyDataRecord panel() const;
    // The status bar: date and time, and the Moon's rise, transit, set and
    // altitude as the planets show theirs.
    StatusTexts statusTexts() const;
    // "%s -- %s     ": the Moon's window title and the date.
    std::string windowTitleText() const;

    DateTime dateTime;
    EarthSun earthSun;
    MoonTheory moon;
    // The record of the rise, transit and set of the local date and the
    // altitude at the instant, computed beside the window's own record so
    // that the Moon's figures and phase lists stay those of the instant.
    DateTime events;
    bool imageDirty = false;
    bool panelDirty = false;
    bool phasesRefresh = false;
    bool lunarXRefresh = false;
    bool active = false;
    int projection = 0;
    int lunarXCount = 0;  // 2 + the Lunar X moments found by the last search

  private:
    // Date, nutation, the Sun and computeMoon for the record's instant.
    void computeInstant(bool searchMode);
    void computeEvents();
    // Steps minutes from the record's instant; true when a step met the
    // Lunar X condition. `armed` records the line; otherwise only the
    // colongitude is followed.
    bool stepToLunarX(int firstMinute, int lastMinute, int& minute);
    int searchFirstQuarter(bool minuteByMinute, int boundMinutes);
    // From 00:00 of the day before the quarter's.
    bool searchQuarter(const MoonPhaseRecord& quarter, bool minuteByMinute, int boundMinutes);
    // Back to the saved local instant, computed as before the search.
    void restoreInstant(const DateTime& saved);
    void addMinutes(int minutes);

    const Settings& settings_;
};

}  // namespace vantorel
