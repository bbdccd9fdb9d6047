#include <gtest/gtest.h>

#include "common/paint/DrawingSurface.h"

using namespace vantorel;

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlue{0, 0, 255};

Rgb at(const DrawingSurface& s, int x, int y) { return s.pixel(x, y).value_or(Rgb{-1, -1, -1}); }

// Columns of row y whose pixel differs from `background`.
std::vector<int> litColumns(const DrawingSurface& s, int y, Rgb background) {
    std::vector<int> xs;
    for (int x = 0; x < s.width(); ++x)
        if (at(s, x, y) != background) xs.push_back(x);
    return xs;
}

bool anyLit(const DrawingSurface& s, int left, int top, int right, int bottom, Rgb background) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (at(s, x, y) != background) return true;
    return false;
}

}  // namespace

TEST(DrawingSurface, PixelsReadBackExactlyAndOutsideIsIgnored) {
    DrawingSurface s(40, 30);
    EXPECT_EQ(at(s, 0, 0), kBlack);
    const Rgb odd[] = {{1, 2, 3}, {254, 127, 0}, {128, 128, 128}, {171, 171, 171}};
    int x = 3;
    for (Rgb c : odd) {
        s.setPixel(x, 7, c);
        EXPECT_EQ(at(s, x, 7), c);
        x += 5;
    }
    // Pixels written between painter operations stay as written.
    s.setPen(PenStyle::Solid, 1, kRed);
    s.moveTo(0, 20);
    s.lineTo(39, 20);
    s.setPixel(10, 20, Rgb{9, 8, 7});
    EXPECT_EQ(s.image().pixel(10, 20), qRgb(9, 8, 7));
    EXPECT_EQ(at(s, 3, 7), (Rgb{1, 2, 3}));

    s.setPixel(-1, 5, kRed);
    s.setPixel(40, 5, kRed);
    s.setPixel(5, 30, kRed);
    EXPECT_FALSE(s.pixel(-1, 5).has_value());
    EXPECT_FALSE(s.pixel(40, 0).has_value());
    EXPECT_FALSE(s.pixel(0, 30).has_value());
    EXPECT_FALSE(anyLit(s, 0, 0, 40, 6, kBlack));
}

TEST(DrawingSurface, FloodFillStopsExactlyAtTheBorderColour) {
    DrawingSurface s(50, 50);
    s.setPen(PenStyle::Solid, 1, kRed);
    s.setHollowBrush();
    s.rectangle(10, 10, 31, 31);  // outline on rows and columns 10 and 30
    // A pixel of another colour inside does not stop the fill.
    s.setPixel(20, 20, kBlue);
    // Nor does a border of a colour other than the one asked for.
    s.setPen(PenStyle::Solid, 1, kBlue);
    s.moveTo(15, 11);
    s.lineTo(15, 29);

    s.setBrush(kGreen);
    ASSERT_TRUE(s.floodFill(12, 12, kRed));
    for (int y = 11; y <= 29; ++y)
        for (int x = 11; x <= 29; ++x) ASSERT_EQ(at(s, x, y), kGreen) << x << "," << y;
    for (int i = 10; i <= 30; ++i) {
        EXPECT_EQ(at(s, i, 10), kRed);
        EXPECT_EQ(at(s, i, 30), kRed);
        EXPECT_EQ(at(s, 10, i), kRed);
        EXPECT_EQ(at(s, 30, i), kRed);
    }
    EXPECT_EQ(at(s, 9, 20), kBlack);
    EXPECT_EQ(at(s, 31, 20), kBlack);
    EXPECT_EQ(at(s, 20, 9), kBlack);
    EXPECT_EQ(at(s, 20, 31), kBlack);

    // Filling again with the colour already there ends and changes nothing.
    ASSERT_TRUE(s.floodFill(20, 20, kRed));
    EXPECT_EQ(at(s, 20, 20), kGreen);
    EXPECT_EQ(at(s, 9, 20), kBlack);
}

TEST(DrawingSurface, FloodFillLeaksThroughAGapAndRefusesABorderStart) {
    DrawingSurface s(30, 30);
    s.setPen(PenStyle::Solid, 1, kRed);
    s.setHollowBrush();
    s.rectangle(5, 5, 16, 16);
    s.setPixel(15, 10, kBlack);  // a one-pixel gap in the right side
    s.setBrush(kGreen);

    EXPECT_FALSE(s.floodFill(5, 5, kRed));
    EXPECT_FALSE(s.floodFill(-1, 3, kRed));
    EXPECT_FALSE(s.floodFill(3, 30, kRed));
    EXPECT_EQ(at(s, 10, 10), kBlack);

    ASSERT_TRUE(s.floodFill(10, 10, kRed));
    EXPECT_EQ(at(s, 0, 0), kGreen);
    EXPECT_EQ(at(s, 29, 29), kGreen);
    EXPECT_EQ(at(s, 5, 5), kRed);
    // Diagonal neighbours do not connect: a pixel boxed in on its four sides
    // by the border stays unfilled.
    DrawingSurface d(9, 9);
    d.setPixel(4, 3, kRed);
    d.setPixel(3, 4, kRed);
    d.setPixel(5, 4, kRed);
    d.setPixel(4, 5, kRed);
    d.setBrush(kGreen);
    ASSERT_TRUE(d.floodFill(0, 0, kRed));
    EXPECT_EQ(at(d, 4, 4), kBlack);
    EXPECT_EQ(at(d, 3, 3), kGreen);
}

TEST(DrawingSurface, ShapesStayInsideTheirBoundingBox) {
    for (bool circle : {true, false}) {
        SCOPED_TRACE(circle ? "ellipse" : "rectangle");
        DrawingSurface s(40, 40);
        s.setPen(PenStyle::Solid, 1, kRed);
        s.setBrush(kGreen);
        circle ? s.ellipse(10, 12, 30, 32) : s.rectangle(10, 12, 30, 32);
        const std::vector<int> row = litColumns(s, 22, kBlack);
        ASSERT_FALSE(row.empty());
        EXPECT_EQ(row.front(), 10);
        EXPECT_EQ(row.back(), 29);
        EXPECT_EQ(at(s, 10, 22), kRed);
        EXPECT_EQ(at(s, 20, 22), kGreen);
        // Rows: top and bottom - 1 reached, nothing outside.
        EXPECT_TRUE(anyLit(s, 0, 12, 40, 13, kBlack));
        EXPECT_TRUE(anyLit(s, 0, 31, 40, 32, kBlack));
        EXPECT_FALSE(anyLit(s, 0, 0, 40, 12, kBlack));
        EXPECT_FALSE(anyLit(s, 0, 32, 40, 40, kBlack));
    }
    // A hollow brush leaves the interior alone.
    DrawingSurface h(40, 40);
    h.fill(kBlue);
    h.setPen(PenStyle::Solid, 1, kRed);
    h.setHollowBrush();
    h.ellipse(5, 5, 35, 35);
    EXPECT_EQ(at(h, 20, 20), kBlue);
    EXPECT_EQ(at(h, 5, 20), kRed);
}

TEST(DrawingSurface, LinesRunFromTheCurrentPointWithTheirStyle) {
    DrawingSurface s(60, 20);
    s.setPen(PenStyle::Solid, 1, kRed);
    s.moveTo(5, 3);
    s.lineTo(50, 3);
    EXPECT_EQ(s.currentX(), 50);
    EXPECT_EQ(s.currentY(), 3);
    const std::vector<int> solid = litColumns(s, 3, kBlack);
    ASSERT_EQ(solid.size(), 46u);
    EXPECT_EQ(solid.front(), 5);
    EXPECT_EQ(solid.back(), 50);
    // The next line continues from the end of the last one.
    s.lineTo(50, 15);
    EXPECT_EQ(at(s, 50, 15), kRed);
    EXPECT_EQ(at(s, 50, 9), kRed);

    s.setPen(PenStyle::Dashed, 1, kGreen);
    s.moveTo(0, 8);
    s.lineTo(45, 8);
    s.setPen(PenStyle::Dotted, 1, kBlue);
    s.moveTo(0, 12);
    s.lineTo(45, 12);
    const size_t dashed = litColumns(s, 8, kBlack).size();
    const size_t dotted = litColumns(s, 12, kBlack).size();
    EXPECT_GT(dashed, 10u);
    EXPECT_LT(dashed, 46u);
    EXPECT_GT(dotted, 5u);
    EXPECT_LT(dotted, dashed);

    // A pen three pixels wide covers three rows.
    DrawingSurface w(30, 30);
    w.setPen(PenStyle::Solid, 3, kRed);
    w.moveTo(5, 15);
    w.lineTo(25, 15);
    EXPECT_EQ(at(w, 15, 14), kRed);
    EXPECT_EQ(at(w, 15, 16), kRed);
    EXPECT_EQ(at(w, 15, 12), kBlack);
}

TEST(DrawingSurface, TextSitsBelowAndRightOfItsPointWithItsBackground) {
    DrawingSurface s(300, 60);
    s.setTextColour(Rgb{255, 255, 255});
    ASSERT_GT(s.fontHeight(), 5);
    ASSERT_GT(s.averageCharWidth(), 2);
    const int h = s.fontHeight();
    const int w = s.textWidth("Mars");
    s.textOut(20, 10, "Mars");
    EXPECT_TRUE(anyLit(s, 20, 10, 20 + w, 10 + h, kBlack));
    EXPECT_FALSE(anyLit(s, 0, 0, 300, 10, kBlack));
    EXPECT_FALSE(anyLit(s, 0, 10 + h, 300, 60, kBlack));
    EXPECT_FALSE(anyLit(s, 0, 0, 20, 60, kBlack));
    // Opaque: a blank still paints its cell with the background colour.
    s.setBackgroundMode(BackgroundMode::Opaque);
    s.setBackgroundColour(kBlue);
    s.textOut(150, 30, " ");
    EXPECT_EQ(at(s, 151, 31), kBlue);
    EXPECT_EQ(at(s, 149, 31), kBlack);
}

TEST(DrawingSurface, TabsJumpToTheirStops) {
    DrawingSurface s(400, 30);
    s.setTextColour(Rgb{255, 255, 255});
    const int written = s.tabbedTextOut(10, 5, "A\tB\tC", {100, 200}, 10);
    // B starts at 10 + 100, C at 10 + 200; nothing lit between A and B.
    const int wa = s.textWidth("A");
    EXPECT_FALSE(anyLit(s, 10 + wa + 2, 0, 110, 30, kBlack));
    EXPECT_TRUE(anyLit(s, 110, 0, 110 + s.textWidth("B"), 30, kBlack));
    EXPECT_FALSE(anyLit(s, 110 + s.textWidth("B") + 2, 0, 210, 30, kBlack));
    EXPECT_TRUE(anyLit(s, 210, 0, 400, 30, kBlack));
    EXPECT_EQ(written, 200 + s.textWidth("C"));

    // One stop repeats; opaque mode fills the gap too.
    DrawingSurface r(400, 30);
    r.setBackgroundMode(BackgroundMode::Opaque);
    r.setBackgroundColour(kBlue);
    EXPECT_EQ(r.tabbedTextOut(0, 0, "x\ty\tz", {50}, 0), 100 + r.textWidth("z"));
    EXPECT_EQ(at(r, 40, 2), kBlue);
    EXPECT_EQ(at(r, 90, 2), kBlue);
    EXPECT_EQ(at(r, 140, 2), kBlack);
}

TEST(DrawingSurface, PicturesAreCopiedUnchanged) {
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(qRgb(171, 171, 171));
    picture.setPixel(2, 1, qRgb(10, 20, 30));
    DrawingSurface s(10, 10);
    s.drawPicture(4, 5, picture);
    EXPECT_EQ(at(s, 4, 5), (Rgb{171, 171, 171}));
    EXPECT_EQ(at(s, 6, 6), (Rgb{10, 20, 30}));
    EXPECT_EQ(at(s, 7, 6), kBlack);
    EXPECT_EQ(at(s, 3, 5), kBlack);
}
