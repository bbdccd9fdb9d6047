#pragma once

#include <string>

#include "engine/PlanetGeometry.h"

namespace vantorel {

class DateTime;
class EarthSun;
struct VsopTheory;

// A planet's heliocentric theory behind two abstract operations, and the chain
// from its heliocentric place to the apparent geocentric place.
class Planet : public PlanetGeometry {
public:
    virtual ~Planet() = default;
    // Heliocentric L, B, r for t in Julian millennia from J2000.0.
    virtual void computeHeliocentric(double t) = 0;
    // The element polynomials at T (Julian centuries).
    virtual void computeElements(double T) = 0;
    // The planet's physical data (after computePosition), so that a document
    // can run any planet through one sequence.
    virtual void computePhysical(DateTime& dt, const EarthSun& earthSun) = 0;

    // computeElements (T), then computeApparentPlace.
    void computePosition(DateTime& dt, const EarthSun& earthSun);
    // Light time (three passes), aberration, FK5, nutation, RA and Dec. Leaves
    // the record's t at the last light-time epoch.
    void computeApparentPlace(const EarthSun& earthSun, DateTime& dt);

    // Results of the physical operation.
    int raHours = 0, raMinutes = 0, raSeconds = 0;
    int decDegrees = 0, decMinutes = 0;
    std::string decText;
    double centralLongitudeDeg = 0;
    double magnitude = 0;
    double distanceAU = 0;  // Delta
    double illumination = 0;
    double diameterArcsec = 0;
    double poleInclination = 0;  // planetocentric declination of the Earth, radians
    double earthLongitude = 0;   // radians

protected:
    // Geometric equatorial place (radians) from x, y, z with the mean obliquity.
    void geometricEquatorial(double epsilon0, double& alpha, double& delta) const;
    struct PoleView {
        double DE;  // planetocentric declination of the Earth, radians
        double xi;  // radians
    };
    static PoleView poleView(double alpha0, double delta0, double alpha, double delta);
    // Position angle of the pole from the apparent pole and planet (radians).
    static double positionAngleOf(double alpha0, double delta0, double alpha, double delta);
    // Geometric place (common step 1) and the pole's view of the Earth.
    struct Rotation {
        double DE, xi, alpha, delta;  // radians
    };
    Rotation rotationFromPole(const DateTime& dt, double alpha0, double delta0) const;
    // W - xi - lightTerm Delta, reduced to 0-360, for a pole and W given for
    // J2000 (the IAU form); DE becomes the pole inclination.
    double centralLongitudeFromPole(const DateTime& dt, double alpha0Deg, double delta0Deg,
                                    double wDeg, double lightTermDegPerAU);
    // Evaluates a VSOP87 theory into L, B, r.
    void heliocentricFrom(const VsopTheory& theory, double t);
    // Right ascension and declination split for display, and the declination text.
    void splitDisplayPlace();
    // Display splits, Delta, illumination, diameter, the Earth's longitude.
    void fillCommonResults(const EarthSun& earthSun, double diameterConstant);
    // Apparent equatorial places of the pole and the planet (radians) and the
    // position angle P of the pole.
    struct PoleAndPlanet {
        double poleRa, planetRa, poleDec, planetDec, P;
    };
    // From the ecliptic pole (lambda0, beta0) and the planet's geometric place,
    // the planet corrected for aberration, both for nutation.
    PoleAndPlanet positionAngleFromEcliptic(const DateTime& dt, const EarthSun& earthSun,
                                     double lambda0, double beta0, double lambdaPlanet,
                                     double betaPlanet) const;
};

}  // namespace vantorel
