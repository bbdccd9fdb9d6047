#include "satellites/GalileanMoons.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "engine/Angles.h"
#include "engine/DateTime.h"

namespace vantorel {

namespace {

constexpr double kMeanDistance[4] = {5.9073, 9.39912, 14.9924, 26.3699};
constexpr double kLightTimeFactor[4] = {17295, 21819, 27558, 36548};
constexpr double kPerspective = 2095;
constexpr double kLightTimePerAU = 0.0057755183;
// Longitude of Jupiter's perihelion.
constexpr double kPerihelion = 0.235094838;

// Degrees (possibly many turns) to radians in one turn, so that the sines of
// arguments growing with t keep their precision over the whole period.
double rad(double deg) { return std::fmod(deg, 360.0) / kDegPerRad; }

}  // namespace

GalileanMoons::GalileanMoons() {
    for (double& p : previous) p = kNoPrevious;
}

double GalileanMoons::precession(double T0) {
    return (1.3966626 * T0 + 0.0003088 * T0 * T0) / kDegPerRad;
}

double GalileanMoons::equatorInclination(double T) { return (3.120262 + 0.0006 * T) / kDegPerRad; }

void GalileanMoons::greatInequality() {
    Gamma = 0.33033 * std::sin(2.8567374663718 + 0.0000183469011 * t) +
            0.03439 * std::sin(0.6018942458427 - 0.0002822738452 * t);
}

void GalileanMoons::librationArgument() { phiLambda = rad(191.8132 + 0.17390023 * t); }

void GalileanMoons::setTime(const DateTime& dt, double tau) { t = dt.JDE - 2443000.5 - tau; }

void GalileanMoons::nodeOfEquator() { psi = rad(316.5182 - 0.00000208 * t); }

void GalileanMoons::meanLongitudes() {
    l[0] = rad(106.07947 + 203.488955432 * t);
    l[1] = rad(175.72938 + 101.37472455 * t);
    l[2] = rad(120.55434 + 50.31760911 * t);
    l[3] = rad(84.44868 + 21.571071314 * t);
}

void GalileanMoons::perijoveLongitudes() {
    pi[0] = rad(58.3329 + 0.16103936 * t);
    pi[1] = rad(132.8959 + 0.04647985 * t);
    pi[2] = rad(187.2887 + 0.0071274 * t);
    pi[3] = rad(335.3418 + 0.00183998 * t);
}

void GalileanMoons::nodeLongitudes() {
    omega[0] = rad(311.0793 - 0.1327943 * t);
    omega[1] = rad(100.5099 - 0.03263047 * t);
    omega[2] = rad(119.1688 - 0.00717704 * t);
    omega[3] = rad(322.5729 - 0.00175934 * t);
}

void GalileanMoons::jupiterSaturnAnomalies() {
    G = rad(30.23756 + 0.0830925701 * t + Gamma);
    Gprime = rad(31.97853 + 0.0334597339 * t);
}

void GalileanMoons::radii() {
    for (int j = 0; j < 4; ++j) distance[j] = kMeanDistance[j] * (1 + rho[j]);
}

void GalileanMoons::evaluateSeries() {
    const double l1 = l[0], l2 = l[1], l3 = l[2], l4 = l[3];
    const double p1 = pi[0], p2 = pi[1], p3 = pi[2], p4 = pi[3];
    const double w1 = omega[0], w2 = omega[1], w3 = omega[2], w4 = omega[3];
    const double Pi = kPerihelion;
    const double Gp = Gprime;
    const double phi = phiLambda;
    const double ps = psi;
    using std::sin;
    using std::cos;
    const double c52 = 52.225 / kDegPerRad, c188 = 188.370 / kDegPerRad,
                 c149 = 149.150 / kDegPerRad;

    sigma[0] = 0.47259 * sin(2 * l1 - 2 * l2) - 0.03480 * sin(p3 - p4) -
               0.01756 * sin(p1 + p3 - 2 * G - 2 * Pi) + 0.01080 * sin(l2 + p3 - 2 * l3) +
               0.00757 * sin(phi) + 0.00663 * sin(l2 + p4 - 2 * l3) +
               0.00453 * sin(l2 + p2 - 2 * l3) + 0.00453 * sin(l1 - p3) -
               0.00354 * sin(l1 - l2) - 0.00317 * sin(2 * ps - 2 * Pi) -
               0.00269 * sin(l2 + p1 - 2 * l3) + 0.00263 * sin(l1 - p4) +
               0.00186 * sin(l1 - p1) - 0.00186 * sin(G) + 0.00167 * sin(p2 - p3) +
               0.00158 * sin(4 * l1 - 4 * l2) - 0.00155 * sin(l1 - l3) -
               0.00142 * sin(w3 + ps - 2 * G - 2 * Pi) - 0.00115 * sin(2 * l1 + 2 * w2 - 4 * l2) +
               0.00089 * sin(p2 - p4) + 0.00084 * sin(l1 + p3 - 2 * G - 2 * Pi) +
               0.00084 * sin(w2 - w3) + 0.00053 * sin(ps - w2);

    sigma[1] = 1.06476 * sin(2 * l2 - 2 * l3) + 0.04253 * sin(l1 + p3 - 2 * l2) +
               0.03579 * sin(l2 - p3) + 0.02383 * sin(l1 + p4 - 2 * l2) +
               0.01977 * sin(l2 - p4) - 0.01843 * sin(phi) + 0.01299 * sin(p3 - p4) -
               0.01142 * sin(l2 - l3) + 0.01078 * sin(l2 - p2) - 0.01058 * sin(G) +
               0.00870 * sin(l2 + p2 - 2 * l3) - 0.00775 * sin(2 * ps - 2 * Pi) +
               0.00524 * sin(2 * l1 - 2 * l2) - 0.00460 * sin(l1 - l3) +
               0.00450 * sin(l2 + p1 - 2 * l3) + 0.00327 * sin(w3 + ps - 2 * G - 2 * Pi) -
               0.00296 * sin(p1 + p3 - 2 * G - 2 * Pi) - 0.00151 * sin(2 * G) +
               0.00146 * sin(ps - w3) + 0.00125 * sin(ps - w4) -
               0.00117 * sin(l1 + p3 - 2 * l3) - 0.00095 * sin(2 * l2 - 2 * w2) +
               0.00086 * sin(2 * l1 + 2 * w2 - 4 * l2) - 0.00086 * sin(5 * Gp - 2 * G + c52) -
               0.00078 * sin(l2 - l4) - 0.00064 * sin(l1 + p4 - 2 * l3) -
               0.00063 * sin(3 * l3 + 4 * p4 - 7 * l4) + 0.00061 * sin(p1 - p4) +
               0.00058 * sin(2 * ps - 2 * G - 2 * Pi) + 0.00058 * sin(w3 - w4) +
               0.00056 * sin(2 * l2 - 2 * l4) + 0.00055 * sin(2 * l1 - 2 * l3) +
               0.00052 * sin(3 * l3 + p3 + 3 * p4 - 7 * l4) - 0.00043 * sin(l1 - p3) +
               0.00042 * sin(p3 - p2) + 0.00041 * sin(5 * l2 - 5 * l3) +
               0.00041 * sin(p4 - Pi) + 0.00038 * sin(l2 - p1) +
               0.00032 * sin(2 * l3 - 2 * G - 2 * Pi) + 0.00032 * sin(w2 - w3) +
               0.00029 * sin(p1 - p3);

    sigma[2] = 0.16477 * sin(l3 - p3) + 0.09062 * sin(l3 - p4) - 0.06907 * sin(l2 - l3) +
               0.03786 * sin(p3 - p4) + 0.01844 * sin(2 * l3 - 2 * l4) - 0.01340 * sin(G) +
               0.00703 * sin(l2 + p3 - 2 * l3) - 0.00670 * sin(2 * ps - 2 * Pi) -
               0.00540 * sin(l3 - l4) + 0.00481 * sin(p1 + p3 - 2 * G - 2 * Pi) -
               0.00409 * sin(l2 + p2 - 2 * l3) + 0.00379 * sin(l2 + p4 - 2 * l3) +
               0.00235 * sin(ps - w3) + 0.00198 * sin(ps - w4) + 0.00180 * sin(phi) +
               0.00129 * sin(3 * l3 - 3 * l4) + 0.00124 * sin(l1 - l3) -
               0.00119 * sin(5 * Gp - 2 * G + c52) + 0.00109 * sin(l1 - l2) -
               0.00099 * sin(3 * l3 + 4 * p4 - 7 * l4) + 0.00091 * sin(w3 - w4) +
               0.00081 * sin(3 * l3 + p3 + 3 * p4 - 7 * l4) - 0.00076 * sin(2 * l2 + p3 - 3 * l3) +
               0.00069 * sin(p4 - Pi) - 0.00058 * sin(2 * l3 + p4 - 3 * l4) +
               0.00057 * sin(l3 + p3 - 2 * G - 2 * Pi) - 0.00057 * sin(l3 + p4 - 2 * l4) -
               0.00052 * sin(p2 - p3) - 0.00052 * sin(l2 + p1 - 2 * l3) +
               0.00048 * sin(l3 + p3 - 2 * l4) - 0.00045 * sin(2 * l2 + p4 - 3 * l3) -
               0.00041 * sin(p2 - p4) - 0.00038 * sin(2 * G) -
               0.00033 * sin(p3 + w3 - p4 - w4) - 0.00032 * sin(3 * l3 + 2 * p3 + 2 * p4 - 7 * l4) +
               0.00030 * sin(4 * l3 - 4 * l4) + 0.00029 * sin(l3 + p4 - 2 * G - 2 * Pi) -
               0.00029 * sin(w3 + ps - 2 * G - 2 * Pi) + 0.00026 * sin(l3 - G - Pi) +
               0.00024 * sin(l2 + 2 * l4 - 3 * l3) + 0.00021 * sin(2 * l3 - 2 * G - 2 * Pi) -
               0.00021 * sin(l3 - p2) + 0.00017 * sin(2 * l3 - 2 * p3);

    sigma[3] = 0.84109 * sin(l4 - p4) + 0.03429 * sin(p4 - p3) - 0.03305 * sin(2 * ps - 2 * Pi) -
               0.03211 * sin(G) - 0.01860 * sin(l4 - p3) + 0.01182 * sin(ps - w4) +
               0.00622 * sin(l4 + p4 - 2 * G - 2 * Pi) + 0.00385 * sin(2 * l4 - 2 * p4) -
               0.00284 * sin(5 * Gp - 2 * G + c52) - 0.00233 * sin(2 * ps - 2 * p4) -
               0.00223 * sin(l3 - l4) - 0.00208 * sin(l4 - Pi) + 0.00177 * sin(w4 + ps - 2 * p4) +
               0.00134 * sin(p4 - Pi) + 0.00125 * sin(2 * l4 - 2 * G - 2 * Pi) -
               0.00117 * sin(2 * G) - 0.00112 * sin(2 * l3 - 2 * l4) +
               0.00106 * sin(3 * l3 + 4 * p4 - 7 * l4) + 0.00102 * sin(l4 - G - Pi) +
               0.00096 * sin(2 * l4 - w4 - ps) + 0.00087 * sin(2 * ps - 2 * w4) -
               0.00087 * sin(3 * l3 + p3 + 3 * p4 - 7 * l4) + 0.00085 * sin(l3 + p4 - 2 * l4) -
               0.00081 * sin(2 * l4 - 2 * ps) + 0.00071 * sin(l4 + p4 - 3 * G - 2 * Pi) +
               0.00060 * sin(l1 - l4) - 0.00056 * sin(ps - w3) - 0.00055 * sin(l3 + p3 - 2 * l4) +
               0.00051 * sin(l2 - l4) + 0.00042 * sin(2 * ps - 2 * G - 2 * Pi) +
               0.00039 * sin(2 * p4 - 2 * w4) + 0.00036 * sin(ps + Pi - p4 - w4) +
               0.00035 * sin(2 * Gp - G + c188) - 0.00035 * sin(l4 + 2 * Pi - p4 - 2 * ps) -
               0.00032 * sin(l4 + p4 - G - 2 * Pi) + 0.00030 * sin(2 * Gp - 2 * G + c149) +
               0.00030 * sin(3 * l3 + 2 * p3 + 2 * p4 - 7 * l4) +
               0.00028 * sin(l4 + 2 * ps - p4 - 2 * Pi) - 0.00028 * sin(2 * l4 - 2 * w4) -
               0.00027 * sin(p3 + w3 - p4 - w4) - 0.00026 * sin(5 * Gp - 3 * G + c188) +
               0.00025 * sin(w4 - w3) - 0.00025 * sin(l2 + 2 * l4 - 3 * l3) -
               0.00023 * sin(3 * l3 - 3 * l4) + 0.00021 * sin(2 * l4 - 3 * G - 2 * Pi) -
               0.00021 * sin(2 * l3 + p4 - 3 * l4) + 0.00019 * sin(l4 - p4 - G) -
               0.00019 * sin(2 * l4 - p3 - p4) - 0.00018 * sin(l4 + G - p4) -
               0.00016 * sin(l4 + p3 - 2 * G - 2 * Pi);

    for (int j = 0; j < 4; ++j) trueLongitude[j] = l[j] + sigma[j] / kDegPerRad;
    const double L1 = trueLongitude[0], L2 = trueLongitude[1], L3 = trueLongitude[2], L4 = trueLongitude[3];
    const double s1 = sigma[0] / kDegPerRad, s2 = sigma[1] / kDegPerRad,
                 s3 = sigma[2] / kDegPerRad;

    latitude[0] = 0.0006502 * sin(L1 - w1) + 0.0001835 * sin(L1 - w2) + 0.0000329 * sin(L1 - w3) -
           0.0000311 * sin(L1 - ps) + 0.0000093 * sin(L1 - w4) +
           0.0000075 * sin(3 * L1 - 4 * l2 - 1.9927 * s1 + w2) +
           0.0000046 * sin(L1 + ps - 2 * Pi - 2 * G);
    latitude[1] = 0.0081275 * sin(L2 - w2) + 0.0004512 * sin(L2 - w3) - 0.0003286 * sin(L2 - ps) +
           0.0001164 * sin(L2 - w4) + 0.0000273 * sin(l1 - 2 * l3 + 1.0146 * s2 + w2) +
           0.0000143 * sin(L2 + ps - 2 * Pi - 2 * G) - 0.0000143 * sin(L2 - w1) +
           0.0000035 * sin(L2 - ps + G) - 0.0000028 * sin(l1 - 2 * l3 + 1.0146 * s2 + w3);
    latitude[2] = 0.0032364 * sin(L3 - w3) - 0.0016911 * sin(L3 - ps) + 0.0006849 * sin(L3 - w4) -
           0.0002806 * sin(L3 - w2) + 0.0000321 * sin(L3 + ps - 2 * Pi - 2 * G) +
           0.0000051 * sin(L3 - ps + G) - 0.0000045 * sin(L3 - ps - G) -
           0.0000045 * sin(L3 + ps - 2 * Pi) + 0.0000037 * sin(L3 + ps - 2 * Pi - 3 * G) +
           0.0000030 * sin(2 * l2 - 3 * L3 + 4.03 * s3 + w2) -
           0.0000021 * sin(2 * l2 - 3 * L3 + 4.03 * s3 + w3);
    latitude[3] = -0.0076579 * sin(L4 - ps) + 0.0044148 * sin(L4 - w4) - 0.0005106 * sin(L4 - w3) +
           0.0000773 * sin(L4 + ps - 2 * Pi - 2 * G) + 0.0000104 * sin(L4 - ps + G) -
           0.0000102 * sin(L4 - ps - G) + 0.0000088 * sin(L4 + ps - 2 * Pi - 3 * G) -
           0.0000038 * sin(L4 + ps - 2 * Pi - G);

    rho[0] = -0.0041339 * cos(2 * l1 - 2 * l2) - 0.0000395 * cos(l1 - p3) -
             0.0000214 * cos(l1 - p4) + 0.0000170 * cos(l1 - l2) - 0.0000162 * cos(l1 - p1) -
             0.0000130 * cos(4 * l1 - 4 * l2) + 0.0000106 * cos(l1 - l3) -
             0.0000063 * cos(l1 + p3 - 2 * G - 2 * Pi);
    rho[1] = 0.0093847 * cos(l1 - l2) - 0.0003114 * cos(l2 - p3) - 0.0001738 * cos(l2 - p4) -
             0.0000941 * cos(l2 - p2) + 0.0000553 * cos(l2 - l3) + 0.0000523 * cos(l1 - l3) -
             0.0000290 * cos(2 * l1 - 2 * l2) + 0.0000166 * cos(2 * l2 - 2 * w2) +
             0.0000107 * cos(l1 + p3 - 2 * l3) - 0.0000102 * cos(l2 - p1) -
             0.0000091 * cos(2 * l1 - 2 * l3);
    rho[2] = -0.0014377 * cos(l3 - p3) - 0.0007904 * cos(l3 - p4) + 0.0006342 * cos(l2 - l3) -
             0.0001758 * cos(2 * l3 - 2 * l4) + 0.0000294 * cos(l3 - l4) -
             0.0000156 * cos(3 * l3 - 3 * l4) + 0.0000155 * cos(l1 - l3) -
             0.0000153 * cos(l1 - l2) + 0.0000070 * cos(2 * l2 + p3 - 3 * l3) -
             0.0000051 * cos(l3 + p3 - 2 * G - 2 * Pi);
    rho[3] = -0.0073391 * cos(l4 - p4) + 0.0001620 * cos(l4 - p3) + 0.0000974 * cos(l3 - l4) -
             0.0000541 * cos(l4 + p4 - 2 * G - 2 * Pi) - 0.0000269 * cos(2 * l4 - 2 * p4) +
             0.0000182 * cos(l4 - Pi) + 0.0000177 * cos(2 * l3 - 2 * l4) +
             0.0000167 * cos(ps - w4) - 0.0000167 * cos(2 * l4 - w4 - ps) -
             0.0000155 * cos(2 * l4 - 2 * G - 2 * Pi) + 0.0000142 * cos(2 * l4 - 2 * ps) +
             0.0000104 * cos(l1 - l4) + 0.0000092 * cos(l2 - l4) - 0.0000089 * cos(l4 - G - Pi) -
             0.0000062 * cos(l4 + p4 - 3 * G - 2 * Pi) + 0.0000048 * cos(2 * l4 - 2 * w4);
}

void GalileanMoons::jovicentricCoordinates(double psiWithP) {
    for (int j = 0; j < 4; ++j) {
        const double u = trueLongitude[j] - psiWithP;
        X[j] = static_cast<float>(distance[j] * std::cos(u) * std::cos(latitude[j]));
        Y[j] = static_cast<float>(distance[j] * std::sin(u) * std::cos(latitude[j]));
        Z[j] = static_cast<float>(distance[j] * std::sin(latitude[j]));
    }
    // The fictitious fifth satellite marks Jupiter's pole.
    X[4] = 0.0f;
    Y[4] = 0.0f;
    Z[4] = 1.0f;
}

void GalileanMoons::apparentCoordinates(double psiWithP, double I) {
    const double inc = orbitInclination;
    const double node = orbitNode;
    const double phi = psiWithP - node;
    const double cI = std::cos(I), sI = std::sin(I);
    const double cPhi = std::cos(phi), sPhi = std::sin(phi);
    const double ci = std::cos(inc), si = std::sin(inc);
    const double cN = std::cos(node), sN = std::sin(node);

    double A4[5], B4[5], C4[5];
    for (int k = 0; k < 5; ++k) {
        const double A1 = X[k];
        const double B1 = Y[k] * cI - Z[k] * sI;
        const double C1 = Y[k] * sI + Z[k] * cI;
        const double A2 = A1 * cPhi - B1 * sPhi;
        const double B2 = A1 * sPhi + B1 * cPhi;
        const double B3 = B2 * ci - C1 * si;
        const double C3 = B2 * si + C1 * ci;
        A4[k] = A2 * cN - B3 * sN;
        B4[k] = A2 * sN + B3 * cN;
        C4[k] = C3;
    }
    const double lambda0[2] = {lambda0Earth, lambda0Sun};
    const double beta0[2] = {beta0Earth, beta0Sun};
    for (int obs = 0; obs < 2; ++obs) {
        const double sl = std::sin(lambda0[obs]), cl = std::cos(lambda0[obs]);
        const double sb = std::sin(beta0[obs]), cb = std::cos(beta0[obs]);
        double A6[5], B6[5], C6[5];
        for (int k = 0; k < 5; ++k) {
            const double A5 = A4[k] * sl - B4[k] * cl;
            const double B5 = A4[k] * cl + B4[k] * sl;
            const double C5 = C4[k];
            A6[k] = A5;
            B6[k] = C5 * sb + B5 * cb;
            C6[k] = C5 * cb - B5 * sb;
        }
        const double D = std::atan2(A6[4], C6[4]);
        const double cD = std::cos(D), sD = std::sin(D);
        for (int j = 0; j < 4; ++j) {
            double x = A6[j] * cD - C6[j] * sD;
            double y = A6[j] * sD + C6[j] * cD;
            const double z = B6[j];
            // Differential light time; the ratio can pass 1 by rounding when
            // the satellite is at its elongation, which must not make a NaN.
            const double ratio = x / distance[j];
            x += std::fabs(z) / kLightTimeFactor[j] * std::sqrt(std::fmax(0.0, 1 - ratio * ratio));
            const double w = jupiterDelta / (jupiterDelta + z / kPerspective);
            x *= w;
            y *= w;
            const int e = obs * 4 + j;
            AX[e] = static_cast<float>(x);
            AY[e] = static_cast<float>(y);
            AZ[e] = static_cast<float>(z);
        }
    }
}

void GalileanMoons::setObserverDirections(const JupiterPlace& p) {
    const double cb = std::cos(p.b);
    for (int obs = 0; obs < 2; ++obs) {
        const double D = obs == 0 ? 0.0 : p.sunDistance;
        const double x = p.r * cb * std::cos(p.l) + D * std::cos(p.sunLongitude);
        const double y = p.r * cb * std::sin(p.l) + D * std::sin(p.sunLongitude);
        const double z = p.r * std::sin(p.b) + D * std::sin(p.sunLatitude);
        const double lambda = std::atan2(y, x);
        const double beta = std::atan(z / std::sqrt(x * x + y * y));
        if (obs == 0) {
            lambda0Sun = lambda;
            beta0Sun = beta;
        } else {
            lambda0Earth = lambda;
            beta0Earth = beta;
        }
    }
}

void GalileanMoons::computeFromPlace(const JupiterPlace& place, const DateTime& dt,
                                 const char* label) {
    JD = dt.JD;
    const double tau = kLightTimePerAU * place.delta;
    setTime(dt, tau);
    greatInequality();
    librationArgument();
    jupiterSaturnAnomalies();
    nodeOfEquator();
    meanLongitudes();
    perijoveLongitudes();
    nodeLongitudes();
    evaluateSeries();
    radii();
    const double P = precession((dt.JD - 2433282.423) / 36525.0);
    for (double& Lj : trueLongitude) Lj += P;
    psi += P;
    const double I = equatorInclination((dt.JD - 2415020.5) / 36525.0);
    jovicentricCoordinates(psi);
    orbitInclination = place.inclinationDeg / kDegPerRad;
    orbitNode = place.nodeDeg / kDegPerRad;
    jupiterDelta = place.delta;
    apparentCoordinates(psi, I);
    recordPhenomena(tau, label, dt);
}

double GalileanMoons::discDistance(int e) const {
    const double x = AX[e];
    const double y = kJupiterFlattening * AY[e];
    return x * x + y * y;
}

void GalileanMoons::resetDetector() {
    for (double& p : previous) p = kNoPrevious;
    for (int j = 0; j < 4; ++j) occulted[j] = eclipsed[j] = inTransit[j] = shadowOnDisc[j] = false;
    recording = false;
}

int GalileanMoons::classifyPhenomenon(int sign, char* text, double d, double z, int e) {
    const int j = e % 4;
    const double p = previous[e];
    const bool ingress = p >= 1 && d <= 1;
    const bool egress = !ingress && p <= 1 && d >= 1;
    int code = 0;
    if (z < 0) {
        if (sign > 0) {
            if (d <= 1) inTransit[j] = true;
            code = ingress ? kTransitIngress : egress ? kTransitEgress : 0;
        } else {
            if (d <= 1) shadowOnDisc[j] = true;
            code = ingress ? kShadowIngress : egress ? kShadowEgress : 0;
        }
    } else if (sign > 0) {
        if (ingress) {
            if (!eclipsed[j]) code = kOccultationDisappearance;
            occulted[j] = true;
        } else if (egress) {
            if (!eclipsed[j]) code = kOccultationReappearance;
            occulted[j] = false;
        }
    } else {
        if (ingress) {
            if (!occulted[j]) code = kEclipseDisappearance;
            eclipsed[j] = true;
        } else if (egress) {
            if (!occulted[j]) code = kEclipseReappearance;
            eclipsed[j] = false;
        }
    }
    if (code != 0) std::memcpy(text, phenomenonText(code, frenchCodes), 5);
    return code;
}

void GalileanMoons::recordPhenomena(double /*tau*/, const char* label, const DateTime& dt) {
    for (int j = 0; j < 4; ++j) inTransit[j] = shadowOnDisc[j] = false;
    if (queryMode) {
        for (double& p : previous) p = 1.0;
    }
    for (int e = 0; e < kSatelliteEntries; ++e) {
        const double d = discDistance(e);
        if (previous[e] == kNoPrevious) {
            // The first instant of a search: a satellite already behind the
            // disc or in the shadow is so from the start. Starting from
            // "neither" would report the end of a hiding nobody saw begin,
            // and miss the rows the other state suppresses, so the rows of an
            // instant would depend on where the search began.
            const bool hidden = AZ[e] >= 0 && d <= 1;
            if (e < 4)
                occulted[e] = hidden;
            else
                eclipsed[e - 4] = hidden;
        } else {
            char text[6] = "1    ";
            const int code = classifyPhenomenon(e < 4 ? 1 : -1, text, d, AZ[e], e);
            if (code != 0) recordRow(e, code, text, label, dt);
        }
        previous[e] = d;
    }
}

void GalileanMoons::recordRow(int e, int code, const char* text, const char* label,
                          const DateTime& dt) {
    if (!recording) return;
    PhenomenonRow row;
    row.satellite = e % 4 + 1;
    row.code = code;
    if (fileMode) {
        // The day number follows the row's own UT day, so the rows of the hour
        // before a generation starts carry their real day.
        const double day0 = std::floor(dt.JD + 0.5) - 1.0;
        const double number = std::fmod(day0, 100000.0);
        std::snprintf(row.text, sizeof row.text, "%05.0f%02.0f%02.0f%d%d", number, dt.utHour,
                      dt.utMinute, row.satellite, code);
        row.hour = static_cast<int>(dt.utHour);
        row.minute = static_cast<int>(dt.utMinute);
        rows.add(row);
        return;
    }
    if (label == nullptr || label[0] == '\0' || label[0] == ' ' || std::strchr(label, '-'))
        return;
    formatListRow(row, label, row.satellite, text);
    auto twoDigits = [&](size_t at) {
        if (std::strlen(label) < at + 2) return -1;
        const char a = label[at], b = label[at + 1];
        if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
        return (a - '0') * 10 + (b - '0');
    };
    row.day = twoDigits(0);
    row.hour = twoDigits(7);
    row.minute = twoDigits(12);
    rows.add(row);
}

}  // namespace vantorel
