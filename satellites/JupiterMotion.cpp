#include "satellites/JupiterMotion.h"

#include "engine/DATE_TIME.h"
#include "engine/EARTH_SUN.h"
#include "engine/JUPITER.h"

namespace vantorel {

void JupiterMotion::placeAt(DATE_TIME& dt, JupiterPlace& place) {
    dt.computeNutation();
    earthSun_.computeSun(dt.T);
    earthSun_.computeEarth(dt);
    jupiter_.computePosition(dt, earthSun_);
    jupiter_.computePhysical(dt, earthSun_);
    place = jupiter_.satellitePlace(earthSun_);
}

}  // namespace vantorel
