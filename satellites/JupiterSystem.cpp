#include "satellites/JupiterSystem.h"

#include "engine/DateTime.h"
#include "engine/EarthSun.h"

namespace vantorel {

void JupiterSystem::observerDirections(EarthSun& es) { setObserverDirections(satellitePlace(es)); }

void JupiterSystem::computeSatellites(DateTime& dt, const char* label, EarthSun& es) {
    observerDirections(es);
    computeFromPlace(satellitePlace(es), dt, label);
}

}  // namespace vantorel
