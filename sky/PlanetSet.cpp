#include "sky/PlanetSet.h"

#include <initializer_list>

namespace vantorel {

void PlanetSet::compute(DateTime& dt, const EarthSun& earthSun) {
    for (Planet* p : {static_cast<Planet*>(&mercury), static_cast<Planet*>(&venus),
                       static_cast<Planet*>(&mars), static_cast<Planet*>(&jupiter),
                       static_cast<Planet*>(&saturn), static_cast<Planet*>(&uranus),
                       static_cast<Planet*>(&neptune)}) {
        p->computePosition(dt, earthSun);
        p->computePhysical(dt, earthSun);
    }
    // Pluto has no theory behind computePosition: its physical operation
    // runs PlutoPosition first.
    pluto.computePhysical(dt, earthSun);
}

}  // namespace vantorel
