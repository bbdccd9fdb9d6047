#pragma once

#include "engine/TimeZone.h"
#include "satellites/GalileanPhenomenaSearch.h"

// The one place the night plan turns universal instants into the observer's
// clock and back. Everything goes through the zone, so a named zone with
// summer time gives each instant the offset in force at that instant.

namespace vantorel {

// The local date and clock time of an instant, to the nearest minute.
LocalMinute localClock(double jdUt, const TimeZone& zone);
// The instant of a local clock reading.
double universalJd(const LocalMinute& local, const TimeZone& zone);
// The local reading `minutes` later (or earlier).
LocalMinute shiftClock(const LocalMinute& local, long minutes);
// Whole days from local date a to local date b.
long daysApart(const LocalMinute& a, const LocalMinute& b);

// An offset in minutes east as the date record stores a zone: signed hours
// and minutes 0..59, a zone less than an hour west as 50 and its minutes.
void recordZone(int offsetMinutes, int& zoneHours, int& zoneMinutes);

}  // namespace vantorel
