#pragma once

#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "satellites/GalileanPhenomenaSearch.h"

// The two phenomena files: the compact yearly file "j%d.sat" that the day
// search reads instead of computing, and the readable listing over a period.
// Nothing here prints: failures come back as a message in the active language.

namespace vantorel {

struct FileResult {
    bool ok = false;
    bool cancelled = false;  // stopped on request; no file was left behind
    std::string message;     // empty when ok or cancelled
    long rows = 0;           // rows written
    std::string path;        // the file written, absolute, when ok
};

// Set from another thread to stop a generation; read once per computed minute.
using GenerationCancel = std::atomic<bool>;

// Told the day (0 = the first day of the period) and the hour of the minute a
// generation has reached, whenever either changes: the generator's two
// progress bars.
using GenerationProgress = std::function<void(long dayIndex, int hour)>;

// "j%d.sat" of a year.
std::string yearlyFileName(int year);

// Writes the yearly file of `year` into the working directory: UT, from
// 0 h on 31 December of the year before to 14:00 on 1 January of the year
// after, so that every zone's 1 January and 31 December are whole. The file is
// written under a temporary name, flushed, made read-only and renamed into
// place. A whole yearly file of that year already there is never replaced;
// a damaged one (empty after a crash, cut short, not a yearly file) is.
FileResult generateYearlyFile(int year, GalileanMoons& sat, JupiterPlaceSource& source,
                              SearchMode mode, int language,
                              const GenerationProgress& progress = {},
                              const GenerationCancel* cancel = nullptr);

// One row of a yearly file, its day number made whole again.
struct YearlyRow {
    long day = 0;  // Julian Day number of 0 h UT, less one half
    int hour = 0, minute = 0, satellite = 0, code = 0;
};

// The rows of a yearly file of `year`, or nothing when the bytes are not a
// whole one: every line eleven digits with fields in range, in time order,
// from 1 January or before to 31 December or after with no day-long gap.
std::optional<std::vector<YearlyRow>> parseYearlyFile(std::string_view bytes, int year);

// Reads the rows of one local day (contacts from 00:01 to 23:59 local time)
// from a yearly file, each row's universal time shown with the offset in
// force then. Returns false when the file is missing or is not a whole
// yearly file of the day's year (a regular file, at most 1 MiB, that
// parseYearlyFile accepts): the day is then computed instead.
bool readYearlyFileDay(const std::string& path, const LocalMinute& day, const TimeZone& zone,
                       bool frenchCodes, PhenomenonRows& rows);

// The list window's rows of a local day: read from the yearly file of the
// local year in the working directory when there is one, else computed.
// Returns true when the rows came from the file.
bool findDayPhenomena(const LocalMinute& day, const TimeZone& zone, GalileanMoons& sat,
                      JupiterPlaceSource& source, SearchMode mode);

enum class PeriodUnit { Day = 0, Month = 1, Year = 2 };

struct TextFileRequest {
    std::string path = "JupSat.txt";
    int year = 0, month = 0, day = 0;
    PeriodUnit unit = PeriodUnit::Day;
    int count = 1;
    TimeZone zone;  // the listing's local times, the offset in force at each row
    int language = 0;
    // Whether a file already at `path` may be replaced.
    bool replaceExisting = true;
};

// Checks the start date and the count against the unit's limit; empty when
// the request may run, else the message to show.
std::string validateTextFileRequest(const TextFileRequest& request);
// Days a request covers and the day it starts on (a month unit starts on the
// first of the month, a year unit on 1 January).
int requestDays(const TextFileRequest& request, LocalMinute& firstDay);

// The Red Spot transit times of a local day, three slots "%02.0f: %02.0f" or
// blanks.
using RedSpotTimes = std::function<std::array<std::string, 3>(const LocalMinute& day)>;

// Writes the readable listing: the legend, a header at each month, a line per
// phenomenon with the Red Spot times after the first line of each day, and a
// closing line. The listing is written beside the target under a temporary
// name and renamed over it only when complete, so a failure, a cancel or a
// kill never leaves half a listing or spoils the file it replaces.
FileResult generateTextFile(const TextFileRequest& request, GalileanMoons& sat,
                            JupiterPlaceSource& source, SearchMode mode,
                            const RedSpotTimes& redSpot, const GenerationProgress& progress = {},
                            const GenerationCancel* cancel = nullptr);

// Month names of the month headers, 1..12.
const char* monthName(int month, int language);

}  // namespace vantorel
