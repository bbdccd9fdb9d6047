#pragma once

#include "satellites/SaturnSatellites.h"

// Saturn's eight moons for one instant as the Saturn window and the
// command-line tool show them: from the fitted records where they cover the
// date, from the mean-motion model (flagged approximate) where they do not,
// in the ring's frame and on the sky, with the ring tilt of Saturn.

namespace vantorel {

class Saturn;
class SatelliteRecordTable;
struct DateTime;

struct SaturnMoonSet {
    SaturnMoonPlace moons[kSaturnSatellites];
    double ringTilt = 0;       // B of Saturn, radians, + when the Earth is north
    int sameSide = 0;          // the Earth and the Sun on the same side of the rings
    double positionAngle = 0;  // of the pole, radians
    double deltaAU = 0;
};

// `saturn` holds its place and physical data for `dt` (UT fields used for
// the records, JD for the model).
SaturnMoonSet computeSaturnMoons(const Saturn& saturn, const DateTime& dt,
                                 SatelliteRecordTable& table);

}  // namespace vantorel
