#pragma once

// Where the Moon window draws the terminator: from the Sun's selenographic
// colongitude and the libration in longitude, the angle of the terminator's
// meridian for the disc renderer and the map column from which the night
// side is filled.

namespace vantorel {

struct MoonTerminatorParameters {
    int angle = 0;   // degrees, the renderer's terminator angle
    int column = 0;  // 0..359, longitude of the first fill seed
};

// colongitudeDeg c0 (0..360) and librationLonDeg l (signed), projection 0..3.
MoonTerminatorParameters moonTerminator(double colongitudeDeg, double librationLonDeg,
                                        int projection);

}  // namespace vantorel
