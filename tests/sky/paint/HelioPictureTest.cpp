// The heliocentric picture by geometry: circles, bodies on them, the outer
// bodies on Jupiter's circle, the legend, and black on white for paper.
#include <gtest/gtest.h>

#include <cmath>

#include "common/settings/Settings.h"
#include "sky/HeliocentricDocument.h"
#include "sky/paint/HelioPicture.h"

using namespace vantorel;

namespace {

Rgb at(DrawingSurface& s, int x, int y) { return s.pixel(x, y).value_or(Rgb{-1, -1, -1}); }

struct Helio {
    Settings settings;
    HeliocentricDocument doc{settings};
    explicit Helio(int language = 0) {
        settings.language = language;
        doc.setDate(2026, 12, 8, 20, 0);
    }
};

int countColour(DrawingSurface& s, int x0, int y0, int x1, int y1, Rgb c) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += at(s, x, y) == c;
    return n;
}

}  // namespace

TEST(HelioPicture, BodiesOnTheirCirclesAndTheOuterOnesOnJupiters) {
    Helio h;
    DrawingSurface s(340, 400);
    const HelioDescription d = paintHelio(s, h.doc, 0, false);
    ASSERT_EQ(d.bodies.size(), 9u);
    const auto bodies = h.doc.bodies();
    for (std::size_t i = 0; i < d.bodies.size(); ++i) {
        const HelioCircle& c = d.layout.circles[static_cast<std::size_t>(bodies[i].orbit)];
        const double r = std::hypot(d.bodies[i].x - c.cx, d.bodies[i].y - c.cy);
        EXPECT_NEAR(r, c.r, 1.5) << d.bodies[i].label;
        if (i >= 4) {
            EXPECT_EQ(c.cx, d.layout.X);
            EXPECT_EQ(c.r, d.layout.circles[4].r);
        }
    }
    // Jupiter's circle in green, where no body sits; the Sun in yellow.
    const HelioCircle& j = d.layout.circles[4];
    int green = 0;
    for (const auto& p : {std::pair{j.cx - j.r, j.cy}, {j.cx + j.r, j.cy}, {j.cx, j.cy - j.r},
                          {j.cx, j.cy + j.r}})
        green += at(s, p.first, p.second) == Rgb{0, 128, 0};
    EXPECT_GE(green, 3);
    EXPECT_EQ(at(s, d.layout.X + 10, d.layout.X), (Rgb{255, 255, 0}));
    // The legend names Mercury in its grey and the Earth in blue.
    EXPECT_GT(countColour(s, 20, 315, 120, 333, Rgb{192, 192, 192}), 10);
    EXPECT_GT(countColour(s, 20, 355, 120, 373, Rgb{0, 0, 255}), 10);
    EXPECT_EQ(at(s, 0, 0), (Rgb{0, 0, 0}));
}

TEST(HelioPicture, PaperIsBlackOnWhite) {
    Helio h(1);
    DrawingSurface s(340, 400);
    const HelioDescription d = paintHelio(s, h.doc, 1, true);
    EXPECT_EQ(d.bodies[0].label, "Mercure");
    int black = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            const Rgb c = at(s, x, y);
            ASSERT_TRUE(c == (Rgb{0, 0, 0}) || c == (Rgb{255, 255, 255})) << x << "," << y;
            black += c == Rgb{0, 0, 0};
        }
    EXPECT_GT(black, 1000);
    const HelioCircle& j = d.layout.circles[4];
    int onCircle = 0;
    for (const auto& p : {std::pair{j.cx - j.r, j.cy}, {j.cx + j.r, j.cy}, {j.cx, j.cy - j.r},
                          {j.cx, j.cy + j.r}})
        onCircle += at(s, p.first, p.second) == Rgb{0, 0, 0};
    EXPECT_GE(onCircle, 3);
}
