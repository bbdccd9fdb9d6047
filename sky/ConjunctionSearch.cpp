#include "sky/ConjunctionSearch.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "common/text/DateText.h"
#include "common/text/LanguageText.h"
#include "engine/Angles.h"
#include "sky/PhenomenaSeries.h"

namespace vantorel {

namespace {

const TextTriple kNames[6] = {
    {"Opposition", "Opposition", "Oposici\u00f3n"},
    {"Conjunction", "Conjonction", "Conjunci\u00f3n"},
    {"Superior conjunction", "Conjonction sup\u00e9rieure", "Conjunci\u00f3n superior"},
    {"Inferior conjunction", "Conjonction inf\u00e9rieure", "Conjunci\u00f3n inferior"},
    {"Greatest elongation East", "Plus grande \u00e9longation Est",
     "M\u00e1xima elongaci\u00f3n Este"},
    {"Greatest elongation West", "Plus grande \u00e9longation Ouest",
     "M\u00e1xima elongaci\u00f3n Oeste"},
};

// The handbook's divisors of this chapter.
constexpr double kMeanAnomalyDegPerRad = 57.29577951;
constexpr double kArgumentDegPerRad = 57.2958;

bool leapYear(int year) {
    return year % 4 == 0;
}

int monthLength(int month, int year) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2) return leapYear(year) ? 29 : 28;
    return kLengths[(month - 1 + 12) % 12];
}

}  // namespace

const char* phenomenonName(int kind, int language) {
    if (kind < 0 || kind > 5) return "";
    return kNames[kind](language);
}

int ConjunctionSearch::firstCycle(int row, double startYear) {
    const PhenomenonRow& r = kPhenomenonRows[row];
    return static_cast<int>(static_cast<float>(std::ceil((365.2425 * startYear + 1721060.0 - r.A) / r.B)));
}

double ConjunctionSearch::meanInstant(int row, int k) {
    const PhenomenonRow& r = kPhenomenonRows[row];
    const double jde0 = r.A + k * r.B;
    double M = r.M0 + k * r.M1;
    M = reduceDegrees(M);
    M /= kMeanAnomalyDegPerRad;
    for (int i = 0; i < 5; ++i) {
        sinKM[i] = std::sin((i + 1) * M);
        cosKM[i] = std::cos((i + 1) * M);
    }
    T = (jde0 - 2451545.0) / 36525.0;
    T2 = T * T;
    return jde0;
}

double ConjunctionSearch::correction(const PhenomenonSeriesRef& series) const {
    double sum = 0.0;
    for (int i = 0; i < series.count; ++i) {
        const PhenomenonTerm& term = series.terms[i];
        double value = term.c0 + term.c1 * T + term.c2 * T2;
        if (term.function == 0) {
            sum += value;
            continue;
        }
        double s = 0.0, c = 1.0;
        if (term.argument >= 0 && term.argument < 7) {
            const PhenomenonArgument& a = kPhenomenonArguments[term.argument];
            const double arg = (a.c0 + a.c1 * T) / kArgumentDegPerRad;
            s = std::sin(arg);
            c = std::cos(arg);
        } else if (term.mMultiple >= 1 && term.mMultiple <= 5) {
            s = sinKM[term.mMultiple - 1];
            c = cosKM[term.mMultiple - 1];
        }
        value *= (term.function == 1) ? s : c;
        sum += value;
    }
    return sum;
}

void ConjunctionSearch::toLocalRoundedHour(double jde, double zoneOffsetHours) {
    const CalendarTime c = julianDayToCalendar(jde);
    int year = c.year, month = c.month, day = c.day, hour = c.hours, minute = c.minutes;
    // The zone as signed whole hours and minutes (west negative in both).
    const int zoneTotal = static_cast<int>(std::lround(zoneOffsetHours * 60.0));
    const int zoneH = zoneTotal / 60;
    const int zoneM = zoneTotal % 60;
    minute += zoneM;
    if (minute < 0) {
        minute += 60;
        hour -= 1;
    } else if (minute > 59) {
        minute -= 60;
        hour += 1;
    }
    if (minute > 30) hour += 1;  // the list shows the hour rounded
    hour += zoneH;
    if (hour > 23) {
        hour -= 24;
        day += 1;
    } else if (hour < 0) {
        hour += 24;
        day -= 1;
    }
    if (day > monthLength(month, year)) {
        day = 1;
        if (++month > 12) {
            month = 1;
            year += 1;
        }
    } else if (day < 1) {
        if (--month < 1) {
            month = 12;
            year -= 1;
        }
        day = monthLength(month, year);
    }
    eventCalendar.hour = hour;
    eventCalendar.minute = minute;
    eventCalendar.day = day;
    eventCalendar.month = month;
    eventCalendar.year = year;
}

bool ConjunctionSearch::localDateFrom(double jde, const int (&start)[3]) {
    // Each event with the offset in force then.
    toLocalRoundedHour(jde, namedZone_ ? namedZone_->offsetMinutesAtUtc(jde) / 60.0 : zoneOffsetHours_);
    const int date[3] = {eventCalendar.year, eventCalendar.month, eventCalendar.day};
    return !std::lexicographical_compare(date, date + 3, start, start + 3);
}

void ConjunctionSearch::addLine(int kind, double jde, double elongation) {
    if (count >= kLineCount) return;
    // Each event with the offset in force then.
    toLocalRoundedHour(jde, namedZone_ ? namedZone_->offsetMinutesAtUtc(jde) / 60.0 : zoneOffsetHours_);
    const std::string date =
        unlabelledDateText(dateFormat_, eventCalendar.year, eventCalendar.month, eventCalendar.day);
    if (std::isnan(elongation))
        std::snprintf(lines[count], kLineLength, "%s   %02dh    %s", date.c_str(),
                      eventCalendar.hour, phenomenonName(kind, language_));
    else
        std::snprintf(lines[count], kLineLength, "%s   %02dh    %s  (%2.1f\u00b0)", date.c_str(),
                      eventCalendar.hour, phenomenonName(kind, language_), elongation);
    Event& e = events[count];
    e.kind = kind;
    e.jde = jde;
    e.elongationDeg = elongation;
    e.year = eventCalendar.year;
    e.month = eventCalendar.month;
    e.day = eventCalendar.day;
    e.hour = eventCalendar.hour;
    ++count;
}

void ConjunctionSearch::searchPhenomena(const DateTime& dt, int planetIndex) {
    count = 0;
    zoneHours = dt.zoneHours;
    zoneMinutes = dt.zoneMinutes;
    zoneOffsetHours_ = dt.zoneOffsetHours();
    namedZone_ = dt.namedZone;
    if (planetIndex < 0 || planetIndex >= kPhenomenonRowCount || planetIndex % 2 != 0) return;

    // Each kind's first event on or after the window's local date. The cycle
    // before the one whose mean instant follows the start of the month comes
    // first: its corrected instant, or an elongation after its inferior
    // conjunction, may still lie ahead.
    const int start[3] = {static_cast<int>(dt.localYear), static_cast<int>(dt.localMonth),
                          static_cast<int>(dt.localDay)};
    const double Y = dt.localYear + (dt.localMonth - 1.0) / 12.0;
    const double none = std::nan("");
    constexpr int kCyclesTried = 4;
    struct Found {
        int kind;
        double jde, elongation;
    };
    std::vector<Found> found;
    const bool inner = planetIndex <= kPhenomenaVenus;
    for (int row = planetIndex; row <= planetIndex + 1; ++row) {
        const PhenomenonRow& r = kPhenomenonRows[row];
        const int kind = inner ? (row == planetIndex ? kInferiorConjunction : kSuperiorConjunction)
                               : (row == planetIndex ? kOpposition : kConjunction);
        const int k0 = firstCycle(row, Y) - 1;
        for (int k = k0; k < k0 + kCyclesTried; ++k) {
            const double jde = meanInstant(row, k) + correction({r.terms, r.count});
            if (localDateFrom(jde, start)) {
                found.push_back({kind, jde, none});
                break;
            }
        }
    }
    if (inner) {
        // The greatest elongations belong to an inferior conjunction's cycle:
        // the eastern one before it, the western one after it.
        const int first = planetIndex == kPhenomenaMercury ? kMercuryEast : kVenusEast;
        const int k0 = firstCycle(planetIndex, Y) - 1;
        for (int i = 0; i < 2; ++i) {
            const ElongationSeries& s = kElongationSeries[first + i];
            for (int k = k0; k < k0 + kCyclesTried; ++k) {
                const double jde = meanInstant(planetIndex, k) + correction(s.time);
                if (localDateFrom(jde, start)) {
                    found.push_back({i == 0 ? kGreatestElongationEast : kGreatestElongationWest, jde,
                                     correction(s.value)});
                    break;
                }
            }
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Found& a, const Found& b) { return a.jde < b.jde; });
    for (const Found& f : found) addLine(f.kind, f.jde, f.elongation);
}

}  // namespace vantorel
