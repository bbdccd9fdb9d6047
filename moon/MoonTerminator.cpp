#include "moon/MoonTerminator.h"

#include <algorithm>
#include <cmath>

namespace vantorel {

MoonTerminatorParameters moonTerminator(double colongitudeDeg, double librationLonDeg,
                                        int projection) {
    double s = librationLonDeg + colongitudeDeg;
    int n = static_cast<int>(s);
    if (s >= 360.0) {
        s -= 360.0;
        n -= 360;
    }
    if (s < 0.0) s += 360.0;

    // Angles of the night side's edge from the centre of the seen face; the
    // seed column lies a few degrees inside the night side.
    auto nightEdge = [](double from, double sv) {
        int f = std::abs(static_cast<int>(from - sv));
        if (f <= 90) f = std::clamp(f - 90, -82, 82);
        return f;
    };
    int f;
    if (s >= 270.0 && s <= 360.0) {
        f = nightEdge(270.0, s);
        s += 90.0;
        if (s > 360.0) s -= 360.0;
    } else if (s >= 0.0 && s <= 90.0) {
        s += 90.0;
        f = n + 4;
    } else if (s > 90.0 && s <= 180.0) {
        s -= 90.0;
        f = n - 188;
        if (f < 0) f = n + 172;
    } else {
        f = nightEdge(180.0, s);
        s -= 90.0;
    }
    if (projection == 1 || projection == 3) s = 180.0 - s;

    MoonTerminatorParameters out;
    int column = f + 2;
    while (column < 0) column += 360;
    while (column > 359) column -= 360;
    out.column = column;
    out.angle = static_cast<int>(s);
    return out;
}

}  // namespace vantorel
