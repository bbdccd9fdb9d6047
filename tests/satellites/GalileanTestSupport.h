#pragma once

#include "satellites/GalileanMoons.h"

// The satellite part alone, with Jupiter's place handed in directly.
using PlaceDrivenSatellites = vantorel::GalileanMoons;

// Jupiter's place for 1992 December 16, 0 h UT, from the full VSOP87D series
// (heliocentric place at JDE - tau, the Earth at JDE, ecliptic and equinox of
// date) with the orbital elements of date of Jupiter.
inline vantorel::JupiterPlace handbookPlace1992() {
    vantorel::JupiterPlace p;
    p.l = 3.174399872974211;
    p.b = 0.02252287801069027;
    p.r = 5.44642037273273;
    p.delta = 5.66112133870508;
    p.inclinationDeg = 1.303410125425783;
    p.nodeDeg = 100.39253591115157;
    p.sunLongitude = 4.612655499257202;
    p.sunLatitude = -3.604092802633218e-06;
    p.sunDistance = 0.9841231632803598;
    return p;
}
