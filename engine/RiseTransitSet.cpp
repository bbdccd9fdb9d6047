// Rise, transit and set by interpolation in three daily places.
#include <algorithm>
#include <cmath>

#include "engine/Angles.h"
#include "engine/DateTime.h"

namespace vantorel {

namespace {

constexpr float kSiderealRate = 360.985647f;  // degrees per day

// Brings m into 0..1 however far outside it lies (a zone far east of
// Greenwich puts the transit more than a day back).
double intoOneDay(double m) {
    if (!std::isfinite(m)) return 0;
    m -= std::floor(m);  // lands in [0, 1)
    return m;
}

void splitTime(double hours, int& h, int& m) {
    if (!std::isfinite(hours)) hours = 0;
    h = static_cast<int>(hours);
    m = static_cast<int>((hours - h) * 60.0);
}

// Adds `zoneH` hours and `zoneM` minutes to a clock time and wraps it into a
// day. In whole minutes of 64 bits and by remainder, so that no zone value
// overflows or makes the wrap loop for long.
void shiftClock(int& hour, int& minute, int zoneH, int zoneM) {
    constexpr long long kDay = 24 * 60;
    const long long total = static_cast<long long>(hour) * 60 + minute +
                            static_cast<long long>(zoneH) * 60 + zoneM;
    const long long inDay = ((total % kDay) + kDay) % kDay;
    hour = static_cast<int>(inDay / 60);
    minute = static_cast<int>(inDay % 60);
}

}  // namespace

void DateTime::computeRiseTransitSet(const double places[6], double h0, double L, double phi,
                                      int corrections, const PlaceAtDayFraction& exactPlace) {
    // Right ascensions crossing 0/360 between the days are made continuous.
    double alpha1 = places[0], alpha2 = places[1], alpha3 = places[2];
    if (alpha1 - alpha2 > 180) alpha1 -= 360;
    if (alpha1 - alpha2 < -180) alpha1 += 360;
    if (alpha3 - alpha2 > 180) alpha3 -= 360;
    if (alpha3 - alpha2 < -180) alpha3 += 360;
    const double delta1 = places[3], delta2 = places[4], delta3 = places[5];

    const double phiRad = toRad(phi);
    const double h0Deg = h0 * kDegPerRad;
    const double cosH0 = (std::sin(h0) - std::sin(phiRad) * std::sin(toRad(delta2))) /
                         (std::cos(phiRad) * std::cos(toRad(delta2)));
    if (cosH0 < -1)
        riseSetCondition = kAlwaysAbove;
    else if (cosH0 > 1)
        riseSetCondition = kAlwaysBelow;
    else
        riseSetCondition = kRisesAndSets;
    const double H0 = riseSetCondition == kRisesAndSets ? std::acos(cosH0) * kDegPerRad : 0.0;

    const double m0 = (alpha2 + L - theta0) / 360.0;
    const double mEvents[3] = {m0, m0 - H0 / 360.0, m0 + H0 / 360.0};

    const double a = alpha2 - alpha1, b = alpha3 - alpha2, c = b - a;
    const double ad = delta2 - delta1, bd = delta3 - delta2, cd = bd - ad;

    // One pass at the fraction of day m: the correction that brings the body
    // to the meridian (transit) or to the standard altitude (rise, set).
    struct Pass {
        double correction = 0;
        double hourAngleRad = 0;
    };
    auto correctionAt = [&](double m, bool transit) {
        double theta = theta0 + kSiderealRate * m;
        if (theta >= 360)
            theta -= 360;
        else if (theta < 0)
            theta += 360;
        double alpha = 0, delta = 0;
        if (exactPlace) {
            exactPlace(m, alpha, delta);
            alpha += 360.0 * std::round((alpha2 - alpha) / 360.0);  // beside alpha2
        } else {
            const double n = m + deltaT;
            alpha = alpha2 + n / 2 * (a + b + n * c);
            delta = delta2 + n / 2 * (ad + bd + n * cd);
        }
        double H = theta - L - alpha;
        while (H > 180) H -= 360;
        while (H < -180) H += 360;
        Pass pass;
        pass.hourAngleRad = toRad(H);
        if (transit) {
            pass.correction = -H / 360.0;
            return pass;
        }
        const double dRad = toRad(delta);
        const double h = std::asin(std::sin(phiRad) * std::sin(dRad) +
                                   std::cos(phiRad) * std::cos(dRad) * std::cos(pass.hourAngleRad)) *
                         kDegPerRad;
        pass.correction =
            (h - h0Deg) / (360.0 * std::cos(dRad) * std::cos(phiRad) * std::sin(pass.hourAngleRad));
        return pass;
    };

    // Later corrections stop once they move the time by under 10 seconds, and
    // are refused when they would jump by hours (a body grazing the horizon,
    // sin H near zero), which would only wander off.
    constexpr double kSettled = 10.0 / 86400.0;
    constexpr double kWildStep = 0.1;
    double hours[3];
    for (int k = 0; k < 3; ++k) {
        double m = intoOneDay(mEvents[k]);
        for (int step = 0; step < std::max(corrections, 1); ++step) {
            const Pass pass = correctionAt(m, k == 0);
            if (!std::isfinite(pass.correction)) break;
            if (step > 0 && std::fabs(pass.correction) > kWildStep) break;
            m += pass.correction;
            if (k == 1) riseHourAngle = static_cast<float>(pass.hourAngleRad);
            if (std::fabs(pass.correction) < kSettled) break;
        }
        hours[k] = m * 24.0;
    }
    splitTime(hours[0], transitHour, transitMinute);
    if (hasRiseSet()) {
        splitTime(hours[1], riseHour, riseMinute);
        splitTime(hours[2], setHour, setMinute);
    } else {
        riseHour = riseMinute = setHour = setMinute = 0;
        riseHourAngle = 0;
    }
}

void DateTime::riseSetToLocal() {
    int zoneH = 0, zoneM = 0;
    zoneParts(zoneH, zoneM);
    shiftClock(riseHour, riseMinute, zoneH, zoneM);
    shiftClock(transitHour, transitMinute, zoneH, zoneM);
    shiftClock(setHour, setMinute, zoneH, zoneM);
}

void DateTime::setJulianDay(double jd) {
    const double offsetDays = zoneOffsetHours() / 24.0;
    const CalendarTime local = julianDayToCalendar(jd + offsetDays);
    localYear = local.year;
    localMonth = local.month;
    localDay = local.day;
    localHour = local.hours;
    localMinute = local.minutes;
    computeDate();
    JD = jd;
    t = (jd - 2451545.0) / 365250.0;
    T = (jd - 2451545.0) / 36525.0;
    JDE = JD + deltaT;
}

}  // namespace vantorel
