#pragma once

#include <functional>

#include "engine/TimeZone.h"
#include "satellites/GalileanMoons.h"
#include "satellites/JupiterPlaceSource.h"

// Steps the satellite theory minute by minute over a span of local time and
// lets the phenomenon detector find its rows. The fast mode computes only the
// minutes at which a contact can happen: from each computed minute it skips
// as many minutes as no satellite or shadow can need to reach the edge of the
// disc, given the fastest the satellite can move. Every minute it does compute
// is computed in full (Jupiter's place included), and the skipped minutes
// provably lie on the same side of the disc edge as the last computed one, so
// its rows are exactly those of the exhaustive mode that computes every minute.

namespace vantorel {

class DateTime;

struct LocalMinute {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};

// The civil date and time `minutes` after (or before) 00:00 of the given day.
LocalMinute addMinutes(int year, int month, int day, long minutes);
// Whole days between two civil dates (b - a).
long daysBetween(int ya, int ma, int da, int yb, int mb, int db);

enum class SearchMode { Fast, Exhaustive };

// A zone as the date record stores it, in whole minutes east of Greenwich.
long zoneInMinutes(int zoneHours, int zoneMinutes);
// The same as a zone.
TimeZone zoneOfFields(int zoneHours, int zoneMinutes);
// Minutes of universal time from 00:00 of a local day to 00:00 `days` days
// later: 1440 a day, less or more on the days summer time starts or ends.
long localSpanMinutes(const TimeZone& zone, const LocalMinute& day, long days = 1);

// The detector's label for a day search row: "%02.0f     %02.0f   %02.0f".
void formatDayLabel(char* out, int size, const LocalMinute& m);
// The label of the readable file: "%02.0f   %02.0f:%02.0f".
void formatFileLabel(char* out, int size, const LocalMinute& m);

class GalileanPhenomenaSearch {
public:
    GalileanPhenomenaSearch(GalileanMoons& satellites, JupiterPlaceSource& source, SearchMode mode)
        : sat_(satellites), source_(source), mode_(mode) {}

    // Called after each computed minute with its local time; the detector's
    // rows of that minute are in the satellites' row list.
    using StepSink = std::function<void(const LocalMinute&)>;
    using LabelFormat = void (*)(char*, int, const LocalMinute&);

    // Minutes `firstMinute` .. `firstMinute + count - 1` of universal time
    // from 00:00 of the local day in `zone` (negative values fall before it).
    // Each minute is labelled with its local time, the offset in force then
    // (on the night summer time starts or ends the clock jumps or repeats
    // an hour). Rows are recorded from `recordFrom` on.
    // Each instant is computed from its universal date and time, so that an
    // instant gives the same result in every zone (delta T goes by the year,
    // which differs between zones around the new year).
    void run(const LocalMinute& day, const TimeZone& zone, long firstMinute, long count,
             long recordFrom, LabelFormat label, const StepSink& sink);

    // The rows of one local day, computed: contacts first seen from 00:01 to
    // 23:59. The detector starts an hour before the day.
    void findDay(const LocalMinute& day, const TimeZone& zone);

    // Minutes computed by the last run.
    long evaluations() const { return evaluations_; }
    // Ends the run in progress after the current minute (called from a sink).
    void stop() { stopped_ = true; }
    bool stopped() const { return stopped_; }

    // How many minutes from now on cannot hold a contact, at least 1.
    static long safeSkip(const GalileanMoons& sat);

private:
    GalileanMoons& sat_;
    JupiterPlaceSource& source_;
    SearchMode mode_;
    long evaluations_ = 0;
    bool stopped_ = false;
};

}  // namespace vantorel
