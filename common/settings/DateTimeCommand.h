#pragma once

#include <optional>

#include "common/settings/Settings.h"
#include "engine/Clock.h"
#include "engine/DateTime.h"

// The Date - Time command every window with a date carries: ask for a date and
// time, refuse an invalid one (its message, the previous date kept, the
// dialog again with the focus on the faulty field), and apply the date to all
// windows when asked.

namespace vantorel {

struct DateEntry {
    int day = 1;
    int month = 1;
    int year = 2000;
    int hour = 0;
    int minute = 0;
    bool allWindows = false;
    bool operator==(const DateEntry&) const = default;
};

// The local date and time of a record as the dialog shows them.
DateEntry dateEntryOf(const DateTime& dt, bool allWindows);

// What the command needs from the windows.
class DateEntryHost {
public:
    virtual ~DateEntryHost() = default;
    // Shows the dialog on `shown`. `lastError` is the code of the last refused
    // entry (0 at first): its field gets the focus. Nothing means Cancel.
    virtual std::optional<DateEntry> askDate(const DateEntry& shown, bool allWindowsOffered,
                                             int lastError) = 0;
    // The message of a refused entry, with its sound.
    virtual void reportDateError(int code) = 0;
    // The record took a new, valid date: recompute and redraw.
    virtual void dateChanged() {}
    // commonDate was set: every window takes it.
    virtual void applyDateToAllWindows() = 0;
};

struct DateCommandResult {
    bool confirmed = false;  // ended with a valid entry, not Cancel
    bool changed = false;    // the record's date or time differs from before
};

// Runs the command on `dt`. `allWindowsOffered` is false for windows that may
// not set the common date; their dialogs leave useCommonDate as it is.
DateCommandResult runDateTimeCommand(DateTime& dt, Settings& settings, DateEntryHost& host,
                                     bool allWindowsOffered);

// Copies the local date and clock time of `from` into the common date.
void setCommonDate(Settings& settings, const DateTime& from);
// Copies the common date's local date and clock time into `dt`.
void takeCommonDate(DateTime& dt, const Settings& settings);
// The first date of a new window: the common date while one is in force,
// else the clock.
void setInitialDate(DateTime& dt, const Settings& settings, const Clock& clock);

}  // namespace vantorel
