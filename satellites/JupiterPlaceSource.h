#pragma once

#include "satellites/GalileanMoons.h"

namespace vantorel {

class DateTime;

// Where a search gets Jupiter's place for each instant it computes: the
// Jupiter theory recomputes the Earth, the Sun and the planet for the instant,
// so the place follows the search instead of staying at its start.
class JupiterPlaceSource {
public:
    virtual ~JupiterPlaceSource() = default;
    // `dt` holds the instant (computeDate done); fills `place` for it.
    virtual void placeAt(DateTime& dt, JupiterPlace& place) = 0;
};

}  // namespace vantorel
