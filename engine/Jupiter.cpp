#include "engine/Jupiter.h"

#include <cmath>

#include "engine/Angles.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/ElementPolynomial.h"
#include "engine/VsopSeries.h"

namespace vantorel {

void Jupiter::initConstants() {
    setPolynomial(meanLongitudePoly, {34.351484, 3036.3027889, 0.00022374, 2.5e-08});
    setPolynomial(semiMajorAxisPoly, {5.202603191, 1.913e-07});
    setPolynomial(eccentricityPoly, {0.04849485, 0.000163244, -4.719e-07, -1.97e-09});
    setPolynomial(inclinationPoly, {1.30327, -0.0054966, 4.65e-06, -4e-09});
    setPolynomial(nodePoly, {100.464441, 1.020955, 0.00040117, 5.69e-07});
    setPolynomial(perihelionPoly, {14.331309, 1.6126668, 0.00103127, -4.569e-06});
}

void Jupiter::computeHeliocentric(double t) { heliocentricFrom(kVsopJupiter, t); }

void Jupiter::computeElements(double T) { evaluateElementPolynomials(T); }

void Jupiter::computePhysical(DateTime& dt, const EarthSun& es) {
    const double d1 = dt.JD - 2433282.5;
    const double T1 = d1 / 36525.0;
    const double W1 = reduceDegrees(17.71 + 877.90003539 * d1);
    const double W2 = reduceDegrees(16.838 + 870.27003539 * d1);

    rectangularFromEarth(es);
    L -= toRad(0.01299 * Delta / (r * r));
    rectangularFromEarth(es);

    const Rotation rot = rotationFromPole(dt, toRad(268.0 + 0.1061 * T1), toRad(64.5 - 0.0164 * T1));
    poleInclination = rot.DE;
    const double xiDeg = rot.xi * kDegPerRad;
    const double omega1 = reduceDegrees(W1 - xiDeg - 0.088493952 * kDegPerRad * Delta);
    const double omega2 = reduceDegrees(W2 - xiDeg - 0.087724786 * kDegPerRad * Delta);

    // The lit disc's centre lies toward the sub-solar meridian, on the side
    // given by where Jupiter stands against the Earth around the Sun.
    const double R = es.earthR;
    const double size =
        (R * R + 2 * r * Delta - r * r - Delta * Delta) / (4 * r * Delta) * kDegPerRad;
    double elongation = reduceDegrees((L - es.earthL) * kDegPerRad);
    if (elongation > 180.0) elongation -= 360.0;
    phaseCorrectionDeg = elongation >= 0 ? size : -size;

    centralLongitude = system1Deg = omega1;
    system2 = system2Deg = omega2;
    system1Corrected = system1CorrectedDeg = reduceDegrees(omega1 + phaseCorrectionDeg);
    system2Corrected = system2CorrectedDeg = reduceDegrees(omega2 + phaseCorrectionDeg);
    centralLongitudeDeg = omega1;

    fillCommonResults(es, 196.94);
    magnitude = linearMagnitude(es, -9.40, 0.005);
}

JupiterPlace Jupiter::satellitePlace(const EarthSun& es) const {
    JupiterPlace p;
    p.l = L;
    p.b = B;
    p.r = r;
    p.delta = Delta;
    p.inclinationDeg = inclination;
    p.nodeDeg = node;
    p.sunLongitude = es.sunGeometricLongitude;
    p.sunLatitude = -es.earthB;
    p.sunDistance = es.earthR;
    return p;
}

}  // namespace vantorel
