#include "satellites/paint/SaturnSatPicture.h"

#include <algorithm>
#include <cmath>

#include <QString>

#include "satellites/SatelliteInfoRecord.h"

namespace vantorel {
namespace {

constexpr Rgb kWhite{255, 255, 255};
// Eight colours apart from one another and bright enough on black: white,
// magenta, green, cyan, red, orange, light blue, pink.
constexpr Rgb kMoonColours[kSaturnSatellites] = {
    {255, 255, 255}, {255, 0, 255}, {0, 255, 0},     {0, 255, 255},
    {255, 0, 0},     {255, 165, 0}, {140, 140, 255}, {255, 150, 200}};

// A moon on the far side of the rings' plane (north of the centre in the
// ring frame when the Earth is north of it) is hidden while it stands within
// the globe's outline.
bool behindGlobe(const SaturnMoonPlace& m, double ringTilt) {
    const double polar = 1.0 / kSaturnFlattening;
    const bool insideOutline = (m.x * m.x) + (m.y * m.y) / (polar * polar) < 1.0;
    return insideOutline && m.y * ringTilt > 0.0;
}

}  // namespace

Rgb saturnMoonColour(int i) { return kMoonColours[std::clamp(i, 0, kSaturnSatellites - 1)]; }

SaturnSatDrawing paintSaturnSatPicture(DrawingSurface& s, const SaturnMoonSet& moons,
                                       DiscRenderer& renderer, int zoomLevel, int projection,
                                       int language) {
    SaturnSatDrawing out;
    const Rgb background = renderer.whiteBackground ? kWhite : Rgb{0, 0, 0};
    s.fill(background);
    out.centreX = s.width() / 2;
    out.centreY = s.height() / 2;
    const SaturnPicture place = placeSaturnSatellites(moons.moons, out.centreX, out.centreY,
                                                      s.width() / 2, zoomLevel, projection);
    out.discRadiusX = place.discRadiusX;
    out.discRadiusY = place.discRadiusY;
    out.kmPerPixel = place.kmPerPixel;

    // The globe, then its rings and equator over it.
    const Rgb yellow{255, 255, 0};
    s.setPen(PenStyle::Solid, 1, yellow);
    s.setBrush(yellow);
    const int ry = static_cast<int>(place.discRadiusY);
    s.ellipse(out.centreX - place.discRadiusX, out.centreY - ry, out.centreX + place.discRadiusX,
              out.centreY + ry);
    if (place.discRadiusX > 0) {
        renderer.setBodyKind(DiscRenderer::kSaturn);
        renderer.setCentre(static_cast<float>(out.centreX), static_cast<float>(out.centreY));
        renderer.setRadius(static_cast<float>(place.discRadiusX));
        renderer.drawSaturnEquator(s, moons.ringTilt, moons.sameSide, projection);
    }

    for (int i = 0; i < kSaturnSatellites; ++i) {
        const int x = place.x[i];
        const int y = place.y[i];
        out.moonX[i] = x;
        out.moonY[i] = y;
        const bool inside = x >= 0 && y >= 0 && x < s.width() && y < s.height();
        out.moonDrawn[i] = inside && !behindGlobe(moons.moons[i], moons.ringTilt);
        if (!out.moonDrawn[i]) continue;
        // On white paper the white moons are drawn in black.
        const Rgb colour = (renderer.whiteBackground && kMoonColours[i] == kWhite)
                               ? Rgb{0, 0, 0}
                               : kMoonColours[i];
        s.setPen(PenStyle::Solid, 1, colour);
        s.setBrush(colour);
        s.ellipse(x - 2, y - 2, x + 2, y + 2);
    }

    // The legend along the top, each name in its moon's colour, laid out by
    // the names' widths in the language.
    s.setBackgroundMode(BackgroundMode::Transparent);
    const int gap = s.textWidth(QStringLiteral("  "));
    int x = 3;
    for (int i = 0; i < kSaturnSatellites; ++i) {
        const QString name = QString::fromUtf8(satelliteInfo(SatelliteFamily::Saturn, i).localName(language));
        s.setTextColour(renderer.whiteBackground && kMoonColours[i] == kWhite ? Rgb{0, 0, 0}
                                                                            : kMoonColours[i]);
        s.textOut(x, 0, name);
        out.legendX[i] = x;
        x += s.textWidth(name) + gap;
    }
    out.legendRight = x - gap;
    return out;
}

}  // namespace vantorel
