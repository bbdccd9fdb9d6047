#pragma once

// Precession of equatorial places from the mean equator and equinox of
// J2000.0 to those of another instant: the rigorous rotation by the IAU 1976
// angles zeta, z and theta (Meeus, Astronomical Algorithms, ch. 21). The star
// catalogue and the constellation figures are of J2000.0; the bodies are of
// date.

namespace vantorel {

class Precession {
public:
    // To the equinox of the Julian ephemeris day `jde`.
    explicit Precession(double jde);

    // Right ascension (degrees, 0..360 on return) and declination (degrees)
    // of J2000.0 carried to the instant.
    void apply(double& raDeg, double& decDeg) const;

    // The angles, arc seconds.
    double zetaArcsec() const { return zeta_; }
    double zArcsec() const { return z_; }
    double thetaArcsec() const { return theta_; }

private:
    double zeta_ = 0, z_ = 0, theta_ = 0;
    double sinTheta_ = 0, cosTheta_ = 1;
};

}  // namespace vantorel
