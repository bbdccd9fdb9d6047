#pragma once

// The observer's zone: how clock times and universal time convert.
//
// A zone is either a fixed offset from universal time (what the settings held
// before named zones: FuseauH/FuseauM) or a named zone of the system's tz
// database ("Europe/Paris"), whose offset is looked up for each instant so
// summer time is followed. Both kinds answer the same questions, so callers
// never ask which one they hold.
//
// Instants are Julian days of universal time (jdUt), as in DateTime::JD.
// Offsets are whole minutes east of Greenwich (Paris in summer: +120,
// Honolulu: -600); every offset in use since 1972 is a whole number of minutes.
//
// Clock readings that summer time makes awkward follow one rule:
// - a reading that the change skips (02:30 on the spring day in Paris) takes
//   the offset in force before the change, so it is the instant the clock
//   would have shown 02:30 had it not jumped: 03:30 summer time;
// - a reading that occurs twice (02:30 on the autumn day) is the first one,
//   still in summer time.
//
// Years after 2037 are not listed one by one in the zone files; their changes
// come from the rule written at the end of each file, which CCTZ follows
// (Paris in July 2045 is UTC+2).
//
// Typical use:
//   auto zone = TimeZone::named(settingsName).value_or(TimeZone::fixed(60));
//   double jd = zone.toUniversalJd(2024, 3, 31, 2, 30);  // 01:30 UT
//   int clockOffset = zone.offsetMinutesAtUtc(riseJd);  // clock = UT + offset
//
// Values are small and cheap to copy; every member is const and thread-safe.

#include <optional>
#include <string>
#include <string_view>

#include <cctz/time_zone.h>

namespace vantorel {

class TimeZone {
public:
    // Universal time (a fixed offset of zero).
    TimeZone();

    // A fixed offset, minutes east of Greenwich. Offsets beyond +-18 hours are
    // held at +-18 hours (callers range-check what users type).
    static TimeZone fixed(int offsetMinutes);
    // The zone of that name in the system's tz database ("Europe/Paris",
    // "UTC", "Etc/GMT+5"); nothing for a name the database does not have or
    // that is not a zone name at all (a path, "localtime", leap-second zones).
    static std::optional<TimeZone> named(const std::string& ianaName);
    // Whether `name` has the form of a tz name (parts of letters, digits, '_',
    // '+', '-', each starting with a letter, joined by '/'), without looking
    // it up: for checking names read from files.
    static bool isWellFormedName(std::string_view name);

    bool isFixed() const { return name_.empty(); }
    // The IANA name; empty for a fixed offset.
    const std::string& name() const { return name_; }

    // The offset in force at the instant.
    int offsetMinutesAtUtc(double jdUt) const;
    // The offset without summer time around the instant: what a fixed-offset
    // reader (FuseauH/FuseauM) should hold for this zone. The winter offset of
    // a zone that changes twice a year, including Ireland, whose files call
    // winter time the exception; a short yearly interlude (Morocco's month
    // of Ramadan) does not count. A fixed zone's own offset.
    int standardOffsetMinutes(double jdUt) const;
    // Whether the offset at the instant is above the standard offset.
    bool isSummerTimeAtUtc(double jdUt) const;
    // The zone's abbreviation at the instant ("CET", "CEST", "+0545"), as the
    // tz database gives it; a fixed zone gives "UTC", "+0545" or "-10".
    std::string abbreviationAtUtc(double jdUt) const;

    // The offset that a local clock reading is converted with, following the
    // rule above for skipped and repeated readings. Fields out of range roll
    // over (January 32 is February 1); years are held within 1..9999.
    int offsetMinutesForLocal(int year, int month, int day, int hour, int minute) const;
    // The universal instant of a local clock reading (same rules).
    double toUniversalJd(int year, int month, int day, int hour, int minute,
                         double second = 0) const;

    // Same zone: same name, or both fixed with the same offset.
    bool operator==(const TimeZone& other) const {
        return name_ == other.name_ && (!isFixed() || fixedMinutes_ == other.fixedMinutes_);
    }

private:
    TimeZone(cctz::time_zone zone, std::string name, int fixedMinutes)
        : zone_(zone), name_(std::move(name)), fixedMinutes_(fixedMinutes) {}

    cctz::time_zone zone_;
    std::string name_;
    int fixedMinutes_ = 0;
};

}  // namespace vantorel
