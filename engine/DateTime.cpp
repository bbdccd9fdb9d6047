#include "engine/DateTime.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "engine/MinuteInstant.h"

namespace vantorel {

namespace {
constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int leapFebruary(double year) { return (static_cast<int>(year) % 4 == 0) ? 29 : 28; }

// Greenwich mean sidereal time at 0 h UT, degrees in [0, 360); T in Julian
// centuries of that 0 h.
double siderealAtZeroHourDeg(double T) {
    double theta = 100.46061837 + 36000.770053608 * T + 0.000387933 * T * T - T * T * T / 38710000.0;
    theta -= 360.0 * std::floor(theta / 360.0);
    return theta;
}

// A calendar field as a whole number for the zone lookup; a value no date
// holds (NaN, beyond int) reads as 0 and rolls over like any other.
int wholeField(double v) {
    if (!std::isfinite(v)) return 0;
    return static_cast<int>(std::clamp(std::floor(v), -1e6, 1e6));
}
}  // namespace

double greenwichSiderealDeg(double jdUt) {
    const double jd0 = std::floor(jdUt - 0.5) + 0.5;
    double theta = siderealAtZeroHourDeg((jd0 - 2451545.0) / 36525.0) + 360.98564736629 * (jdUt - jd0);
    theta -= 360.0 * std::floor(theta / 360.0);
    return theta;
}

// Yearly values at the start of each year. Up to 2010 the program's own table
// (including its linear rule for 2002-2010); from 2011 the published values
// through 2025, then +0.3 s a year.
double deltaTSeconds(int year) {
    switch (year) {
    case 2001: return 66.0;
    case 1992: return 58.3;
    case 1991: return 57.9;
    case 1990: return 56.9;
    case 1987: return 55.4;
    case 1984: return 53.8;
    case 1983: return 53.0;
    default: break;
    }
    if (year < 2001) return year - 1994 + 60.0;
    if (year <= 2010) return (year - 2000) * 1.3 + 67.0;
    static constexpr double kPublished[] = {66.3, 66.6, 66.9, 67.3, 67.6, 68.1, 68.6, 69.0,
                                            69.2, 69.4, 69.4, 69.3, 69.2, 69.2, 69.1};
    if (year <= 2025) return kPublished[year - 2011];
    return 69.1 + 0.3 * (year - 2025);
}

void DateTime::initDateTime() {
    utDay = utMonth = utYear = 0;
    localDay = localMonth = localYear = 0;
    JD = t = T = JDE = deltaT = theta0 = 0;
    zoneHours = zoneMinutes = 0;
    utHour = utMinute = localHour = localMinute = 0;
    D = M = Mprime = F = Omega = 0;
    deltaPsi = deltaEpsilon = epsilon = epsilon0 = 0;
    riseHour = riseMinute = transitHour = transitMinute = setHour = setMinute = 0;
    riseHourAngle = 0;
    localSiderealTime = 0;
    altitudeDegrees = altitudeHundredths = 0;
    riseOnDate = transitOnDate = setOnDate = false;
    riseSetCondition = kRisesAndSets;
    siteLongitude.reset();
    namedZone.reset();
    held_.reset();
    for (int i = 0; i < 12; ++i) monthLengths[i] = kMonthLengths[i];
}

void DateTime::setFebruaryLength() { monthLengths[1] = leapFebruary(localYear); }

int DateTime::monthLength(int month) const {
    if (month < 1 || month > 12) return 31;
    return monthLengths[month - 1];
}

void DateTime::setLocal(int year, int month, int day, int hour, int minute, int zoneH,
                         int zoneM) {
    localYear = year;
    localMonth = month;
    localDay = day;
    localHour = hour;
    localMinute = minute;
    zoneHours = zoneH;
    zoneMinutes = zoneM;
}

void DateTime::zoneParts(int& hours, int& minutes) const {
    hours = zoneHours;
    minutes = zoneMinutes;
    if (hours >= 50) {
        hours = 50 - hours;
        minutes = -minutes;
    }
    // The minutes take the sign of the hours: -3 h 30 is 3.5 hours west.
    minutes = (hours < 0 || minutes < 0) ? -std::abs(minutes) : std::abs(minutes);
}

double DateTime::zoneOffsetHours() const {
    int h = 0, m = 0;
    zoneParts(h, m);
    return h + m / 60.0;
}

void DateTime::setZoneOffsetMinutes(int offsetMinutes) {
    // Both signed, which zoneParts and computeDate read as they are: -0:30
    // needs the sign on the minutes.
    zoneHours = offsetMinutes / 60;
    zoneMinutes = offsetMinutes % 60;
}

TimeZone DateTime::timeZone() const {
    if (namedZone) return *namedZone;
    int h = 0, m = 0;
    zoneParts(h, m);
    return TimeZone::fixed(h * 60 + m);
}

double DateTime::zoneOffsetHoursAt(double jdUt) const {
    if (!namedZone) return zoneOffsetHours();
    return namedZone->offsetMinutesAtUtc(jdUt) / 60.0;
}

void DateTime::setZone(const TimeZone& zone) {
    if (zone.isFixed()) {
        namedZone.reset();
        setZoneOffsetMinutes(zone.offsetMinutesAtUtc(0));
    } else {
        namedZone = zone;
    }
}

void DateTime::setInstant(double jdUt) {
    if (!namedZone) {
        setJulianDay(jdUt);
        return;
    }
    setZoneOffsetMinutes(namedZone->offsetMinutesAtUtc(jdUt));
    DateTime clock = *this;
    clock.JD = jdUt;
    const CalendarTime local = localCalendarOfMinute(clock);
    localYear = local.year;
    localMonth = local.month;
    localDay = local.day;
    localHour = local.hours;
    localMinute = local.minutes;
    held_ = HeldReading{local.year, local.month, local.day, local.hours, local.minutes,
                        namedZone->offsetMinutesAtUtc(jdUt), namedZone->name()};
    computeFromZoneFields();
    JD = jdUt;
    t = (jdUt - 2451545.0) / 365250.0;
    T = (jdUt - 2451545.0) / 36525.0;
    JDE = JD + deltaT;
}

int DateTime::validateDate() {
    setFebruaryLength();
    const int year = static_cast<int>(localYear);
    const int month = static_cast<int>(localMonth);
    const int day = static_cast<int>(localDay);
    if (year < kFirstYear || year > kLastYear) return kYearOutOfRange;
    if (month < 1 || month > 12) return kMonthOutOfRange;
    if (day < 1 || day > monthLengths[month - 1]) return kDayOutOfRange;
    return kDateValid;
}

int DateTime::validateTime() const {
    const int hour = static_cast<int>(localHour);
    const int minute = static_cast<int>(localMinute);
    if (minute < 0 || minute > 59) return kMinuteOutOfRange;
    if (hour < 0 || hour > 23) return kHourOutOfRange;
    return kDateValid;
}

void DateTime::computeDate() {
    if (!namedZone) {
        computeFromZoneFields();
        return;
    }
    const int year = wholeField(localYear), month = wholeField(localMonth),
              day = wholeField(localDay), hour = wholeField(localHour),
              minute = wholeField(localMinute);
    const bool sameReading = held_ && held_->year == year && held_->month == month &&
                             held_->day == day && held_->hour == hour &&
                             held_->minute == minute && held_->zoneName == namedZone->name();
    const int used = sameReading ? held_->offsetMinutes
                                 : namedZone->offsetMinutesForLocal(year, month, day, hour, minute);
    setZoneOffsetMinutes(used);
    computeFromZoneFields();
    // A reading summer time skips: the clock shows the hour after.
    const int inForce = namedZone->offsetMinutesAtUtc(JD);
    if (inForce != used) setInstant(JD);
}

void DateTime::computeFromZoneFields() {
    // 1. Local to universal time.
    utDay = localDay;
    utMonth = localMonth;
    utYear = localYear;
    if (zoneHours >= 50) {
        zoneHours = 50 - zoneHours;
        zoneMinutes = -zoneMinutes;
    }
    const double zoneMinutePart =
        (zoneHours < 0 || zoneMinutes < 0) ? -std::abs(zoneMinutes) : std::abs(zoneMinutes);
    utHour = localHour - zoneHours;
    utMinute = localMinute - zoneMinutePart;

    // 2. Normalise with one step each way.
    const int utFebruary = leapFebruary(utYear);
    auto utMonthLength = [&](int month) {
        if (month == 2) return utFebruary;
        return kMonthLengths[(month - 1 + 12) % 12];
    };
    monthLengths[1] = leapFebruary(localYear);
    if (utMinute > 59) {
        utMinute -= 60;
        utHour += 1;
    } else if (utMinute < 0) {
        utMinute += 60;
        utHour -= 1;
    }
    if (utHour > 23) {
        utHour -= 24;
        utDay += 1;
        if (utDay > utMonthLength(static_cast<int>(utMonth))) {
            utDay = 1;
            utMonth += 1;
            if (utMonth > 12) {
                utMonth = 1;
                utYear += 1;
            }
        }
    } else if (utHour < 0) {
        utHour += 24;
        utDay -= 1;
        if (utDay < 1) {
            utMonth -= 1;
            if (utMonth < 1) {
                utMonth = 12;
                utYear -= 1;
            }
            utDay = (static_cast<int>(utMonth) == 2) ? leapFebruary(utYear)
                                                     : utMonthLength(static_cast<int>(utMonth));
        }
    }

    // 3. Julian day, Gregorian term always applied.
    double Y = utYear;
    double Mo = utMonth;
    const double Dd = utDay + (utHour + utMinute / 60.0) / 24.0;
    if (Mo < 3) {
        Y -= 1;
        Mo += 12;
    }
    const double A = std::floor(Y / 100.0);
    const double B = 2 - A + std::floor(A / 4.0);
    JD = std::floor(365.25 * (Y + 4716)) + std::floor(30.6001 * (Mo + 1)) + Dd + B - 1524.5;

    // 4. Time arguments, universal time.
    t = (JD - 2451545.0) / 365250.0;
    T = (JD - 2451545.0) / 36525.0;

    // 5-6. delta T from the local year, then JDE.
    deltaT = deltaTSeconds(static_cast<int>(localYear)) / 3600.0 / 24.0;
    JDE = JD + deltaT;
}

double DateTime::longitudeWest() const {
    if (siteLongitude) return -*siteLongitude;
    // The centre of a named zone is that of its standard time: summer time
    // moves the clock, not the site.
    if (namedZone) return -15.0 * namedZone->standardOffsetMinutes(JD) / 60.0;
    // Half-hour zones included: whole hours alone would put a transit half an
    // hour away from the culmination the altitude shows in zones such as +5:30.
    return -15.0 * zoneOffsetHours();
}

void DateTime::setEpoch(double jd) { t = (jd - 2451545.0) / 365250.0; }

void DateTime::computeSiderealTime() {
    const double savedHour = localHour;
    const double savedMinute = localMinute;
    const int savedZoneHours = zoneHours;
    const int savedZoneMinutes = zoneMinutes;
    // Summer time puts the clock ahead of the zone's own time, which the
    // sidereal time at the centre of the zone goes by.
    const double summerHours =
        namedZone ? namedZone->offsetMinutesAtUtc(JD) / 60.0 -
                        namedZone->standardOffsetMinutes(JD) / 60.0
                  : 0.0;
    // 0 h UT of the local date, whatever the zone.
    std::optional<TimeZone> named = std::move(namedZone);
    namedZone.reset();
    localHour = localMinute = 0;
    zoneHours = zoneMinutes = 0;
    computeDate();

    theta0 = siderealAtZeroHourDeg(T);

    const double clockHours = savedHour + savedMinute / 60.0;
    float lst = 0;
    if (siteLongitude) {
        // Greenwich sidereal time of the instant (universal time counted from
        // 0 h UT of the local date, so before 0 h or past 24 h across a day
        // boundary), carried to the site.
        zoneHours = savedZoneHours;
        zoneMinutes = savedZoneMinutes;
        const double utHours = clockHours - zoneOffsetHours();
        lst = static_cast<float>(theta0 + 15.0 * 1.0027379 * utHours + *siteLongitude);
    } else {
        // The clock time read as universal time: the sidereal time at the
        // centre of the zone.
        lst = static_cast<float>(theta0 + 15.0 * 1.0027379 * (clockHours - summerHours));
    }
    lst -= 360.0f * std::floor(lst / 360.0f);
    if (lst < 0) lst += 360.0f;
    localSiderealTime = lst;

    localHour = savedHour;
    localMinute = savedMinute;
    zoneHours = savedZoneHours;
    zoneMinutes = savedZoneMinutes;
    namedZone = std::move(named);
    // The zone fields already hold the offset of the instant: kept as they
    // are, so the second of two equal readings stays the second.
    computeFromZoneFields();
}

int DateTime::carryLocalTime() {
    setFebruaryLength();
    while (localMinute > 59) {
        localHour += 1;
        localMinute -= 60;
    }
    if (localHour <= 23) return 0;
    localHour -= 24;
    localDay += 1;
    if (localDay > monthLength(static_cast<int>(localMonth))) {
        localDay = 1;
        localMonth += 1;
        if (localMonth > 12) {
            localMonth = 1;
            localYear += 1;
        }
    }
    return 1;
}

// An hour of 24 or more is carried into the day so that the hour always ends
// in 0..23 (an hour of exactly 24 left in place would be refused by the date
// dialog on every confirm). The day may now exceed its month; callers follow
// with normaliseLocalDate.
int DateTime::carryHours() {
    setFebruaryLength();
    if (localHour >= 24) {
        const int d = static_cast<int>(localHour / 24);
        localDay += d;
        localHour -= 24.0 * d;
    }
    return 0;
}

bool DateTime::normaliseLocalDate() {
    setFebruaryLength();
    bool carried = false;
    while (localMonth > 12) {
        localMonth -= 12;
        localYear += 1;
        carried = true;
    }
    // Walk month by month; February takes its length from the year it falls in.
    int month = static_cast<int>(localMonth);
    int year = static_cast<int>(localYear);
    auto lengthOf = [&](int m, int y) { return m == 2 ? leapFebruary(y) : kMonthLengths[m - 1]; };
    if (month < 1) month = 1;
    int c = lengthOf(month, year);
    int count = 0;
    while (localDay > c) {
        localDay -= c;
        ++count;
        ++month;
        if (month > 12) {
            month = 1;
            ++year;
        }
        c = lengthOf(month, year);
    }
    if (count > 0) {
        carried = true;
        localMonth += count;
        while (localMonth > 12) {
            localMonth -= 12;
            localYear += 1;
        }
    }
    if (localDay == 0) {
        localMonth -= 1;
        if (localMonth < 1) {
            localMonth = 12;
            localYear -= 1;
        }
        localDay = lengthOf(static_cast<int>(localMonth), static_cast<int>(localYear));
        carried = true;
    }
    setFebruaryLength();
    return carried;
}

CalendarTime julianDayToCalendar(double jd) {
    const double z = std::floor(jd + 0.5);
    const double f = (jd + 0.5) - z;
    const double Z = z;
    const long alpha = static_cast<long>((Z - 1867216.25) / 36524.25);
    const double A = Z + alpha - static_cast<long>(alpha / 4);
    const double B = A + 1525;
    const long C = static_cast<long>((B - 122.1) / 365.25);
    const long Dd = static_cast<long>(365.25 * C);
    const long E = static_cast<long>((B - Dd) / 30.6001);
    CalendarTime r;
    r.day = static_cast<int>(B - Dd - static_cast<long>(30.6001 * E));
    r.month = static_cast<int>(E < 14 ? E - 1 : E - 13);
    r.year = static_cast<int>(r.month > 2 ? C - 4716 : C - 4715);
    const double h = 24.0 * f;
    r.hours = static_cast<int>(h);
    const double m = 60.0 * (h - r.hours);
    r.minutes = static_cast<int>(m);
    r.seconds = static_cast<int>(60.0 * (m - r.minutes));
    return r;
}

}  // namespace vantorel
