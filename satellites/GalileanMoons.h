#pragma once

#include "engine/JupiterPlace.h"
#include "satellites/PhenomenonRows.h"

// Io, Europa, Ganymede and Callisto relative to Jupiter, in Jupiter equatorial
// radii, seen from the Earth and from the Sun (Lieske's E2x3 theory as Meeus
// abridges it for his higher-accuracy method), and the detection of their
// eclipses, occultations, transits and shadow transits from one computed
// instant to the next.
//
// Jupiter's own place comes in as a JupiterPlace (JupiterSystem takes it from
// the planet's last computation); this class holds everything else.

namespace vantorel {

class DateTime;
class EarthSun;


// Entries 0..3 are Io..Callisto seen from the Earth, 4..7 seen from the Sun.
constexpr int kSatelliteEntries = 8;
constexpr double kNoPrevious = -999.0;
// Ratio of Jupiter's equatorial to polar radius.
constexpr double kJupiterFlattening = 1.071374;

class GalileanMoons {
public:
    GalileanMoons();
    virtual ~GalileanMoons() = default;

    // Slots 0..15.
    virtual double precession(double T0);
    virtual double equatorInclination(double T);
    virtual void greatInequality();
    virtual void librationArgument();
    virtual void setTime(const DateTime& dt, double tau);
    virtual void nodeOfEquator();
    virtual void meanLongitudes();
    virtual void perijoveLongitudes();
    virtual void nodeLongitudes();
    virtual void radii();
    virtual void jovicentricCoordinates(double psi);
    virtual void apparentCoordinates(double psi, double I);
    virtual void recordPhenomena(double tau, const char* label, const DateTime& dt);
    // Returns the phenomenon code 1..8 written into `text` (five characters),
    // or 0 with `text` untouched.
    virtual int classifyPhenomenon(int sign, char* text, double d, double Z, int entry);

    // G and G', with the great inequality in G.
    void jupiterSaturnAnomalies();
    // Directions of Jupiter from the Sun (first) and the Earth (second).
    void setObserverDirections(const JupiterPlace& place);
    // Steps 2..10 of one computation, for an instant whose observer directions
    // are already set.
    void computeFromPlace(const JupiterPlace& place, const DateTime& dt, const char* label);
    // observer directions and the rest in one call.
    void computeAll(const JupiterPlace& place, const DateTime& dt, const char* label) {
        setObserverDirections(place);
        computeFromPlace(place, dt, label);
    }

    // Starts a search: no previous instant; the lasting states are taken
    // from the geometry of the first instant computed.
    void resetDetector();
    // Disc distance X^2 + (1.071374 Y)^2 of an entry.
    double discDistance(int entry) const;

    // ---- theory state (radians unless noted) ----
    double t = 0;          // days from JDE 2443000.5, light time removed
    double Gamma = 0;      // great inequality, degrees
    double phiLambda = 0;  // libration argument
    double psi = 0;        // node of Jupiter's equator on the ecliptic
    double G = 0, Gprime = 0;
    double l[4] = {}, pi[4] = {}, omega[4] = {};
    double trueLongitude[4] = {}, latitude[4] = {}, rho[4] = {}, distance[4] = {};  // L_j, B_j, rho_j, R_j
    double sigma[4] = {};  // longitude series, degrees
    float X[5] = {}, Y[5] = {}, Z[5] = {};
    double lambda0Earth = 0, beta0Earth = 0, lambda0Sun = 0, beta0Sun = 0;
    float AX[kSatelliteEntries] = {}, AY[kSatelliteEntries] = {}, AZ[kSatelliteEntries] = {};
    double JD = 0;  // universal time of the last computation
    // Jupiter's orbit and distance of the last computation (rad, rad, AU).
    double orbitInclination = 0, orbitNode = 0, jupiterDelta = 0;

    // ---- phenomenon detector ----
    double previous[kSatelliteEntries];
    bool occulted[4] = {}, eclipsed[4] = {};
    bool inTransit[4] = {}, shadowOnDisc[4] = {};
    bool queryMode = false;
    bool recording = false;
    bool fileMode = false;
    bool frenchCodes = false;
    double dayNumber = 0;
    PhenomenonRows rows;

private:
    void evaluateSeries();
    void recordRow(int entry, int code, const char* text, const char* label, const DateTime& dt);
};

}  // namespace vantorel
