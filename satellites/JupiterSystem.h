#pragma once

#include "engine/Jupiter.h"
#include "satellites/GalileanMoons.h"

namespace vantorel {

class DateTime;
class EarthSun;

// Jupiter with its four large moons: the planet's last computation gives the
// place the satellite theory starts from.
class JupiterSystem : public Jupiter, public GalileanMoons {
public:
    // The Galilean satellites for the instant of the planet's last computation.
    void computeSatellites(DateTime& dt, const char* label, EarthSun& earthSun);
    void observerDirections(EarthSun& earthSun);
};

}  // namespace vantorel
