#include "sky/MarsSeasonSearch.h"

#include <cmath>
#include <cstdio>

#include "common/text/DateText.h"
#include "engine/EarthSun.h"
#include "engine/Mars.h"
#include "engine/MinuteInstant.h"
#include "planets/PanelText.h"

namespace vantorel {

namespace {

const TextTriple kYearMessage{"The year is not valid. (1990 - 2050) ",
                              "L'ann\u00e9e entr\u00e9e n'est pas valide. (1990 - 2050) ",
                              "A\u00f1o inv\u00e1lido. (1990 - 2050) "};
const TextTriple kPeriodMessage{"The period is not valid. (1 - 10) ",
                                "La p\u00e9riode entr\u00e9e n'est pas valide. (1 - 10) ",
                                "Periodo inv\u00e1lido. (1 - 10) "};

// Mars's season angle grows by at most 0.64 degree a day: jumps of d / 0.65
// days never pass the boundary.
constexpr float kDegreesPerDay = 0.65f;
// Guards: a season is never more than a Martian year away, and the last
// degree is walked in well under ten days of minutes.
constexpr int kMaxDayJumps = 400;
constexpr int kMaxMinuteSteps = 10 * 24 * 60;

class SeasonStepper {
  public:
    SeasonStepper(Mars& mars, DateTime& dt) : mars_(mars), dt_(dt) {}

    float compute() {
        dt_.computeDate();
        earthSun_.computeSun(dt_.T);
        earthSun_.computeEarth(dt_);
        mars_.computePosition(dt_, earthSun_);
        return reduceSeasonAngle(mars_.seasonAngle);
    }

    // The whole sequence of the Mars window for the record's instant.
    void computeWindowState() {
        dt_.computeDate();
        dt_.computeNutation();
        earthSun_.computeSun(dt_.T);
        earthSun_.computeEarth(dt_);
        mars_.computePosition(dt_, earthSun_);
        mars_.computePhysical(dt_, earthSun_);
    }

  private:
    Mars& mars_;
    DateTime& dt_;
    EarthSun earthSun_;
};

// Adds minutes to the local clock, carrying hours and days.
void addLocalMinutes(DateTime& dt, int minutes) {
    dt.localMinute += minutes;
    for (int guard = 0; guard < 8 && (dt.localMinute > 59 || dt.localHour > 23); ++guard)
        dt.carryLocalTime();
}

}  // namespace

int validateSeasonParameters(int startYear, int years) {
    if (startYear < kSeasonFirstYear || startYear > kSeasonLastYear) return kSeasonYearInvalid;
    if (years < 1 || years > kSeasonMaxYears) return kSeasonPeriodInvalid;
    return kSeasonParametersValid;
}

const char* seasonParameterMessage(int code, int language) {
    if (code == kSeasonYearInvalid) return kYearMessage(language);
    if (code == kSeasonPeriodInvalid) return kPeriodMessage(language);
    return "";
}

std::string seasonNameAt(int boundary, int language) {
    // The season that begins at B is the one its angle reads just after B.
    const int b = ((boundary % 360) + 360) % 360;
    return marsSeasonName(language, static_cast<float>(b + 1));
}

float seasonAngleTowards(float S, float B) {
    if (B == 360.0f && static_cast<int>(S) == 0) return S + 360.0f;
    return S;
}

void searchMarsSeasons(Mars& mars, DateTime& dt, int endYear, int language, int dateFormat,
                       MarsSeasonSearchResult& out, bool minuteByMinute) {
    const double day = dt.localDay, month = dt.localMonth, year = dt.localYear;
    const double hour = dt.localHour, minute = dt.localMinute;
    SeasonStepper stepper(mars, dt);
    dt.localDay = 1;
    dt.localMonth = 1;
    dt.localHour = 0;
    dt.localMinute = 0;
    out.count = 0;
    for (auto& line : out.lines)
        line[0] = '\0';

    bool stopped = false;
    while (!stopped && dt.localYear <= endYear && out.count < MarsSeasonSearchResult::kLineCount) {
        float S = stepper.compute();
        float B = 0.0f;
        if (S > 270.0f)
            B = 360.0f;
        else if (S > 180.0f)
            B = 270.0f;
        else if (S > 90.0f)
            B = 180.0f;
        else if (S > 0.0f)
            B = 90.0f;
        float d = B - S;
        float j = static_cast<float>(static_cast<int>(d / kDegreesPerDay - 1.0f));

        // Days while more than 0.65 degree remains. After the first jump they
        // are fractional: the fraction goes into the clock, as a fractional
        // day field would lose it when the day next carries into a month.
        for (int jumps = 0; j >= 1.0f && jumps < kMaxDayJumps; ++jumps) {
            const double whole = std::floor(j);
            dt.localDay += whole;
            dt.normaliseLocalDate();
            addLocalMinutes(dt, static_cast<int>(std::lround((j - whole) * 1440.0)));
            if (dt.localYear > endYear) {
                stopped = true;
                break;
            }
            S = seasonAngleTowards(stepper.compute(), B);
            d = B - S;
            j = d / kDegreesPerDay;
            if (!(j > 1.0f)) break;
        }
        if (stopped) break;

        // Then minutes up to the boundary. The angle only grows, so whole
        // hours may be skipped while the hour's end is still short of the
        // boundary and in the search's years: the walk from there meets the
        // same first minute.
        if (d > 0.0f) addLocalMinutes(dt, static_cast<int>(200.0f * d));
        int skipped = 0;
        while (!minuteByMinute && skipped < kMaxMinuteSteps) {
            const DateTime hourStart = dt;
            addLocalMinutes(dt, 60);
            const bool pastYears = dt.localYear > endYear;
            if (pastYears ||
                static_cast<int>(seasonAngleTowards(stepper.compute(), B)) >= static_cast<int>(B)) {
                dt = hourStart;
                break;
            }
            skipped += 60;
        }
        for (int steps = skipped; steps < kMaxMinuteSteps; ++steps) {
            dt.localMinute += 1;
            dt.carryLocalTime();
            if (dt.localYear > endYear) {
                stopped = true;
                break;
            }
            S = seasonAngleTowards(stepper.compute(), B);
            if (static_cast<int>(S) >= static_cast<int>(B)) break;
        }
        if (stopped) break;

        const CalendarTime c = localCalendarOfMinute(dt);
        if (c.year > endYear) break;
        const std::string date = unlabelledDateText(dateFormat, c.year, c.month, c.day);
        MarsSeasonSearchResult::Event& e = out.events[out.count];
        e.boundary = B == 0.0f ? 360 : static_cast<int>(B);
        e.julianDay = dt.JD;
        e.local = c;
        std::snprintf(out.lines[out.count], MarsSeasonSearchResult::kLineLength, "%s  %02d:%02d  %s",
                      date.c_str(), c.hours, c.minutes, seasonNameAt(e.boundary, language).c_str());
        ++out.count;

        // The next season is at least three months away.
        dt.localDay = 15;
        dt.localMonth = c.month + 3;
        dt.localYear = c.year;
        dt.localHour = 0;
        dt.localMinute = 0;
        dt.normaliseLocalDate();
    }

    dt.localDay = day;
    dt.localMonth = month;
    dt.localYear = year;
    dt.localHour = hour;
    dt.localMinute = minute;
    stepper.computeWindowState();
}

}  // namespace vantorel
