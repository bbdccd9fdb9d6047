#include "sky/PlanetSet.h"

#include <initializer_list>

namespace vantorel {

void PlanetSet::compute(DATE_TIME& dt, const EARTH_SUN& earthSun) {
    for (PLANETE* p : {static_cast<PLANETE*>(&mercure), static_cast<PLANETE*>(&venus),
                       static_cast<PLANETE*>(&mars), static_cast<PLANETE*>(&jupiter),
                       static_cast<PLANETE*>(&saturne), static_cast<PLANETE*>(&uranus),
                       static_cast<PLANETE*>(&neptune)}) {
        p->computePosition(dt, earthSun);
        p->computePhysical(dt, earthSun);
    }
    // Pluto has no theory behind computePosition: its physical operation
    // runs PlutoPosition first.
    pluton.computePhysical(dt, earthSun);
}

}  // namespace vantorel
