#pragma once

// The coordinates of one planet, from its mean elements to its apparent place.

namespace vantorel {

struct PlanetRecord {
    // Mean element polynomials c0 + c1 T + c2 T^2 + c3 T^3 (T Julian centuries,
    // mean equinox of date): degrees, a in AU.
    double meanLongitudePoly[4] = {};
    double semiMajorAxisPoly[4] = {};
    double eccentricityPoly[4] = {};
    double inclinationPoly[4] = {};
    double nodePoly[4] = {};
    double perihelionPoly[4] = {};

    // The same evaluated at T, then mean anomaly and argument of perihelion (degrees).
    double meanLongitude = 0, semiMajorAxis = 0, eccentricity = 0, inclination = 0;
    double node = 0, perihelion = 0, meanAnomaly = 0, argumentOfPerihelion = 0;

    // Heliocentric ecliptic place: L not reduced to one turn (radians), B (radians), r (AU).
    double L = 0, B = 0, r = 0;
    // Geocentric longitude and latitude (radians): geometric, then apparent.
    double lambda = 0, beta = 0;
    double tau = 0;  // light time, days
    // Geocentric ecliptic rectangular coordinates (AU).
    double x = 0, y = 0, z = 0;
    // Central longitude (degrees); Jupiter: System I here, then System II and
    // both corrected for phase.
    double centralLongitude = 0, system2 = 0, system1Corrected = 0, system2Corrected = 0;
    double Delta = 0;          // distance from the Earth, AU
    double positionAngle = 0;  // of the pole, radians (Mars, Saturn, Uranus)
    double ra = 0, dec = 0;    // apparent, degrees (ra 0-360)
};

}  // namespace vantorel
