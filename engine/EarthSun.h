#pragma once

// The Earth's heliocentric place and the Sun's place and disc data for one
// document. Every planet computation takes it as input.

namespace vantorel {

class DateTime;

class EarthSun {
public:
    EarthSun();

    // Low-precision elements of the Sun and its true longitude (degrees, not reduced).
    void computeSun(double T);
    // The Earth's heliocentric place from its series; the Sun's apparent place.
    void computeEarth(const DateTime& dt);
    // Position angle, B0, L0 of the solar disc and its diameter.
    void computeSunPhysical(const DateTime& dt);

    // computeSun, degrees
    double sunMeanLongitude = 0;
    double sunTrueLongitude = 0;
    double sunMeanAnomaly = 0;
    double eccentricity = 0;
    double equationOfCentre = 0;
    // computeEarth
    double sunGeometricLongitude = 0;  // corrected to FK5, radians
    double sunApparentLongitude = 0;   // radians
    double sunApparentLatitude = 0;    // radians
    double sunDistance = 0;            // AU
    // computeSunPhysical, degrees; diameter in arc minutes
    double discP = 0, discB0 = 0, discL0 = 0;
    double sunDiameterArcmin = 0;
    // Right ascension and declination from the geometric longitude and the
    // mean obliquity, degrees.
    double sunRa = 0, sunDec = 0;
    double sunDiscLongitude = 0;  // radians
    // Partial sums of the Earth's series: L0..L5, B0, B1, R0..R4 (1e-8 rad or AU).
    double seriesSums[13] = {};
    // Earth's heliocentric place: radians, radians, AU.
    double earthL = 0, earthB = 0, earthR = 0;
    // Terms evaluated per series, in the order of seriesSums.
    int termCounts[13];
    double earthLCopy = 0;
};

}  // namespace vantorel
