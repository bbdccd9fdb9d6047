#include "moon/paint/MoonPicture.h"

#include "engine/Angles.h"
#include "moon/MoonDocument.h"
#include "moon/MoonTerminator.h"
#include "planets/paint/BodyMaps.h"

namespace vantorel {

void paintMoonPicture(DrawingSurface& s, const MoonDocument& doc, DiscRenderer& renderer,
                      float radius) {
    s.fill({0, 0, 0});
    const MoonTheory& moon = doc.moon;
    const MoonTerminatorParameters t =
        moonTerminator(moon.colongitude, moon.librationLongitude, doc.projection);
    renderer.setCentre(static_cast<float>(s.width() / 2), static_cast<float>(s.height() / 2));
    renderer.setRadius(radius);
    // The face, its terminator and its fill seeds all turn with the axis.
    renderer.setPositionAngle(toRad(moon.axisPositionAngle));
    renderer.paintMap(s, 180.0 - moon.librationLongitude, moon.librationLatitude, doc.projection,
                      bodyMap(BodyMap::Moon), DiscTerminator{t.angle, t.column});
    if (renderer.whiteBackground) {
        renderer.setRadius(radius);
        renderer.whitenAroundDisc(s);
    }
}

}  // namespace vantorel
