#include "engine/EarthSun.h"

#include <cmath>

#include "engine/Angles.h"
#include "engine/Coordinates.h"
#include "engine/DateTime.h"
#include "engine/VsopSeries.h"

namespace vantorel {

namespace {
constexpr double kFk5LongitudeRad = 4.37e-7;  // 0.09033"
constexpr double kFk5LatitudeRad = 1.89e-7;   // 0.03916"
constexpr double kArcsecPerRad = 3600.0 * kDegPerRad;
}  // namespace

EarthSun::EarthSun() {
    static constexpr int kCounts[13] = {64, 34, 20, 7, 3, 1, 5, 2, 40, 10, 6, 2, 1};
    for (int i = 0; i < 13; ++i) termCounts[i] = kCounts[i];
}

void EarthSun::computeSun(double T) {
    sunMeanLongitude = 280.46645 + 36000.76983 * T + 0.0003032 * T * T;
    sunMeanAnomaly = 357.5291 + 35999.0503 * T - 0.0001559 * T * T - 0.00000048 * T * T * T;
    eccentricity = 0.016708617 - 0.000042037 * T - 0.0000001236 * T * T;
    const double m = toRad(sunMeanAnomaly);
    equationOfCentre = (1.9146 - 0.004817 * T - 0.000014 * T * T) * std::sin(m) +
                       (0.019993 - 0.000101 * T) * std::sin(2 * m) + 0.00029 * std::sin(3 * m);
    sunTrueLongitude = sunMeanLongitude + equationOfCentre;
}

void EarthSun::computeEarth(const DateTime& dt) {
    const double t = dt.t;
    const VsopTheory& th = kVsopEarth;
    const VsopSeries* series[13] = {&th.L.series[0], &th.L.series[1], &th.L.series[2],
                                    &th.L.series[3], &th.L.series[4], &th.L.series[5],
                                    &th.B.series[0], &th.B.series[1], &th.R.series[0],
                                    &th.R.series[1], &th.R.series[2], &th.R.series[3],
                                    &th.R.series[4]};
    for (int i = 0; i < 13; ++i) seriesSums[i] = sumSeries(*series[i], t, termCounts[i]);
    const double* s = seriesSums;
    earthL = (((((s[5] * t + s[4]) * t + s[3]) * t + s[2]) * t + s[1]) * t + s[0]) / 1e8;
    earthB = (s[7] * t + s[6]) / 1e8;
    earthR = ((((s[12] * t + s[11]) * t + s[10]) * t + s[9]) * t + s[8]) / 1e8;
    earthLCopy = earthL;
    sunDistance = earthR;

    sunGeometricLongitude = earthL + kPi - kFk5LongitudeRad;

    sunApparentLongitude = earthL + kPi - 20.4898 / earthR / kArcsecPerRad - kFk5LongitudeRad +
                           dt.deltaPsi / kArcsecPerRad;
    const double T = dt.T;
    const double lp = toRad((earthL + kPi) * kDegPerRad - 1.397 * T - 0.00031 * T * T);
    sunApparentLatitude = -earthB + kFk5LatitudeRad * (std::cos(lp) - std::sin(lp));

    // The place shown is where the Sun is seen: apparent longitude and
    // latitude with the true obliquity. The geometric longitude with the mean
    // obliquity lies up to 40" away (aberration and nutation), which moves
    // the Sun's rise and set and the Moon's lit fraction.
    sunRa = eclipticToRightAscension(dt.epsilon, sunApparentLongitude, sunApparentLatitude) *
            kDegPerRad;
    sunDec = eclipticToDeclination(dt.epsilon, sunApparentLongitude, sunApparentLatitude) *
             kDegPerRad;
}

void EarthSun::computeSunPhysical(const DateTime& dt) {
    const double jde = dt.JDE;
    const double theta = (jde - 2398220.0) * 14.18439716;
    const double I = 0.12653637;  // 7.25 degrees
    const double K = toRad(73.6667 + 1.3958333 * (jde - 2396758.0) / 36525.0);
    sunDiscLongitude =
        toRad(sunTrueLongitude - 0.00569 - 0.00478 * std::sin(toRad(125.04 - 1934.136 * dt.T)));
    const double lambdaA = sunApparentLongitude;
    const double x = std::atan(-std::cos(sunDiscLongitude) * std::tan(dt.epsilon));
    const double y = std::atan(-std::cos(lambdaA - K) * std::tan(I));
    discP = (x + y) * kDegPerRad;
    discB0 = std::asin(std::sin(lambdaA - K) * std::sin(I)) * kDegPerRad;
    const double eta = std::atan2(-std::sin(lambdaA - K) * std::cos(I), -std::cos(lambdaA - K));
    discL0 = reduceDegrees(eta * kDegPerRad - theta);
    sunDiameterArcmin = 1919.26 / earthR / 60.0;
}

}  // namespace vantorel
