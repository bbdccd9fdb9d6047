// The Moon window's picture against the sky: the lit side and the mare that
// sits near the lit limb at first quarter.
#include <QImage>

#include <cmath>

#include <gtest/gtest.h>

#include "common/paint/DrawingSurface.h"
#include "common/settings/Settings.h"
#include "engine/Angles.h"
#include "moon/MoonDocument.h"
#include "moon/paint/MoonPicture.h"

namespace vantorel {
namespace {

struct Lit {
    int count = 0;
    double meanX = 0.0;
};

Lit litPixels(const QImage& img) {
    Lit l;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xffffffu) != 0) {
                ++l.count;
                l.meanX += x;
            }
    if (l.count) l.meanX /= l.count;
    return l;
}

QImage moonAt(int year, int month, int day, int hour, int projection) {
    Settings settings;
    settings.latitude = 48.8f;
    settings.zoneHours = 1;
    MoonDocument doc(settings);
    doc.projection = projection;
    doc.setDate(year, month, day, hour, 0);
    DrawingSurface s(260, 260);
    DiscRenderer r(DiscRenderer::kMoon);
    paintMoonPicture(s, doc, r);
    return s.image().copy();
}

TEST(MoonPicture, FirstQuarterLitOnTheRightToTheEyeOnTheLeftInTheTelescope) {
    // First quarter of 17 March 2024 (04:11 UT).
    const Lit eye = litPixels(moonAt(2024, 3, 17, 5, 0));
    const Lit scope = litPixels(moonAt(2024, 3, 17, 5, 3));
    const double disc = 3.14159 * 100.0 * 100.0;
    EXPECT_NEAR(eye.count / disc, 0.5, 0.06);
    EXPECT_NEAR(scope.count / disc, 0.5, 0.06);
    EXPECT_GT(eye.meanX, 130.0 + 30.0);
    EXPECT_LT(scope.meanX, 130.0 - 30.0);
}

// The face, and with it the terminator, is turned by the axis's position
// angle: the lit half then faces the Sun's true direction on the sky. Drawn
// with the Moon's north straight up it would miss by the angle, about 20
// degrees on these dates.
TEST(MoonPicture, LitHalfFacesTheSunOnceTurnedByTheAxis) {
    int tested = 0;
    for (int code : {0, 3}) {
        for (int day = 10; day <= 24; ++day) {
            Settings settings;
            settings.latitude = 48.8f;
            settings.zoneHours = 1;
            MoonDocument doc(settings);
            doc.projection = code;
            doc.setDate(2024, 3, day, 21, 0);
            // Days where the axis leans well over and the lit part has a
            // clear direction (neither near full nor near new).
            const double k = doc.moon.illuminatedFraction;
            if (std::fabs(doc.moon.axisPositionAngle) < 10.0 || k > 0.85 || k < 0.1) continue;
            ++tested;
            DrawingSurface s(260, 260);
            DiscRenderer r(DiscRenderer::kMoon);
            paintMoonPicture(s, doc, r);
            const QImage img = s.image();
            double sx = 0.0, sy = 0.0;
            int n = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if ((img.pixel(x, y) & 0xffffffu) != 0) {
                        sx += x - 129.5;
                        sy += y - 129.5;
                        ++n;
                    }
            ASSERT_GT(n, 0);
            const double chi = DiscRenderer::brightLimbAngle(
                toRad(doc.earthSun.sunRa), toRad(doc.earthSun.sunDec), doc.moon.rightAscension,
                doc.moon.declination);
            // East is left for code 0 and right for code 3; north up for 0.
            const double ex = code == 0 ? -std::sin(chi) : std::sin(chi);
            const double ey = code == 0 ? -std::cos(chi) : std::cos(chi);
            const double off = std::atan2(sx * ey - sy * ex, sx * ex + sy * ey) * kDegPerRad;
            // The terminator follows the colongitude, which leaves out the
            // Sun's small height over the lunar equator: a few degrees.
            EXPECT_LT(std::fabs(off), 7.0) << "code " << code << " day " << day;
        }
    }
    EXPECT_GE(tested, 4);
}

TEST(MoonPicture, FullAndNewMoon) {
    const double disc = 3.14159 * 100.0 * 100.0;
    // Full Moon of 25 March 2024 (07:00 UT), new Moon of 8 April (18:21 UT).
    EXPECT_GT(litPixels(moonAt(2024, 3, 25, 8, 0)).count / disc, 0.95);
    EXPECT_LT(litPixels(moonAt(2024, 4, 8, 19, 0)).count / disc, 0.05);
    // A waning crescent (5 April) is lit on the left to the eye.
    const Lit waning = litPixels(moonAt(2024, 4, 5, 6, 0));
    EXPECT_LT(waning.count / disc, 0.3);
    EXPECT_LT(waning.meanX, 130.0 - 40.0);
}

}  // namespace
}  // namespace vantorel
