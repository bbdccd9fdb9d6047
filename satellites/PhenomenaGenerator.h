#pragma once

#include <string>

#include "satellites/PhenomenaFiles.h"

// One run of the phenomena generator as its window asks for it: the readable
// listing over a period, or the yearly file of the start's year. Everything
// it computes with (the planet, the Earth and Sun, the Red Spot search) is
// its own, so a run may go on in a thread of its own while the windows carry
// on with theirs.

namespace vantorel {

struct GeneratorRequest {
    TextFileRequest text;     // start date, file name, unit, count, zone, language
    bool yearlyFile = false;  // the yearly file of text.year instead of the listing
    int redSpotLongitude = 0; // for the Red Spot times of the listing, 0..359
    SearchMode mode = SearchMode::Fast;
};

// The message refusing the request (start date, then the count against its
// unit's limit), empty when it may run. The yearly file takes a year of one
// unit whatever the unit and count say.
std::string validateGeneratorRequest(const GeneratorRequest& request);

// The days the period bar counts: the listing's days, or for the yearly file
// 31 December before the year and the year itself.
int generatorDays(const GeneratorRequest& request);

// The file a request writes: its listing's name or "j%d.sat".
std::string generatorFileName(const GeneratorRequest& request);

// The local days a request's listing covers, the first and the last: a month
// unit starts on the first of the start's month and a year unit on 1 January
// of its year, whatever the start's day; the yearly file covers its year (in
// universal time). Meaningful only for a request validateGeneratorRequest
// accepts.
struct GeneratorPeriod {
    LocalMinute first, last;
};
GeneratorPeriod generatorPeriod(const GeneratorRequest& request);

// Whether a listing request would replace a file already at its path (the
// yearly file is never replaced: it refuses instead).
bool generatorReplacesAFile(const GeneratorRequest& request);

// Runs the request; `progress` hears the day (0 .. generatorDays) and hour
// reached, `cancel` stops it with no file left behind.
FileResult runGenerator(const GeneratorRequest& request, const GenerationProgress& progress = {},
                        const GenerationCancel* cancel = nullptr);

}  // namespace vantorel
