#pragma once

#include <cmath>

#include "engine/DateTime.h"
#include "satellites/JupiterPlaceSource.h"

// Jupiter's place from the mean orbital elements of date of Jupiter and the
// Earth (Meeus, Astronomical Algorithms, table 31.A) on unperturbed Kepler
// orbits: a few minutes of arc from the truth, enough to drive the detector
// through realistic phenomena without the full planetary theory.
class KeplerPlaceSource : public vantorel::JupiterPlaceSource {
public:
    void placeAt(vantorel::DateTime& dt, vantorel::JupiterPlace& p) override {
        ++calls;
        const double T = (dt.JD - 2451545.0) / 36525.0;
        double le, be, re;
        helio(T, 100.466449 + 35999.3728519 * T, 1.000001018, 0.01670862 - 0.000042037 * T, 0.0,
              0.0, 102.937348 + 1.7195269 * T, le, be, re);
        double l = 0, b = 0, r = 0, delta = 0;
        double tau = 0;
        for (int pass = 0; pass < 3; ++pass) {
            const double Tj = T - tau / 36525.0;
            helio(Tj, 34.351484 + 3034.9056746 * Tj, 5.202603191, 0.04849485 + 0.000163244 * Tj,
                  1.303270 - 0.0019872 * Tj, 100.464441 + 1.0209550 * Tj,
                  14.331309 + 1.6126668 * Tj, l, b, r);
            const double x = r * std::cos(b) * std::cos(l) - re * std::cos(le);
            const double y = r * std::cos(b) * std::sin(l) - re * std::sin(le);
            const double z = r * std::sin(b);
            delta = std::sqrt(x * x + y * y + z * z);
            tau = 0.0057755183 * delta;
        }
        p.l = l;
        p.b = b;
        p.r = r;
        p.delta = delta;
        p.inclinationDeg = 1.303270 - 0.0019872 * T;
        p.nodeDeg = 100.464441 + 1.0209550 * T;
        p.sunLongitude = le + M_PI;
        p.sunLatitude = -be;
        p.sunDistance = re;
    }
    long calls = 0;

private:
    static void helio(double, double Ldeg, double a, double e, double ideg, double nodeDeg,
                      double periDeg, double& l, double& b, double& r) {
        const double d = M_PI / 180.0;
        const double M = std::fmod(Ldeg - periDeg, 360.0) * d;
        double E = M;
        for (int k = 0; k < 8; ++k) E -= (E - e * std::sin(E) - M) / (1 - e * std::cos(E));
        const double nu = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(E / 2));
        r = a * (1 - e * std::cos(E));
        const double u = nu + (periDeg - nodeDeg) * d;  // argument of latitude
        const double i = ideg * d, node = nodeDeg * d;
        const double x = std::cos(node) * std::cos(u) - std::sin(node) * std::sin(u) * std::cos(i);
        const double y = std::sin(node) * std::cos(u) + std::cos(node) * std::sin(u) * std::cos(i);
        const double z = std::sin(u) * std::sin(i);
        l = std::atan2(y, x);
        b = std::asin(z);
    }
};
