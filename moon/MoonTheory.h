#pragma once

#include "engine/DateTime.h"
#include "moon/MoonPhaseRecord.h"

// The Moon for one instant: its apparent place and distance (the truncated
// ELP-2000/82 theory as Meeus prints it, 1st edition arguments), diameter,
// illuminated fraction, optical and physical librations, the selenographic
// colongitude of the Sun, the principal phases around the month, the last new
// moon and the Lunar X test used by the Moon document's search.

namespace vantorel {

// Librations of the Moon for one direction (the Moon's or the Sun's place).
struct Libration {
    double longitudeDeg = 0.0;  // total libration in longitude, 0..360
    double latitudeRad = 0.0;   // total libration in latitude
};

class MoonTheory {
  public:
    static constexpr int kPhaseCount = 56;
    static constexpr int kMonthPhaseCount = 8;
    static constexpr int kMonthScanCount = 16;
    static constexpr int kFirstQuarterCount = 14;
    static constexpr int kLunarXLineCount = 30;
    // The colongitude window in which the Lunar X shows (degrees, inclusive).
    static constexpr double kLunarXLow = 357.8;
    static constexpr double kLunarXHigh = 358.4;

    MoonTheory() { resetPhaseSlots(); }

    // Steps 1 to 13 for the instant held by `dt` (computeDate and
    // computeNutation already run); sunLongitudeRad is the Sun's apparent
    // longitude for the same instant. In search mode the phase table and month
    // phases are left as they are and the Lunar X test is armed.
    void computeMoon(const DateTime& dt, double sunLongitudeRad, bool searchMode);
    // Steps 1 to 5 alone: the apparent place and distance, all a search of
    // the Moon's rise and set needs.
    void computePlace(const DateTime& dt) { computePosition(dt); }
    // The Sun's right ascension and declination in degrees, distance in AU.
    void computeIlluminatedFraction(double sunRaDeg, double sunDecDeg, double sunDistanceAU);
    // Empties the first-quarter records and the first 14 Lunar X lines.
    void resetPhaseSlots();
    // The date format (0..3) of the Lunar X lines.
    // Arms the Lunar X test for the next step of a search.
    void clearLunarXFound() { lunarXFound = false; }
    void setLunarXCount(int count) { lunarXCount = count; }

    // Librations for an ecliptic direction (lambda, beta in radians) with the
    // arguments of the last computeMoon.
    Libration computeLibration(double lambdaRad, double betaRad) const;

    // The libration in longitude as shown: l, or l - 360 above 15 degrees.
    static double signedLibrationLongitude(double lDeg);
    // 450 - l0 from the Sun's libration in longitude l0 (0..360), less 360
    // above 359.9: a value in (-0.1, 359.9] until computeMoon moves it into 0..360.
    static double colongitudeFromSunLongitude(double l0Deg);
    // The Lunar X test on the colongitude, both limits included.
    static bool inLunarXWindow(double c0);

    // Fundamental arguments (radians, reduced before conversion) and E.
    double Lprime = 0, D = 0, M = 0, Mprime = 0, F = 0, E = 1;
    double T = 0;                   // Julian centuries of the instant
    double geometricLongitude = 0;  // degrees, before nutation
    double apparentLongitude = 0;   // degrees
    double latitude = 0;            // degrees
    double distance = 0;            // km
    double rightAscension = 0;      // radians, 0..2 pi
    double declination = 0;         // radians
    int raHours = 0, raMinutes = 0, raSeconds = 0;
    int decDegrees = 0, decMinutes = 0;
    double apparentDiameter = 0;     // arc-minutes
    double illuminatedFraction = 0;  // 0..1
    double librationLongitude = 0;   // degrees, signed, in (-345, 15]
    double librationLatitude = 0;    // radians
    double colongitude = 0;          // degrees, 0..360
    // Position angle of the Moon's axis: its north pole's direction from the
    // celestial north, positive through east, degrees in [-90, 90].
    double axisPositionAngle = 0;
    double displayDistance = 0;      // km
    int moonAge = -1;                // whole days since the last new moon

    MoonPhaseRecord phaseTable[kPhaseCount];
    MoonPhaseRecord monthPhases[kMonthPhaseCount];
    MoonPhaseRecord lastNewMoon;
    MoonPhaseRecord firstQuarters[kFirstQuarterCount];

    // The moments found by a search, local time; a slot is kept until the
    // phase slots are reset, so a shorter search leaves the later ones empty.
    CalendarTime lunarXInstants[kLunarXLineCount] = {};
    bool lunarXFilled[kLunarXLineCount] = {};
    int lunarXCount = 0;
    bool searchMode = false;
    bool lunarXFound = false;

  private:
    // Nodal longitude of the Moon's orbit (radians) and the physical
    // librations rho, sigma, tau (degrees) for the last computed instant.
    struct PhysicalLibration {
        double omegaRad = 0;
        double rhoDeg = 0;
        double sigmaDeg = 0;
        double tauDeg = 0;
    };
    PhysicalLibration physicalLibration() const;
    double computeAxisPositionAngle(const DateTime& dt) const;
    void computePosition(const DateTime& dt);
    void computeSunOnMoon(double sunLongitudeRad);
    void testLunarX(const DateTime& dt);
    void computePhaseTable(const DateTime& dt);
    void computeMonthPhases(const DateTime& dt);
    void findLastNewMoon(const DateTime& dt);
};

}  // namespace vantorel
