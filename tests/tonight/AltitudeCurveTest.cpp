#include <gtest/gtest.h>

#include <cmath>

#include "tonight/AltitudeCurve.h"

using namespace vantorel;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kSecond = 1.0 / 86400.0;

// A day-long wave: 30 degrees of amplitude about -5, highest at 0.3.
double wave(double t) { return -5.0 + 30.0 * std::cos(2 * kPi * (t - 0.3)); }

}  // namespace

TEST(AltitudeCurve, CrossingsAndCulminationsOfAKnownCurve) {
    const AltitudeCurve curve(wave, 0.0, 1.0);
    // cos(2 pi (t - 0.3)) = 1/6 at t = 0.3 -+ acos(1/6) / 2 pi.
    const double half = std::acos(1.0 / 6.0) / (2 * kPi);
    const std::vector<LevelCrossing> c = curve.crossings(0.0);
    ASSERT_EQ(c.size(), 2u);
    EXPECT_TRUE(c[0].rising);
    EXPECT_NEAR(c[0].jd, 0.3 - half, kSecond);
    EXPECT_FALSE(c[1].rising);
    EXPECT_NEAR(c[1].jd, 0.3 + half, kSecond);

    const std::vector<Culmination> top = curve.culminations();
    ASSERT_EQ(top.size(), 1u);
    EXPECT_NEAR(top[0].jd, 0.3, 2 * kSecond);
    EXPECT_NEAR(top[0].altitudeDeg, 25.0, 1e-6);

    // Above and below split the interval at the crossings, ends included.
    const std::vector<TimeInterval> up = curve.above(0.0), down = curve.below(0.0);
    ASSERT_EQ(up.size(), 1u);
    ASSERT_EQ(down.size(), 2u);
    EXPECT_DOUBLE_EQ(down[0].begin, 0.0);
    EXPECT_DOUBLE_EQ(down[0].end, up[0].begin);
    EXPECT_DOUBLE_EQ(up[0].end, down[1].begin);
    EXPECT_DOUBLE_EQ(down[1].end, 1.0);
    // A level never reached gives nothing above and the whole below.
    EXPECT_TRUE(curve.above(40.0).empty());
    ASSERT_EQ(curve.below(40.0).size(), 1u);
}

TEST(AltitudeCurve, HighestOfAPartIsAtItsCulminationOrAnEnd) {
    const AltitudeCurve curve(wave, 0.0, 1.0);
    // Containing the culmination.
    EXPECT_NEAR(curve.highest(0.1, 0.5).jd, 0.3, 2 * kSecond);
    // Falling all along: the start.
    EXPECT_DOUBLE_EQ(curve.highest(0.5, 0.7).jd, 0.5);
    // Rising all along: the end.
    EXPECT_DOUBLE_EQ(curve.highest(0.05, 0.2).jd, 0.2);
    // A part shorter than a step, with the culmination inside.
    EXPECT_NEAR(curve.highest(0.295, 0.305).jd, 0.3, 2 * kSecond);
}

TEST(AltitudeCurve, CulminationNextToTheEndsIsFound) {
    // Highest four minutes after the start and four before the end: the
    // samples there fall away from it on one side only.
    const double step = AltitudeCurve::kDefaultStepDays;
    const AltitudeCurve early([](double t) { return 10 - 1000 * (t - 0.003) * (t - 0.003); }, 0.0, 0.5);
    const std::vector<Culmination> a = early.culminations();
    ASSERT_EQ(a.size(), 1u);
    EXPECT_NEAR(a[0].jd, 0.003, 2 * kSecond);
    EXPECT_LT(a[0].jd, step);
    const AltitudeCurve late([](double t) { return 10 - 1000 * (t - 0.497) * (t - 0.497); }, 0.0, 0.5);
    const std::vector<Culmination> b = late.culminations();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_NEAR(b[0].jd, 0.497, 2 * kSecond);
    // A curve that only falls has no culmination: its highest point is the start.
    const AltitudeCurve falling([](double t) { return -t; }, 0.0, 0.5);
    EXPECT_TRUE(falling.culminations().empty());
}

TEST(AltitudeCurve, IntersectionOfIntervalLists) {
    const std::vector<TimeInterval> a = {{0, 2}, {3, 5}, {6, 9}};
    const std::vector<TimeInterval> b = {{1, 4}, {4.5, 6.5}, {8, 10}};
    const std::vector<TimeInterval> c = intersect(a, b);
    const std::vector<TimeInterval> expected = {{1, 2}, {3, 4}, {4.5, 5}, {6, 6.5}, {8, 9}};
    ASSERT_EQ(c.size(), expected.size());
    for (size_t i = 0; i < c.size(); ++i) {
        EXPECT_DOUBLE_EQ(c[i].begin, expected[i].begin) << i;
        EXPECT_DOUBLE_EQ(c[i].end, expected[i].end) << i;
    }
    EXPECT_TRUE(intersect(a, {}).empty());
    // Touching ends share no time.
    EXPECT_TRUE(intersect({{0, 1}}, {{1, 2}}).empty());
}
