#include "sky/ConjunctionSearch.h"

#include <cstdio>

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

double ConjunctionSearch::meanInstant(int row, double startYear) {
    const PhenomenonRow& r = kPhenomenonRows[row];
    const float k = static_cast<float>(std::ceil((365.2425 * startYear + 1721060.0 - r.A) / r.B));
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

void ConjunctionSearch::addLine(int kind, double jde, int startYear, double elongation) {
    // Each event with the offset in force then.
    toLocalRoundedHour(jde, namedZone_ ? namedZone_->offsetMinutesAtUtc(jde) / 60.0 : zoneOffsetHours_);
    if (eventCalendar.year < startYear || count >= kLineCount) return;
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

    const int startYear = static_cast<int>(dt.localYear);
    const double Y = dt.localYear + (dt.localMonth - 1.0) / 12.0;
    const double none = std::nan("");
    const bool inner = planetIndex <= kPhenomenaVenus;
    for (int row = planetIndex; row <= planetIndex + 1; ++row) {
        const PhenomenonRow& r = kPhenomenonRows[row];
        const double jde0 = meanInstant(row, Y);
        const double jde = jde0 + correction({r.terms, r.count});
        const int kind = inner ? (row == planetIndex ? kInferiorConjunction : kSuperiorConjunction)
                               : (row == planetIndex ? kOpposition : kConjunction);
        addLine(kind, jde, startYear, none);
    }
    if (!inner) return;
    // The greatest elongations of the inferior conjunction's cycle.
    const double jde0 = meanInstant(planetIndex, Y);
    const int first = planetIndex == kPhenomenaMercury ? kMercuryEast : kVenusEast;
    for (int i = 0; i < 2; ++i) {
        const ElongationSeries& s = kElongationSeries[first + i];
        addLine(i == 0 ? kGreatestElongationEast : kGreatestElongationWest,
                jde0 + correction(s.time), startYear, correction(s.value));
    }
}

}  // namespace vantorel
