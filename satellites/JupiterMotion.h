#pragma once

#include "satellites/JupiterPlaceSource.h"

namespace vantorel {

class EarthSun;
class Jupiter;

// Jupiter's place recomputed for every instant of a search: nutation, the
// Sun, the Earth, the planet's apparent place and physical data, as a
// document computes one instant.
class JupiterMotion : public JupiterPlaceSource {
public:
    JupiterMotion(Jupiter& jupiter, EarthSun& earthSun) : jupiter_(jupiter), earthSun_(earthSun) {}
    void placeAt(DateTime& dt, JupiterPlace& place) override;

private:
    Jupiter& jupiter_;
    EarthSun& earthSun_;
};

}  // namespace vantorel
