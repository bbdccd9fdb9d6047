// The stored maps and the renderer together show a body the right way round:
// a known feature is dark on the map where the layout puts it, and painted it
// lands on the side of the disc and in the hemisphere the sky shows it.
#include <QImage>

#include <algorithm>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "common/paint/DrawingSurface.h"
#include "engine/Angles.h"
#include "planets/paint/BodyMaps.h"
#include "planets/paint/DiscRenderer.h"

namespace vantorel {
namespace {

double brightness(QRgb c) { return (qRed(c) + qGreen(c) + qBlue(c)) / 3.0; }

// Mean brightness of the 5 x 5 block round a map pixel, and of the whole
// latitude band of that block.
struct Contrast {
    double feature;
    double band;
};
Contrast contrastAt(const QImage& map, int col, int row) {
    double feature = 0.0;
    double band = 0.0;
    for (int j = row - 2; j <= row + 2; ++j) {
        for (int i = col - 2; i <= col + 2; ++i) feature += brightness(map.pixel((i + 360) % 360, j));
        for (int i = 0; i < 360; ++i) band += brightness(map.pixel(i, j));
    }
    return {feature / 25.0, band / (5.0 * 360.0)};
}

struct Place {
    double x;
    double y;
    int count;
};

// Paints `map` with a magenta block over the feature and finds the block.
Place paintedFeature(DiscRenderer& r, const QImage& map, int col, int row, double centralLon,
                     double tiltRad, int code) {
    QImage marked = map.copy();
    for (int j = row - 2; j <= row + 2; ++j)
        for (int i = col - 2; i <= col + 2; ++i) marked.setPixel((i + 360) % 360, j, qRgb(255, 0, 255));
    DrawingSurface s(240, 240);
    r.setCentre(120.0f, 120.0f);
    r.setRadius(100.0f);
    r.paintMap(s, centralLon, tiltRad, code, marked);
    const QImage img = s.image();
    Place p{0.0, 0.0, 0};
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xffffffu) == 0xff00ffu) {
                p.x += x;
                p.y += y;
                ++p.count;
            }
    if (p.count) {
        p.x /= p.count;
        p.y /= p.count;
    }
    return p;
}

TEST(BodyMapOrientation, SyrtisMajorOnMars) {
    const QImage& map = bodyMap(BodyMap::Mars);
    ASSERT_EQ(map.size(), QSize(360, 180));
    // Syrtis Major, west longitude 290, latitude +10: column 290, row 100.
    const Contrast c = contrastAt(map, 290, 100);
    EXPECT_LT(c.feature, 0.8 * c.band);

    // Central meridian 330 W, south pole tilted 15 degrees toward the Earth.
    DiscRenderer mars(DiscRenderer::kMars);
    mars.setPositionAngle(0.0);
    // Code 0 (north up, sky east on the left): west longitudes below the
    // central one lie toward the sky's west, on the right, in the north.
    const Place eye = paintedFeature(mars, map, 290, 100, 330.0, toRad(-15.0), 0);
    ASSERT_GT(eye.count, 4);
    EXPECT_GT(eye.x, 120.0 + 40.0);
    EXPECT_LT(eye.y, 120.0 - 10.0);
    // Code 3, as an inverting telescope shows it: left and below.
    const Place scope = paintedFeature(mars, map, 290, 100, 330.0, toRad(-15.0), 3);
    ASSERT_GT(scope.count, 4);
    EXPECT_LT(scope.x, 120.0 - 40.0);
    EXPECT_GT(scope.y, 120.0 + 10.0);
}

TEST(BodyMapOrientation, MareCrisiumOnTheMoon) {
    const QImage& map = bodyMap(BodyMap::Moon);
    ASSERT_EQ(map.size(), QSize(360, 180));
    // Mare Crisium, east longitude 59, latitude +17: column 180 - 59, row 107.
    const Contrast c = contrastAt(map, 121, 107);
    EXPECT_LT(c.feature, 0.8 * c.band);

    // Librations l = +5 (central longitude 180 - l) and b = +5 degrees.
    DiscRenderer moon(DiscRenderer::kMoon);
    // Naked eye: Crisium near the western limb of the sky, on the right, north.
    const Place eye = paintedFeature(moon, map, 121, 107, 175.0, toRad(5.0), 0);
    ASSERT_GT(eye.count, 4);
    EXPECT_GT(eye.x, 120.0 + 60.0);
    EXPECT_LT(eye.y, 120.0 - 15.0);
    const Place scope = paintedFeature(moon, map, 121, 107, 175.0, toRad(5.0), 3);
    ASSERT_GT(scope.count, 4);
    EXPECT_LT(scope.x, 120.0 - 60.0);
    EXPECT_GT(scope.y, 120.0 + 15.0);
}

TEST(BodyMapOrientation, EveryMapAndTheCursorAreStored) {
    for (BodyMap m : {BodyMap::Mercury, BodyMap::Venus, BodyMap::Mars, BodyMap::Jupiter,
                      BodyMap::Uranus, BodyMap::Moon}) {
        EXPECT_EQ(bodyMap(m).size(), QSize(360, 180)) << static_cast<int>(m);
    }
    EXPECT_EQ(programCursorImage().size(), QSize(32, 32));
}

}  // namespace
}  // namespace vantorel

namespace vantorel {
namespace {

// The mean brightness of each latitude row of a map.
std::vector<double> rowMeans(const QImage& map) {
    std::vector<double> rows;
    for (int y = 0; y < map.height(); ++y) {
        double sum = 0;
        for (int x = 0; x < map.width(); ++x) sum += brightness(map.pixel(x, y));
        rows.push_back(sum / map.width());
    }
    return rows;
}

}  // namespace

// Uranus's bands are soft at the eyepiece: a step between two rows of its
// map becomes, on a disc seen pole-on, a seam arc right across the globe.
TEST(BodyMapOrientation, UranusHasNoSharpBand) {
    const QImage& map = bodyMap(BodyMap::Uranus);
    ASSERT_FALSE(map.isNull());
    const std::vector<double> rows = rowMeans(map);
    double steepest = 0;
    for (size_t y = 1; y < rows.size(); ++y) steepest = std::max(steepest, std::abs(rows[y] - rows[y - 1]));
    EXPECT_LT(steepest, 2.5);
}

}  // namespace vantorel
