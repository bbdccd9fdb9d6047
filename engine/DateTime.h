#pragma once

// The date and time record of one document: a civil date and clock time in the
// observer's zone and everything derived from it (universal time, Julian day,
// time arguments, delta T, sidereal time, nutation and obliquity, and the last
// rise/transit/set and altitude results).

#include <optional>
#include <string>

#include "engine/TimeZone.h"

namespace vantorel {

// Result of julianDayToCalendar.
struct CalendarTime {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int day = 0;
    int month = 0;
    int year = 0;
};

CalendarTime julianDayToCalendar(double jd);

// Result codes of validateDate and validateTime.
enum DateCheck : int {
    kDateValid = 1,
    kYearOutOfRange = 2,
    kMonthOutOfRange = 3,
    kDayOutOfRange = 4,
    kHourOutOfRange = 5,
    kMinuteOutOfRange = 6,
};

// The years the program computes for.
constexpr int kFirstYear = 1985;
constexpr int kLastYear = 2050;

// delta T (dynamical minus universal time) in seconds for a calendar year.
double deltaTSeconds(int year);

// Greenwich mean sidereal time at a universal instant (Julian day), degrees
// in [0, 360): the 0 h value that computeSiderealTime takes, carried on at
// the sidereal rate to the exact instant, for searches that need seconds.
double greenwichSiderealDeg(double jdUt);

class DateTime {
public:
    DateTime() { initDateTime(); }

    // 1-6: calendar fields (whole numbers held as doubles)
    double utDay, utMonth, utYear;
    double localDay, localMonth, localYear;
    // 7-12: derived time arguments
    double JD;      // Julian day of the instant, universal time
    double t;       // Julian millennia from J2000.0
    double T;       // Julian centuries from J2000.0
    double JDE;     // JD + delta T
    double deltaT;  // days
    double theta0;  // Greenwich mean sidereal time at 0 h UT, degrees
    // 13-14: zone, positive east; hours >= 50 encode a west zone (50 - h).
    // With a named zone, computeDate writes here the offset in force at the
    // record's instant.
    int zoneHours, zoneMinutes;
    // 15-18: clock
    double utHour, utMinute;
    double localHour, localMinute;
    // 19-27: fundamental arguments (radians, not reduced), nutation, obliquity
    double D, M, Mprime, F, Omega;
    double deltaPsi;      // arc seconds
    double deltaEpsilon;  // arc seconds
    double epsilon;       // true obliquity, radians
    double epsilon0;      // mean obliquity, radians
    // 28-35: last rise/transit/set of the local date, local clock times
    // (computeRiseTransitSetDay of engine/BodySequence.h)
    int riseHour, riseMinute, transitHour, transitMinute, setHour, setMinute;
    float riseHourAngle;       // radians
    float localSiderealTime;   // degrees 0-360
    // 36-37: last altitude, whole degrees and hundredths
    double altitudeDegrees, altitudeHundredths;
    // 38
    int monthLengths[12];
    // Which of the three fall on the local date: the Moon misses a rise, a
    // transit or a set about once a month, and a body that stays above or
    // below the horizon all day has neither rise nor set.
    bool riseOnDate, transitOnDate, setOnDate;
    // Without a rise and a set: whether the body stayed up or down all day.
    int riseSetCondition;
    enum RiseSetCondition : int { kRisesAndSets = 0, kAlwaysAbove = 1, kAlwaysBelow = -1 };
    // The observer's own longitude, degrees east of Greenwich, when the user
    // gave one. Without it the centre of the zone stands in (15 degrees an
    // hour), which puts rise and set up to an hour or two off in wide zones
    // and in summer time; the zone still turns universal into clock time.
    std::optional<double> siteLongitude;
    // The observer's named zone ("Europe/Paris") when the site has one: the
    // offset in force converts the clock reading, so summer time is followed.
    // A reading that summer time skips is the instant the clock would have
    // shown had it not jumped, and computeDate moves the clock on to what it
    // does show (02:30 becomes 03:30); a reading that occurs twice is the
    // first. Without a named zone, zoneHours/zoneMinutes are the zone.
    std::optional<TimeZone> namedZone;

    void initDateTime();
    int validateDate();
    int validateTime() const;
    // Local clock to universal time, Julian day and time arguments; with a
    // named zone its offset for the clock reading first goes into the zone
    // fields.
    void computeDate();
    void setEpoch(double jd);
    // theta0 and the local sidereal time: at the site's longitude when one is
    // set, else at the centre of the zone.
    void computeSiderealTime();
    // The longitude of rise, transit and set (degrees, positive west): the site's
    // longitude when one is set, else the centre of the zone.
    double longitudeWest() const;
    int carryLocalTime();
    int carryHours();
    bool normaliseLocalDate();
    void computeNutation();
    void computeAltitude(double raDeg, double decRad, double latitudeDeg);
    // The zone the record converts with: the named one, else the fixed offset
    // of zoneHours/zoneMinutes.
    TimeZone timeZone() const;
    // The offset in force at a universal instant, hours east of Greenwich:
    // the named zone's there, else the fixed zone's (zoneOffsetHours()).
    double zoneOffsetHoursAt(double jdUt) const;
    // A named zone, or a fixed one written into the zone fields.
    void setZone(const TimeZone& zone);
    // Writes an offset (minutes east) into zoneHours/zoneMinutes.
    void setZoneOffsetMinutes(int offsetMinutes);
    // Sets the instant like setJulianDay, the clock reading taken with the
    // offset in force at that instant, so the second of two equal readings
    // on the night summer time ends is kept as such, while the reading stays.
    void setInstant(double jdUt);

    // The last altitude as one signed number of degrees (the pair keeps the
    // hundredths positive when the whole degrees are not zero).
    double altitude() const;

    // Sets the instant from a Julian day: JD, t, T, delta T and JDE exactly,
    // and the local date and clock from it and the zone (seconds dropped).
    void setJulianDay(double jd);


    // Length of a local month (1-12) with the February rule of this record.
    int monthLength(int month) const;
    // Rewrites the February entry from the local year (divisible by 4: 29 days).
    void setFebruaryLength();

    // Convenience used by documents: set local date, clock time and zone.
    void setLocal(int year, int month, int day, int hour, int minute, int zoneH, int zoneM);
    // Zone as signed hours (west negative), from the stored encoding.
    double zoneOffsetHours() const;
    // Zone as signed whole hours and signed minutes (the minutes take the sign
    // of the hours: 3 h 30 west is -3, -30), from the stored encoding.
    void zoneParts(int& hours, int& minutes) const;

private:
    // computeDate with the zone fields as they are.
    void computeFromZoneFields();

    // The clock reading setInstant last gave the record, with its zone and
    // the offset it had there: computeDate keeps that offset while the
    // reading is the same, so the second of two equal readings stays the
    // second through every recomputation (a window tracking through the
    // autumn night), where a reading alone would be the first.
    struct HeldReading {
        int year, month, day, hour, minute;
        int offsetMinutes;
        std::string zoneName;
    };
    std::optional<HeldReading> held_;
};

}  // namespace vantorel
