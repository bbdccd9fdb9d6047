// The Moon window's terminator angle and seed column through a lunation.
#include <gtest/gtest.h>

#include "moon/MoonTerminator.h"

namespace vantorel {
namespace {

TEST(MoonTerminator, FirstQuarterWithoutLibration) {
    const MoonTerminatorParameters p = moonTerminator(0.0, 0.0, 0);
    EXPECT_EQ(p.angle, 90);
    EXPECT_EQ(p.column, 6);
    // The inverting codes mirror the angle about 90: unchanged here.
    EXPECT_EQ(moonTerminator(0.0, 0.0, 3).angle, 90);
    EXPECT_EQ(moonTerminator(0.0, 0.0, 3).column, 6);
}

TEST(MoonTerminator, ThroughTheLunation) {
    struct Case {
        double c0, l;
        int angle0, angle3, column;
    };
    // Waxing crescent, waxing gibbous, last quarter, waning crescent, and a
    // libration carrying the sum past 360.
    for (const Case c : {Case{300, 0, 30, 150, 302}, Case{45, 0, 135, 45, 51},
                         Case{180, 0, 90, 90, 354}, Case{200, 0, 110, 70, 292},
                         Case{358, 5, 93, 87, 9}}) {
        const MoonTerminatorParameters p0 = moonTerminator(c.c0, c.l, 0);
        const MoonTerminatorParameters p3 = moonTerminator(c.c0, c.l, 3);
        EXPECT_EQ(p0.angle, c.angle0) << c.c0;
        EXPECT_EQ(p3.angle, c.angle3) << c.c0;
        EXPECT_EQ(p0.column, c.column) << c.c0;
        EXPECT_EQ(p3.column, c.column) << c.c0;
        EXPECT_EQ(moonTerminator(c.c0, c.l, 1).angle, c.angle3) << c.c0;
        EXPECT_EQ(moonTerminator(c.c0, c.l, 2).angle, c.angle0) << c.c0;
    }
}

}  // namespace
}  // namespace vantorel
