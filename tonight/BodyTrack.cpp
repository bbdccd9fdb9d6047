#include "tonight/BodyTrack.h"

#include <algorithm>
#include <cmath>

#include "engine/Angles.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/Planet.h"
#include "moon/MoonPlace.h"

namespace vantorel {

namespace {

constexpr double kEarthRadiusKm = 6378.14;
constexpr double kMoonRadiusKm = 1737.4;

// The document sequence for one universal instant: date, nutation, the place.
ApparentPlace engineInstant(const BodyPlace& place, double jdUt, EarthSun& es) {
    DateTime dt;
    dt.setLocal(2000, 1, 1, 0, 0, 0, 0);
    dt.setJulianDay(jdUt);
    dt.computeNutation();
    ApparentPlace p;
    place(dt, es, p.raDeg, p.decDeg);
    return p;
}

}  // namespace

PlaceFunction sunPlaceFunction() {
    return [](double jd) {
        EarthSun es;
        ApparentPlace p = engineInstant(sunPlace(), jd, es);
        p.distance = es.sunDistance;
        return p;
    };
}

PlaceFunction planetPlaceFunction(Planet& planet) {
    return [&planet](double jd) {
        EarthSun es;
        ApparentPlace p = engineInstant(planetPlace(planet), jd, es);
        p.distance = planet.Delta;
        return p;
    };
}

PlaceFunction moonPlaceFunction(MoonTheory& moon) {
    return [&moon](double jd) {
        EarthSun es;
        ApparentPlace p = engineInstant(moonPlace(moon), jd, es);
        p.distance = moon.distance;
        return p;
    };
}

double altitudeDeg(const ApparentPlace& place, double jdUt, const SiteCoordinates& site) {
    const double hourAngle = toRad(greenwichSiderealDeg(jdUt) + site.longitudeDeg - place.raDeg);
    const double phi = toRad(site.latitudeDeg), delta = toRad(place.decDeg);
    const double s = std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(hourAngle);
    return toDeg(std::asin(std::clamp(s, -1.0, 1.0)));
}

double moonLimbAltitudeDeg(const ApparentPlace& place, double jdUt, const SiteCoordinates& site) {
    const double geocentric = altitudeDeg(place, jdUt, site);
    if (!(place.distance > kEarthRadiusKm)) return geocentric;
    const double parallax = std::asin(kEarthRadiusKm / place.distance * std::cos(toRad(geocentric)));
    const double semiDiameter = std::asin(kMoonRadiusKm / place.distance);
    return geocentric - toDeg(parallax) + toDeg(semiDiameter);
}

double separationDeg(const ApparentPlace& a, const ApparentPlace& b) {
    const double d1 = toRad(a.decDeg), d2 = toRad(b.decDeg);
    const double c = std::sin(d1) * std::sin(d2) +
                     std::cos(d1) * std::cos(d2) * std::cos(toRad(a.raDeg - b.raDeg));
    return toDeg(std::acos(std::clamp(c, -1.0, 1.0)));
}

BodyTrack::BodyTrack(const PlaceFunction& place, double fromJd, double toJd, double stepDays)
    : from_(fromJd), step_(stepDays > 0 ? stepDays : kPlanetStepDays) {
    const int count = std::max(4, static_cast<int>(std::ceil((toJd - fromJd) / step_)) + 1);
    places_.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) places_.push_back(place(from_ + i * step_));
}

ApparentPlace BodyTrack::placeAt(double jd) const {
    const int n = static_cast<int>(places_.size());
    const double x = (jd - from_) / step_;
    const int first = std::clamp(static_cast<int>(std::floor(x)) - 1, 0, n - 4);
    const double u = x - first;  // in units of the step from the first point
    ApparentPlace out;
    double ra[4];
    for (int k = 0; k < 4; ++k) {
        ra[k] = places_[static_cast<size_t>(first + k)].raDeg;
        if (k > 0) ra[k] += 360.0 * std::round((ra[k - 1] - ra[k]) / 360.0);
    }
    for (int k = 0; k < 4; ++k) {
        double w = 1;
        for (int j = 0; j < 4; ++j)
            if (j != k) w *= (u - j) / (k - j);
        const ApparentPlace& p = places_[static_cast<size_t>(first + k)];
        out.raDeg += w * ra[k];
        out.decDeg += w * p.decDeg;
        out.distance += w * p.distance;
    }
    out.raDeg -= 360.0 * std::floor(out.raDeg / 360.0);
    return out;
}

}  // namespace vantorel
