#pragma once

#include <array>
#include <functional>
#include <string>

#include "satellites/PhenomenaSearch.h"

// The two phenomena files: the compact yearly file "j%d.sat" that the day
// search reads instead of computing, and the readable listing over a period.
// Nothing here prints: failures come back as a message in the active language.

namespace vantorel {

struct FileResult {
    bool ok = false;
    std::string message;  // empty when ok
    long rows = 0;        // rows written
};

// Told the day (0 = the first day of the period) and the hour of the minute a
// generation has reached, whenever either changes: the generator's two
// progress bars.
using GenerationProgress = std::function<void(long dayIndex, int hour)>;

// "j%d.sat" of a year.
std::string yearlyFileName(int year);

// Writes the yearly file of `year` into the working directory: UT, from
// 0 h on 31 December of the year before to 14:00 on 1 January of the year
// after, so that every zone's 1 January and 31 December are whole. The file is
// written under a temporary name, renamed into place and made read-only; a
// file already there is never replaced.
FileResult generateYearlyFile(int year, SATELLITE& sat, JupiterPlaceSource& source,
                              SearchMode mode, int language,
                              const GenerationProgress& progress = {});

// Reads the rows of one local day (contacts from 00:01 to 23:59 local time)
// from a yearly file. Returns false when the file cannot be opened.
bool readYearlyFileDay(const std::string& path, const LocalMinute& day, int zoneHours,
                       int zoneMinutes, bool frenchCodes, PhenomenonRows& rows);

// The list window's rows of a local day: read from the yearly file of the
// local year in the working directory when there is one, else computed.
// Returns true when the rows came from the file.
bool findDayPhenomena(const LocalMinute& day, int zoneHours, int zoneMinutes, SATELLITE& sat,
                      JupiterPlaceSource& source, SearchMode mode);

enum class PeriodUnit { Day = 0, Month = 1, Year = 2 };

struct TextFileRequest {
    std::string path = "JupSat.txt";
    int year = 0, month = 0, day = 0;
    PeriodUnit unit = PeriodUnit::Day;
    int count = 1;
    int zoneHours = 0, zoneMinutes = 0;
    int language = 0;
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
// closing line.
FileResult generateTextFile(const TextFileRequest& request, SATELLITE& sat,
                            JupiterPlaceSource& source, SearchMode mode,
                            const RedSpotTimes& redSpot, const GenerationProgress& progress = {});

// Month names of the month headers, 1..12.
const char* monthName(int month, int language);

}  // namespace vantorel
