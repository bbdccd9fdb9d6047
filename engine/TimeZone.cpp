#include "engine/TimeZone.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>

#include <cctz/civil_time.h>

namespace vantorel {
namespace {

using Seconds = cctz::seconds;
using Instant = cctz::time_point<Seconds>;

constexpr double kUnixEpochJd = 2440587.5;
constexpr double kSecondsPerDay = 86400.0;
// Julian days of 0001-01-01 and 9999-12-31: far outside the program's years,
// well inside what the conversions can hold.
constexpr double kFirstJd = 1721425.5;
constexpr double kLastJd = 5373483.5;
constexpr int kMaxFixedMinutes = 18 * 60;
// A period of another offset shorter than this is an interlude within the
// year (Morocco's month of Ramadan), not the other half of summer time.
constexpr std::int_fast64_t kInterludeSeconds = 60 * 86400;

Instant instantOf(double jdUt) {
    if (!std::isfinite(jdUt)) jdUt = 2451545.0;
    jdUt = std::clamp(jdUt, kFirstJd, kLastJd);
    // A Julian day near 2.46e6 holds the instant to some 40 us: to the
    // millisecond first, so the JD of 01:00:00 is not taken for 00:59:59.
    const double ms = std::round((jdUt - kUnixEpochJd) * kSecondsPerDay * 1000.0);
    return Instant(Seconds(static_cast<std::int_fast64_t>(std::floor(ms / 1000.0))));
}

double julianDayOf(Instant t, double extraSeconds) {
    return kUnixEpochJd +
           (static_cast<double>(t.time_since_epoch().count()) + extraSeconds) / kSecondsPerDay;
}

int toMinutes(int offsetSeconds) {
    return static_cast<int>(std::lround(offsetSeconds / 60.0));
}

cctz::civil_second civilOf(int year, int month, int day, int hour, int minute) {
    return cctz::civil_second(std::clamp(year, 1, 9999), month, day, hour, minute, 0);
}

}  // namespace

// The form keeps out paths ("/etc/...", "../"), CCTZ's own "Fixed/UTC+01:00"
// names and anything with a colon.
bool TimeZone::isWellFormedName(std::string_view name) {
    if (name.empty() || name.size() > 64) return false;
    bool partStart = true;
    for (const char c : name) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (partStart) {
            if (!letter) return false;
            partStart = false;
        } else if (c == '/') {
            partStart = true;
        } else if (!letter && !(c >= '0' && c <= '9') && c != '_' && c != '+' && c != '-') {
            return false;
        }
    }
    if (partStart) return false;  // ends with '/'
    // Files of the database folder that are not zones of a place: the
    // machine's own zone, zic's template, and the duplicate trees (whose
    // "right/" zones count leap seconds, which universal time does not).
    for (const char* other : {"localtime", "posixrules", "Factory"})
        if (name == other) return false;
    for (const char* tree : {"posix/", "right/"})
        if (name.rfind(tree, 0) == 0) return false;
    return true;
}

TimeZone::TimeZone() : zone_(cctz::utc_time_zone()) {}

TimeZone TimeZone::fixed(int offsetMinutes) {
    const int minutes = std::clamp(offsetMinutes, -kMaxFixedMinutes, kMaxFixedMinutes);
    return TimeZone(cctz::fixed_time_zone(std::chrono::minutes(minutes)), std::string(), minutes);
}

std::optional<TimeZone> TimeZone::named(const std::string& ianaName) {
    if (!isWellFormedName(ianaName)) return std::nullopt;
    cctz::time_zone zone;
    if (!cctz::load_time_zone(ianaName, &zone)) return std::nullopt;
    return TimeZone(zone, ianaName, 0);
}

int TimeZone::offsetMinutesAtUtc(double jdUt) const {
    if (isFixed()) return fixedMinutes_;
    return toMinutes(zone_.lookup(instantOf(jdUt)).offset);
}

int TimeZone::standardOffsetMinutes(double jdUt) const {
    if (isFixed()) return fixedMinutes_;
    const Instant t = instantOf(jdUt);
    const int current = zone_.lookup(t).offset;

    // The period of the current offset, and the ones either side of it.
    cctz::time_zone::civil_transition change;
    const auto instantOfChange = [&] { return zone_.lookup(change.to).trans; };
    if (!zone_.prev_transition(t + Seconds(1), &change)) return toMinutes(current);
    const Instant start = instantOfChange();
    if (!zone_.next_transition(t, &change)) return toMinutes(current);
    const Instant end = instantOfChange();
    const int before = zone_.lookup(start - Seconds(1)).offset;
    const int after = zone_.lookup(end).offset;
    if (before != after || before == current) return toMinutes(current);

    // The current offset sits between two periods of another one: summer
    // time, winter time (Ireland), or an interlude.
    const auto lasts = [](Instant from, Instant to) { return (to - from).count(); };
    if (lasts(start, end) < kInterludeSeconds) return toMinutes(before);
    Instant previousStart = Instant::min();
    if (zone_.prev_transition(start, &change)) previousStart = instantOfChange();
    Instant nextEnd = Instant::max();
    if (zone_.next_transition(end, &change)) nextEnd = instantOfChange();
    if (previousStart != Instant::min() && lasts(previousStart, start) < kInterludeSeconds)
        return toMinutes(current);
    if (nextEnd != Instant::max() && lasts(end, nextEnd) < kInterludeSeconds)
        return toMinutes(current);
    return toMinutes(std::min(current, before));
}

bool TimeZone::isSummerTimeAtUtc(double jdUt) const {
    return offsetMinutesAtUtc(jdUt) > standardOffsetMinutes(jdUt);
}

std::string TimeZone::abbreviationAtUtc(double jdUt) const {
    const char* abbr = zone_.lookup(instantOf(jdUt)).abbr;
    return abbr ? std::string(abbr) : std::string();
}

int TimeZone::offsetMinutesForLocal(int year, int month, int day, int hour, int minute) const {
    if (isFixed()) return fixedMinutes_;
    const cctz::civil_second local = civilOf(year, month, day, hour, minute);
    // `pre` takes the offset before a change: a skipped reading moves on by
    // the jump, a repeated one is the first.
    const Instant t = zone_.lookup(local).pre;
    const cctz::civil_second universal = cctz::convert(t, cctz::utc_time_zone());
    return toMinutes(static_cast<int>(local - universal));
}

double TimeZone::toUniversalJd(int year, int month, int day, int hour, int minute,
                               double second) const {
    if (!std::isfinite(second)) second = 0;
    const Instant t = zone_.lookup(civilOf(year, month, day, hour, minute)).pre;
    return julianDayOf(t, second);
}

}  // namespace vantorel
