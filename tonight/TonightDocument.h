#pragma once

#include "common/settings/Settings.h"
#include "engine/DateTime.h"
#include "tonight/NightPlan.h"

// The Tonight window's document: its own date and clock time, the site and
// zone of the settings, and the plan of the night they point at.

namespace vantorel {

class Clock;

// The site the settings describe: latitude, the longitude when one was given
// and the zone. The one place the window's zone is read; a named zone takes
// the place of the fixed offset here.
NightSite nightSiteOf(const Settings& settings);

class TonightDocument {
public:
    // `settings` is the application's and outlives the document.
    explicit TonightDocument(const Settings& settings);

    // A new window's date: the common date when it is in use, else the clock.
    void newDocument(const Clock& clock);
    void setDate(int year, int month, int day, int hour, int minute);
    // The plan again for the record's date and the settings as they are now.
    void compute();

    // The local date the night begins on: the record's date, or the day
    // before when its clock reads before noon (the small hours belong to the
    // night that began the evening before).
    LocalMinute nightDate() const;
    NightRequest request() const;
    const NightPlan& plan() const { return plan_; }

    DateTime dateTime;

private:
    const Settings& settings_;
    NightPlan plan_;
};

}  // namespace vantorel
