#pragma once

#include "engine/ELEMENT.h"

namespace vantorel {

class EARTH_SUN;

// The small computations every planet does on its ELEMENT record.
class ELEMENT_FCT : public ELEMENT {
public:
    // Keeps a copy of the rectangular coordinates (x, y, z).
    void storeRectangular();
    // sqrt(x^2 + y^2 + z^2) into Delta.
    double distance();
    // Illuminated fraction from r, Delta and the Earth-Sun distance R.
    double illuminatedFraction(double earthSunR) const;
    // Phase angle (degrees) seen from the Earth.
    double phaseAngle(const EARTH_SUN& earthSun) const;
    // 5 log10(r Delta) + a + b i, i the phase angle in degrees.
    double linearMagnitude(const EARTH_SUN& earthSun, double a, double b) const;
    static double reduce(double degrees);

    // Geocentric rectangular coordinates from the heliocentric place and the
    // Earth's, then Delta.
    void rectangularFromEarth(const EARTH_SUN& earthSun);
    // Each element polynomial at T, then M and omega.
    void evaluateElementPolynomials(double T);

    double xScratch = 0, yScratch = 0, zScratch = 0;
};

}  // namespace vantorel
