#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "tonight/IcsCalendar.h"
#include "tonight/NightPlan.h"

// The nights' events in the observer's calendar: over a number of nights
// from a first one, every satellite phenomenon and Red Spot transit of
// Jupiter observable from the site, every Lunar X visible from it, and the
// Moon's phases, the conjunctions, oppositions and greatest elongations and
// the beginnings of the Mars seasons of the period; each an event of an
// iCalendar file at its universal instant, the body and the site in its text.

namespace vantorel {

constexpr int kMaxCalendarNights = 366;

struct CalendarRequest {
    NightRequest first;  // the first night; its planets and nearby flags are not used
    int nights = 1;
    int language = 0;
    int dateFormat = 0;
};

// Told the nights done so far.
using CalendarProgress = std::function<void(int nightsDone, int nights)>;

// Empty when the request may run, else the message in its language: the
// nights from 1 to 366 and the last night within the program's years.
std::string validateCalendarRequest(const CalendarRequest& request);

// The events, in time order. Stops early (and gives what it has) when
// `cancel` becomes true.
std::vector<NightEvent> calendarEvents(const CalendarRequest& request,
                                       const CalendarProgress& progress = {},
                                       const std::atomic<bool>* cancel = nullptr);
// One entry per event, its texts in the request's language.
std::vector<CalendarEntry> calendarEntries(const CalendarRequest& request,
                                           const std::vector<NightEvent>& events);

struct CalendarWrite {
    bool ok = false;
    bool cancelled = false;
    bool existed = false;  // a file was there and was not to be replaced
    std::string message;   // in the request's language, when not ok
    int events = 0;
};

// Computes the events, makes the file and writes it atomically at `path`
// (links followed, a temporary file flushed and renamed over the target).
// An existing file is replaced only with `replaceExisting`.
CalendarWrite writeNightCalendar(const CalendarRequest& request, const std::string& path,
                                 double stampJdUt, bool replaceExisting,
                                 const CalendarProgress& progress = {},
                                 const std::atomic<bool>* cancel = nullptr);

}  // namespace vantorel
