#include "satellites/JupiterMotion.h"

#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/Jupiter.h"

namespace vantorel {

void JupiterMotion::placeAt(DateTime& dt, JupiterPlace& place) {
    dt.computeNutation();
    earthSun_.computeSun(dt.T);
    earthSun_.computeEarth(dt);
    jupiter_.computePosition(dt, earthSun_);
    jupiter_.computePhysical(dt, earthSun_);
    place = jupiter_.satellitePlace(earthSun_);
}

}  // namespace vantorel
