#pragma once

#include <functional>
#include <vector>

#include "engine/BodySequence.h"

// A body's apparent place over a night, computed by the engine at a few
// instants and interpolated between them, and its altitude at the site. The
// altitude searches ask for hundreds of instants; the engine's place at each
// would cost a VSOP87 sum (or the lunar series) every time, while the place
// itself changes smoothly: a cubic through places six hours apart (two hours
// for the Moon) is within a fraction of an arc second of the engine's own.

namespace vantorel {

class MoonTheory;
class Planet;

struct ApparentPlace {
    double raDeg = 0;
    double decDeg = 0;
    double distance = 0;  // AU, or km for the Moon
};

// The engine's place of a body at a universal instant.
using PlaceFunction = std::function<ApparentPlace(double jdUt)>;

// The engine's places: the Sun as the panels show it, a planet's apparent
// place, the Moon's geocentric place. Each computes the instant from scratch
// (date, nutation, Earth and Sun), as a document does.
PlaceFunction sunPlaceFunction();
PlaceFunction planetPlaceFunction(Planet& planet);
PlaceFunction moonPlaceFunction(MoonTheory& moon);

struct SiteCoordinates {
    double latitudeDeg = 0;
    double longitudeDeg = 0;  // east positive
};

// Geometric altitude of a place at the site (no refraction), degrees.
double altitudeDeg(const ApparentPlace& place, double jdUt, const SiteCoordinates& site);
// The altitude of the Moon's upper limb seen from the site (no refraction):
// the geocentric altitude less the parallax in altitude, plus the
// semi-diameter. The Moon rises and sets when it is at -0.5667 degree, as a
// planet's centre does.
double moonLimbAltitudeDeg(const ApparentPlace& place, double jdUt, const SiteCoordinates& site);
// Angular distance between two places, degrees.
double separationDeg(const ApparentPlace& a, const ApparentPlace& b);

class BodyTrack {
public:
    static constexpr double kPlanetStepDays = 0.25;
    static constexpr double kMoonStepDays = 1.0 / 12.0;

    // Places from `fromJd` to at least `toJd`, `stepDays` apart.
    BodyTrack(const PlaceFunction& place, double fromJd, double toJd, double stepDays);

    // The place at an instant, by a cubic through the four nearest places
    // (right ascension made continuous across 0/360).
    ApparentPlace placeAt(double jdUt) const;
    int placesComputed() const { return static_cast<int>(places_.size()); }

private:
    double from_ = 0;
    double step_ = 1;
    std::vector<ApparentPlace> places_;
};

}  // namespace vantorel
