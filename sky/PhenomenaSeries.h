#pragma once

// The mean phenomena of the planets and the periodic corrections of their
// instants, generated from python3-pymeeus by tools/gen_tables.py
// (sky/generated/PhenomenaSeries.cpp).

namespace vantorel {

// function (0 constant, 1 sine, 2 cosine) of either mMultiple * M or of the
// extra argument `argument` (0..6 for a..g, -1 none), times c0 + c1 T + c2 T^2.
struct PhenomenonTerm {
    int function;
    int mMultiple;
    int argument;
    double c0, c1, c2;
};

struct PhenomenonSeriesRef {
    const PhenomenonTerm* terms;
    int count;
};

// One mean phenomenon: JDE0 = A + k B, M = M0 + k M1 (degrees), with the
// correction series of its instant (days).
struct PhenomenonRow {
    double A, B, M0, M1;
    const PhenomenonTerm* terms;
    int count;
};
constexpr int kPhenomenonRowCount = 14;
extern const PhenomenonRow kPhenomenonRows[kPhenomenonRowCount];

// Greatest elongations of Mercury and Venus (east, west of each): the time
// correction added to the inferior conjunction's JDE0 (days) and the
// elongation (degrees).
struct ElongationSeries {
    PhenomenonSeriesRef time;
    PhenomenonSeriesRef value;
};
enum ElongationIndex : int { kMercuryEast = 0, kMercuryWest, kVenusEast, kVenusWest };
extern const ElongationSeries kElongationSeries[4];

// The extra arguments a..g of Jupiter, Saturn, Uranus and Neptune:
// c0 + c1 T degrees.
struct PhenomenonArgument {
    double c0, c1;
};
extern const PhenomenonArgument kPhenomenonArguments[7];

}  // namespace vantorel
