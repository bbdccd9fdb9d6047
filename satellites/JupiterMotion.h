#pragma once

#include "satellites/JupiterPlaceSource.h"

namespace vantorel {

class EARTH_SUN;
class JUPITER;

// Jupiter's place recomputed for every instant of a search: nutation, the
// Sun, the Earth, the planet's apparent place and physical data, as a
// document computes one instant.
class JupiterMotion : public JupiterPlaceSource {
public:
    JupiterMotion(JUPITER& jupiter, EARTH_SUN& earthSun) : jupiter_(jupiter), earthSun_(earthSun) {}
    void placeAt(DATE_TIME& dt, JupiterPlace& place) override;

private:
    JUPITER& jupiter_;
    EARTH_SUN& earthSun_;
};

}  // namespace vantorel
