#include <gtest/gtest.h>

#include "common/paint/ComparativeDiscs.h"

using namespace vantorel;

namespace {

constexpr int kW = 165;
constexpr int kH = 379;
constexpr Rgb kGrey{240, 240, 240};

int count(const DrawingSurface& s, Rgb c) {
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) n += s.pixel(x, y) == c ? 1 : 0;
    return n;
}

DrawingSurface painted(const ComparativeDiameters& d) {
    DrawingSurface s(kW, kH);
    s.fill(kGrey);
    paintComparativeDiscs(s, 0, kW, kH, d);
    return s;
}

}  // namespace

TEST(ComparativeDiscs, EqualMaximumAndCurrentCoincide) {
    DrawingSurface s = painted({25.1f, 25.1f, 3.5f});
    // No purple is left anywhere in the disc: the cyan covers it exactly.
    for (int y = 270; y < 354; ++y)
        for (int x = 0; x < 100; ++x) ASSERT_NE(s.pixel(x, y), kMaximumDiscColour) << x << "," << y;
    EXPECT_EQ(s.pixel(kDiscCentreX - 37, kDiscCentreY), kCurrentDiscColour);
    EXPECT_EQ(s.pixel(kDiscCentreX + 37, kDiscCentreY), kCurrentDiscColour);
    EXPECT_EQ(s.pixel(kDiscCentreX, kDiscCentreY), kMinimumDiscColour);
}

TEST(ComparativeDiscs, SmallerDiscsNestInTheLargest) {
    DrawingSurface s = painted({20.0f, 10.0f, 5.0f});
    // Maximum 76 px across, current 38, minimum 19, all on one centre.
    EXPECT_EQ(s.pixel(10, kDiscCentreY), kMaximumDiscColour);
    EXPECT_EQ(s.pixel(85, kDiscCentreY), kMaximumDiscColour);
    EXPECT_EQ(s.pixel(7, kDiscCentreY), kGrey);
    EXPECT_EQ(s.pixel(89, kDiscCentreY), kGrey);
    EXPECT_EQ(s.pixel(kDiscCentreX, 275), kMaximumDiscColour);
    EXPECT_EQ(s.pixel(kDiscCentreX - 14, kDiscCentreY), kCurrentDiscColour);
    EXPECT_EQ(s.pixel(kDiscCentreX - 22, kDiscCentreY), kMaximumDiscColour);
    EXPECT_EQ(s.pixel(kDiscCentreX, kDiscCentreY), kMinimumDiscColour);
    EXPECT_EQ(s.pixel(kDiscCentreX - 12, kDiscCentreY), kCurrentDiscColour);
    // A current diameter above the maximum covers the maximum disc.
    DrawingSurface big = painted({10.0f, 12.0f, 5.0f});
    for (int y = 270; y < 354; ++y)
        for (int x = 0; x < 100; ++x) ASSERT_NE(big.pixel(x, y), kMaximumDiscColour);
}

TEST(ComparativeDiscs, LegendOvalsAndAMissingMaximum) {
    DrawingSurface s = painted({0.0f, 10.0f, 5.0f});
    // Without a maximum nothing can be scaled: no disc, only the legend.
    EXPECT_EQ(s.pixel(kDiscCentreX, kDiscCentreY), kGrey);
    // Legend at x 165/1.8 + 10 .. + 14, y 379/1.44 + 10, + 23, + 36.
    EXPECT_EQ(s.pixel(103, 276), kMaximumDiscColour);
    EXPECT_EQ(s.pixel(103, 289), kCurrentDiscColour);
    EXPECT_EQ(s.pixel(103, 302), kMinimumDiscColour);
    EXPECT_EQ(s.pixel(99, 276), kGrey);
    EXPECT_EQ(s.pixel(106, 276), kGrey);
    EXPECT_GT(count(s, kMaximumDiscColour), 8);
    EXPECT_LT(count(s, kMaximumDiscColour), 30);
}
