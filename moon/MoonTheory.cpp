#include "moon/MoonTheory.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/Angles.h"
#include "engine/Coordinates.h"
#include "engine/MinuteInstant.h"
#include "moon/LunarPhase.h"
#include "moon/MoonSeries.h"

namespace vantorel {

namespace {

// Inclination of the mean lunar equator to the ecliptic, radians, as this
// program has always used it.
constexpr double kInclination = 0.026571241;
// The fixed Earth-Sun distance (km) of the Sun's selenographic place.
constexpr double kSunDistanceKm = 149971500.0;

double reducedRadians(double degrees) {
    return toRad(reduceDegrees(degrees));
}

}  // namespace

double MoonTheory::signedLibrationLongitude(double lDeg) {
    return lDeg > 15.0 ? lDeg - 360.0 : lDeg;
}

double MoonTheory::colongitudeFromSunLongitude(double l0Deg) {
    const double c0 = 450.0 - l0Deg;
    return c0 > 359.9 ? c0 - 360.0 : c0;
}

bool MoonTheory::inLunarXWindow(double c0) {
    return c0 >= kLunarXLow && c0 <= kLunarXHigh;
}

void MoonTheory::resetPhaseSlots() {
    for (MoonPhaseRecord& r : firstQuarters)
        r.clear();
    for (int i = 0; i < 14; ++i)
        lunarXFilled[i] = false;
}

void MoonTheory::computeMoon(const DateTime& dt, double sunLongitudeRad, bool search) {
    searchMode = search;
    computePosition(dt);

    // Step 6: the Moon's own librations, taken before the Sun's place reuses
    // the routine.
    const Libration moon = computeLibration(toRad(apparentLongitude), toRad(latitude));
    librationLongitude = signedLibrationLongitude(moon.longitudeDeg);
    librationLatitude = moon.latitudeRad;

    computeSunOnMoon(sunLongitudeRad);
    testLunarX(dt);

    // Step 9: display values.
    const HoursMinutesSeconds ra = splitHours(toDeg(rightAscension));
    raHours = ra.hours;
    raMinutes = ra.minutes;
    raSeconds = ra.seconds;
    const double decDeg = toDeg(declination);
    decDegrees = static_cast<int>(decDeg);
    decMinutes = std::abs(static_cast<int>((decDeg - decDegrees) * 60.0));

    // Step 10.
    apparentDiameter = 120.0 * toDeg(std::asin(0.272481 * std::sin(std::asin(6378.14 / distance))));

    if (!searchMode) {
        computePhaseTable(dt);
        computeMonthPhases(dt);
    }
    findLastNewMoon(dt);
    if (colongitude < 0.0) colongitude += 360.0;
    displayDistance = distance;
}

void MoonTheory::computePosition(const DateTime& dt) {
    T = dt.T;
    const double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
    const double LpDeg =
        218.3164591 + 481267.88134236 * T - 0.0013268 * T2 + T3 / 538841.0 - T4 / 65194000.0;
    Lprime = reducedRadians(LpDeg);
    D = reducedRadians(297.8502042 + 445267.1115168 * T - 0.00163 * T2 + T3 / 545868.0 -
                       T4 / 113065000.0);
    M = reducedRadians(357.5291092 + 35999.0502909 * T - 0.0001536 * T2 + T3 / 24490000.0);
    Mprime = reducedRadians(134.9634114 + 477198.8676313 * T + 0.008997 * T2 + T3 / 69699.0 -
                            T4 / 14712000.0);
    F = reducedRadians(93.2720993 + 483202.0175273 * T - 0.0034029 * T2 - T3 / 3526000.0 +
                       T4 / 863310000.0);
    const double A1 = toRad(119.75 + 131.849 * T);
    const double A2 = toRad(53.09 + 479264.29 * T);
    const double A3 = toRad(313.45 + 481266.484 * T);
    E = 1.0 - 0.002516 * T - 0.0000074 * T2;
    const double E2 = E * E;

    // Step 2: the two tables; terms in M carry E once or twice.
    auto eFactor = [&](int mMultiple) {
        const int m = std::abs(mMultiple);
        return m == 1 ? E : m == 2 ? E2 : 1.0;
    };
    double sumL = 0.0, sumR = 0.0, sumB = 0.0;
    for (const MoonLongitudeDistanceTerm& term : kMoonLongitudeDistanceTerms) {
        const double arg = term.multiples[0] * D + term.multiples[1] * M +
                           term.multiples[2] * Mprime + term.multiples[3] * F;
        const double e = eFactor(term.multiples[1]);
        sumL += term.longitude * e * std::sin(arg);
        sumR += term.distance * e * std::cos(arg);
    }
    for (const MoonLatitudeTerm& term : kMoonLatitudeTerms) {
        const double arg = term.multiples[0] * D + term.multiples[1] * M +
                           term.multiples[2] * Mprime + term.multiples[3] * F;
        sumB += term.latitude * eFactor(term.multiples[1]) * std::sin(arg);
    }

    // Step 3: additive terms (Venus, Jupiter, the flattening of the Earth).
    sumL += 3958.0 * std::sin(A1) + 1962.0 * std::sin(Lprime - F) + 318.0 * std::sin(A2);
    sumB += -2235.0 * std::sin(Lprime) + 382.0 * std::sin(A3) + 175.0 * std::sin(A1 - F) +
            175.0 * std::sin(A1 + F) + 127.0 * std::sin(Lprime - Mprime) -
            115.0 * std::sin(Lprime + Mprime);

    // Step 4.
    geometricLongitude = reduceDegrees(toDeg(Lprime) + sumL / 1000000.0);
    apparentLongitude = geometricLongitude + dt.deltaPsi / 3600.0;
    latitude = sumB / 1000000.0;
    distance = 385000.56 + sumR / 1000.0;

    // Step 5.
    rightAscension =
        eclipticToRightAscension(dt.epsilon, toRad(apparentLongitude), toRad(latitude));
    declination = eclipticToDeclination(dt.epsilon, toRad(apparentLongitude), toRad(latitude));
    axisPositionAngle = computeAxisPositionAngle(dt);
}

double MoonTheory::computeAxisPositionAngle(const DateTime& dt) const {
    // The direction of the Moon's rotation axis on the sky (the handbook's
    // physical ephemeris): the ascending node of the lunar equator on the
    // true equator of date, then the north pole's angle from the celestial
    // north through east.
    const PhysicalLibration phys = physicalLibration();
    const double deltaPsiRad = toRad(dt.deltaPsi / 3600.0);
    const double V = phys.omegaRad + deltaPsiRad + toRad(phys.sigmaDeg) / std::sin(kInclination);
    const double iRho = kInclination + toRad(phys.rhoDeg);
    const double X = std::sin(iRho) * std::sin(V);
    const double Y = std::sin(iRho) * std::cos(V) * std::cos(dt.epsilon) -
                     std::cos(iRho) * std::sin(dt.epsilon);
    const double omega = std::atan2(X, Y);
    const double sinP =
        std::sqrt(X * X + Y * Y) * std::cos(rightAscension - omega) / std::cos(librationLatitude);
    // The axis never leans more than about 25 degrees from the hour circle,
    // so the arcsine's range holds it.
    return toDeg(std::asin(std::clamp(sinP, -1.0, 1.0)));
}

MoonTheory::PhysicalLibration MoonTheory::physicalLibration() const {
    const double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
    PhysicalLibration p;
    p.omegaRad =
        toRad(125.044555 - 1934.1361849 * T + 0.0020762 * T2 + T3 / 467410.0 - T4 / 18999000.0);
    const double args[7] = {
        D, M, Mprime, F, p.omegaRad, toRad(119.75 + 131.849 * T), toRad(72.56 + 20.186 * T)};
    p.rhoDeg = sumAngleTerms(kLibrationRhoTerms, args, E);
    p.sigmaDeg = sumAngleTerms(kLibrationSigmaTerms, args, E);
    p.tauDeg = sumAngleTerms(kLibrationTauTerms, args, E);
    return p;
}

Libration MoonTheory::computeLibration(double lambdaRad, double betaRad) const {
    const PhysicalLibration phys = physicalLibration();
    const double W = lambdaRad - phys.omegaRad;
    const double sinI = std::sin(kInclination), cosI = std::cos(kInclination);
    const double A = std::atan2(std::sin(W) * std::cos(betaRad) * cosI - std::sin(betaRad) * sinI,
                                std::cos(W) * std::cos(betaRad));
    const double lOptical = A - F;
    const double bOptical =
        std::asin(-std::sin(W) * std::cos(betaRad) * sinI - std::sin(betaRad) * cosI);

    const double rho = phys.rhoDeg;
    const double sigma = phys.sigmaDeg;
    const double tau = phys.tauDeg;

    Libration r;
    r.longitudeDeg = reduceDegrees(
        toDeg(lOptical) + (rho * std::cos(A) + sigma * std::sin(A)) * std::tan(bOptical) - tau);
    r.latitudeRad = bOptical + toRad(sigma * std::cos(A) - rho * std::sin(A));
    return r;
}

void MoonTheory::computeSunOnMoon(double sunLongitudeRad) {
    const double K = distance / kSunDistanceKm;
    const double betaRad = toRad(latitude);
    const double lambdaH = reduceDegrees(toDeg(sunLongitudeRad) + 180.0 +
                                         K * 57.296 * std::cos(betaRad) *
                                             std::sin(sunLongitudeRad - toRad(apparentLongitude)));
    const double betaH = reduceDegrees(K * latitude);
    const Libration sun = computeLibration(toRad(lambdaH), toRad(betaH));
    colongitude = colongitudeFromSunLongitude(sun.longitudeDeg);
}

void MoonTheory::testLunarX(const DateTime& dt) {
    if (!searchMode) {
        lunarXCount = 0;
        return;
    }
    if (lunarXFound || !inLunarXWindow(colongitude)) return;
    lunarXFound = true;
    if (lunarXCount < 0 || lunarXCount >= kLunarXLineCount) return;
    const CalendarTime c = localCalendarOfMinute(dt);
    lunarXInstants[lunarXCount] = c;
    lunarXFilled[lunarXCount] = true;
    ++lunarXCount;
}

void MoonTheory::computePhaseTable(const DateTime& dt) {
    // The month before the instant's; one lunation earlier still, so that the
    // table always holds a new moon before the first day of the month.
    int month = static_cast<int>(dt.localMonth) - 1;
    int year = static_cast<int>(dt.localYear);
    if (month < 1) {
        month = 12;
        year -= 1;
    }
    const double k0 = lunationNumber(month, year) - 1.0;
    const double phaseT = k0 / 1236.85;
    int nextQuarter = 0;
    while (nextQuarter < kFirstQuarterCount && !firstQuarters[nextQuarter].empty())
        ++nextQuarter;
    for (int i = 0; i < kPhaseCount; ++i) {
        const int kind = i % 4;
        const double jde = phaseJDE(k0 + 0.25 * i, kind, phaseT, E);
        // Each phase with the offset in force then: summer time may begin
        // or end within the table.
        phaseTable[i] = MoonPhaseRecord::at(kind, jde + dt.zoneOffsetHoursAt(jde) / 24.0);
        if (kind == kFirstQuarter && nextQuarter < kFirstQuarterCount)
            firstQuarters[nextQuarter++] = phaseTable[i];
    }
}

void MoonTheory::computeMonthPhases(const DateTime& dt) {
    const int month = static_cast<int>(dt.localMonth);
    const int year = static_cast<int>(dt.localYear);
    const int nextMonth = month == 12 ? 1 : month + 1;
    const int nextYear = month == 12 ? year + 1 : year;
    for (MoonPhaseRecord& r : monthPhases)
        r.clear();
    int taken = 0;
    for (int i = 0; i < kMonthScanCount && taken < kMonthPhaseCount; ++i) {
        const MoonPhaseRecord& r = phaseTable[i];
        const bool thisMonth = r.month == month && r.year == year;
        const bool following = r.month == nextMonth && r.year == nextYear;
        if (thisMonth || following) monthPhases[taken++] = r;
    }
}

void MoonTheory::findLastNewMoon(const DateTime& dt) {
    // Both instants in local time: the records hold local Julian days.
    const double localJd = dt.JD + dt.zoneOffsetHours() / 24.0;
    lastNewMoon.clear();
    for (const MoonPhaseRecord& r : phaseTable)
        if (r.kind == kNewMoon && r.julianDay < localJd &&
            (lastNewMoon.empty() || r.julianDay > lastNewMoon.julianDay))
            lastNewMoon = r;
    if (lastNewMoon.empty()) {
        moonAge = -1;
        return;
    }
    moonAge = static_cast<int>(localJd - lastNewMoon.julianDay);
}

void MoonTheory::computeIlluminatedFraction(double sunRaDeg, double sunDecDeg,
                                            double sunDistanceAU) {
    const double a0 = toRad(sunRaDeg), d0 = toRad(sunDecDeg);
    const double cosPsi = std::sin(d0) * std::sin(declination) +
                          std::cos(d0) * std::cos(declination) * std::cos(a0 - rightAscension);
    const double psi = std::acos(std::fmax(-1.0, std::fmin(1.0, cosPsi)));
    const double R = sunDistanceAU * 149600000.0;
    const double i = std::atan2(R * std::sin(psi), distance - R * std::cos(psi));
    illuminatedFraction = (1.0 + std::cos(i)) / 2.0;
}

}  // namespace vantorel
