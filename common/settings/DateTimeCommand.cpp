#include "common/settings/DateTimeCommand.h"

namespace vantorel {

namespace {

void writeEntry(DateTime& dt, const DateEntry& e) {
    dt.localDay = e.day;
    dt.localMonth = e.month;
    dt.localYear = e.year;
    dt.localHour = e.hour;
    dt.localMinute = e.minute;
}

bool sameInstant(const DateEntry& a, const DateEntry& b) {
    return a.day == b.day && a.month == b.month && a.year == b.year && a.hour == b.hour &&
           a.minute == b.minute;
}

}  // namespace

DateEntry dateEntryOf(const DateTime& dt, bool allWindows) {
    return {static_cast<int>(dt.localDay),  static_cast<int>(dt.localMonth),
            static_cast<int>(dt.localYear), static_cast<int>(dt.localHour),
            static_cast<int>(dt.localMinute), allWindows};
}

void setCommonDate(Settings& settings, const DateTime& from) {
    writeEntry(settings.commonDate, dateEntryOf(from, false));
}

void takeCommonDate(DateTime& dt, const Settings& settings) {
    writeEntry(dt, dateEntryOf(settings.commonDate, false));
}

void setInitialDate(DateTime& dt, const Settings& settings, const Clock& clock) {
    if (settings.useCommonDate)
        takeCommonDate(dt, settings);
    else
        setFromClock(dt, clock);
}

DateCommandResult runDateTimeCommand(DateTime& dt, Settings& settings, DateEntryHost& host,
                                     bool allWindowsOffered) {
    const DateEntry saved = dateEntryOf(dt, false);
    DateCommandResult result;
    int lastError = 0;
    for (;;) {
        // The box always opens unticked: sharing a date is one act, and a box
        // left ticked would silently push every later change of any window
        // onto all the others.
        DateEntry shown = saved;
        shown.allWindows = false;
        const std::optional<DateEntry> entry = host.askDate(shown, allWindowsOffered, lastError);
        if (!entry) return result;

        writeEntry(dt, *entry);
        int code = dt.validateDate();
        if (code == kDateValid) code = dt.validateTime();
        const bool valid = code == kDateValid;
        if (!valid) {
            host.reportDateError(code);
            writeEntry(dt, saved);
            dt.setFebruaryLength();
            lastError = code;
        } else if (!sameInstant(*entry, saved)) {
            result.changed = true;
            host.dateChanged();
        }

        // The common date follows the box whether the entry was taken or
        // refused; a dialog without the choice leaves it alone.
        if (allWindowsOffered) {
            if (entry->allWindows) {
                setCommonDate(settings, dt);
                settings.useCommonDate = true;
                host.applyDateToAllWindows();
            } else {
                settings.useCommonDate = false;
            }
        }
        if (valid) {
            result.confirmed = true;
            return result;
        }
    }
}

}  // namespace vantorel
