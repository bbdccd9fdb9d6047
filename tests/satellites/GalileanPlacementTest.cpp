// Where the Jupiter windows put a satellite for each telescope projection,
// and how large they draw it.
#include <gtest/gtest.h>

#include <string>

#include "satellites/GalileanPlacement.h"

using namespace vantorel;

TEST(GalileanPlacement, ProjectionCodesTurnWestAndNorth) {
    // X is towards the west, Y towards the north, in Jupiter radii.
    struct Case {
        int code;
        bool westLeft;
        bool northDown;
    };
    for (const Case c : {Case{0, false, false}, Case{1, true, false}, Case{2, false, true},
                         Case{3, true, true}}) {
        const ScreenPoint west = placeSatellite(100, 80, c.code, 196, 196, 2.0, 0.0);
        const ScreenPoint north = placeSatellite(100, 80, c.code, 196, 196, 0.0, 0.5);
        EXPECT_EQ(west.y, 80) << c.code;
        EXPECT_EQ(west.x, c.westLeft ? 100 - 196 : 100 + 196) << c.code;
        EXPECT_EQ(north.x, 100) << c.code;
        EXPECT_EQ(north.y, c.northDown ? 80 + 49 : 80 - 49) << c.code;
    }
}

TEST(GalileanPlacement, ProductsAreTruncatedTowardZeroOnBothSides) {
    // 0.5 * 196 * 0.0151 = 1.48: one pixel either way, never two.
    EXPECT_EQ(placeSatellite(50, 50, 3, 196, 196, 0.0151, 0.0151).x, 49);
    EXPECT_EQ(placeSatellite(50, 50, 3, 196, 196, -0.0151, -0.0151).x, 51);
    EXPECT_EQ(placeSatellite(50, 50, 3, 196, 196, -0.0151, -0.0151).y, 49);
}

TEST(GalileanPlacement, DotSizesKeepEverySatelliteVisible) {
    // On the 196-pixel disc the true sizes are 4 or 6 pixels; the floors win.
    EXPECT_EQ(galileanDotSize(0, 196), 6);
    EXPECT_EQ(galileanDotSize(1, 196), 6);
    EXPECT_EQ(galileanDotSize(2, 196), 7);
    EXPECT_EQ(galileanDotSize(3, 196), 7);
    // A larger disc shows their real proportions: Ganymede the largest.
    EXPECT_EQ(galileanDotSize(2, 1960), 72);
    EXPECT_GT(galileanDotSize(2, 1960), galileanDotSize(3, 1960));
    EXPECT_GT(galileanDotSize(0, 1960), galileanDotSize(1, 1960));
}

TEST(GalileanPlacement, LettersColoursAndShadowNames) {
    EXPECT_STREQ(galileanLook(0).letter, "I");
    EXPECT_EQ(galileanLook(1).g, 255);
    EXPECT_EQ(galileanLook(1).r, 0);
    EXPECT_STREQ(galileanLook(3).letter, "C");
    EXPECT_STREQ(shadowName(0, 0), "Shadow of Io");
    EXPECT_STREQ(shadowName(1, 1), "Ombre d'Europe");
    EXPECT_STREQ(shadowName(2, 1), "Ombre de Ganymède");
    // The Spanish names, not the French or English ones.
    EXPECT_STREQ(shadowName(1, 2), "Sombra de Europa");
    EXPECT_STREQ(shadowName(2, 2), "Sombra de Ganímedes");
    EXPECT_STREQ(shadowName(3, 2), "Sombra de Calisto");
    // Out of range falls back to the nearest satellite rather than reading past the table.
    EXPECT_STREQ(shadowName(7, 0), "Shadow of Callisto");
}
