#pragma once

#include "engine/PlanetRecord.h"

namespace vantorel {

class EarthSun;

// The small computations every planet does on its PlanetRecord record.
class PlanetGeometry : public PlanetRecord {
public:
    // Keeps a copy of the rectangular coordinates (x, y, z).
    void storeRectangular();
    // sqrt(x^2 + y^2 + z^2) into Delta.
    double distance();
    // Illuminated fraction from r, Delta and the Earth-Sun distance R.
    double illuminatedFraction(double earthSunR) const;
    // Phase angle (degrees) seen from the Earth.
    double phaseAngle(const EarthSun& earthSun) const;
    // 5 log10(r Delta) + a + b i, i the phase angle in degrees.
    double linearMagnitude(const EarthSun& earthSun, double a, double b) const;
    static double reduce(double degrees);

    // Geocentric rectangular coordinates from the heliocentric place and the
    // Earth's, then Delta.
    void rectangularFromEarth(const EarthSun& earthSun);
    // Each element polynomial at T, then M and omega.
    void evaluateElementPolynomials(double T);

    double xScratch = 0, yScratch = 0, zScratch = 0;
};

}  // namespace vantorel
