#include "engine/Pluto.h"

#include <cmath>

#include "engine/Angles.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/PlutoTable.h"
#include "engine/VsopSeries.h"

namespace vantorel {

void Pluto::computePhysical(DateTime& dt, const EarthSun& es) {
    PlutoPosition(dt);
    computePlutoPhysical(dt, es);
}

void Pluto::PlutoPosition(const DateTime& dt) {
    // Taken from JD itself: a light-time loop run before may have left the
    // record's t at another epoch.
    const double T = (dt.JD - 2451545.0) / 36525.0;
    const double t = T / 10.0;
    const double J = 34.35 + 3034.9057 * T;
    const double S = 50.08 + 1222.1138 * T;
    const double P = 238.96 + 144.96 * T;
    double lon = 0, lat = 0, rad = 0;
    for (const PlutoRow& row : kPlutoTable) {
        const double a =
            (row.multipliers[0] * J + row.multipliers[1] * S + row.multipliers[2] * P) / kDegPerRad;
        const double s = std::sin(a);
        const double c = std::cos(a);
        lon += row.coefficients[0] * s + row.coefficients[1] * c;
        lat += row.coefficients[2] * s + row.coefficients[3] * c;
        rad += row.coefficients[4] * s + row.coefficients[5] * c;
    }
    const double l = toRad(238.95679f + 144.96 * T + lon / 1e6);
    const double b = toRad(-3.908202f + lat / 1e6);
    r = 40.724724f + rad / 1e7;
    L = l;
    B = helioLatitude = b;

    // The Sun referred to J2000, rectangular and equatorial.
    const HeliocentricPlace e = evaluateTheory(kVsopEarthJ2000, t);
    const double sl = e.L + kPi;
    const double sb = -e.B;
    const double x0 = e.R * std::cos(sb) * std::cos(sl);
    const double y0 = e.R * std::cos(sb) * std::sin(sl);
    const double z0 = e.R * std::sin(sb);
    const double X = x0 + 4.4036e-7 * y0 - 1.90919e-7 * z0;
    const double Y = -4.79966e-7 * x0 + 0.917482137087 * y0 - 0.397776982902 * z0;
    const double Z = 0.397776982902 * y0 + 0.917482137087 * z0;

    xHelio = r * std::cos(l) * std::cos(b);
    yHelio = r * (std::sin(l) * std::cos(b) * 0.917482062 - std::sin(b) * 0.397777156);
    zHelio = r * (std::sin(l) * std::cos(b) * 0.397777156 + std::sin(b) * 0.917482062);

    // An astrometric place: no light time, and nothing left of an apparent
    // place computed through the planet chain.
    tau = 0;
    lambda = beta = 0;
    xi = X + xHelio;
    eta = Y + yHelio;
    zeta = Z + zHelio;
    Delta = std::sqrt(xi * xi + eta * eta + zeta * zeta);
    distanceAU = Delta;
    ra = std::atan2(eta, xi) * kDegPerRad;
    if (ra < 0) ra += 360.0;
    dec = std::asin(zeta / Delta) * kDegPerRad;
    splitDisplayPlace();
}

void Pluto::computePlutoPhysical(const DateTime& dt, const EarthSun& es) {
    // The geocentric place is already equatorial: it gives alpha and delta
    // directly (turning it by the obliquity again, or taking the heliocentric
    // vector, would tilt the pole by degrees).
    const double alpha = std::atan2(eta, xi);
    const double delta = std::atan(zeta / std::sqrt(xi * xi + eta * eta));
    const double d = dt.JD - 2451545.0;
    const PoleView v = poleView(toRad(313.02), toRad(9.09), alpha, delta);
    poleInclination = v.DE;
    centralLongitude = reduceDegrees(236.77 - 56.3623195 * d - v.xi * kDegPerRad);
    centralLongitudeDeg = centralLongitude;
    illumination = illuminatedFraction(es.earthR);
    diameterArcsec = 4.14 / Delta;
    magnitude = -1.0 + 5 * std::log10(r * Delta);
    earthLongitude = es.earthL;
}

}  // namespace vantorel
