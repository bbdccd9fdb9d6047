#include "satellites/paint/JupiterPicture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include <QString>

#include "common/text/LanguageText.h"
#include "engine/Angles.h"
#include "planets/paint/BodyMaps.h"
#include "satellites/GalileanPlacement.h"
#include "satellites/JupiterDocument.h"
#include "satellites/JupiterSystem.h"
#include "satellites/SatelliteInfoRecord.h"

namespace vantorel {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kYellow{255, 255, 0};

Rgb colourOf(int satellite) {
    const GalileanLook& look = galileanLook(satellite);
    return {look.r, look.g, look.b};
}

// The star field must not move between paints, on any platform: a small
// generator of our own with the classic linear congruential constants
// instead of the C library's rand().
class StarRandom {
public:
    explicit StarRandom(std::uint32_t seed) : state_(seed) {}
    int next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7fffu);
    }

private:
    std::uint32_t state_;
};

bool hidden(const GalileanMoons& sat, int i) { return sat.occulted[i] || sat.eclipsed[i]; }

}  // namespace

void sprinkleStars(DrawingSurface& s) {
    StarRandom random(360);
    for (int k = 0; k < 20; ++k) {
        const int x = random.next() % s.width();
        const int y = random.next() % s.height();
        if (s.pixel(x, y) == kBlack) s.setPixel(x, y, Rgb{255, 255, (-100 * k - 1) & 0xff});
    }
}

JupiterPictureLayout paintJupiterPicture(DrawingSurface& s, JupiterDocument& doc,
                                         DiscRenderer& renderer, int level) {
    JupiterPictureLayout out;
    out.width = s.width();
    out.height = s.height();
    out.zoomLevel = std::clamp(level, 0, JupiterZoom::kLevels - 1);
    out.centreX = s.width() / 2;
    out.centreY = s.height() / 2;
    const double radius = JupiterZoom::discRadius(out.zoomLevel, s.width(), s.height());
    // Pixels for two Jupiter radii: the satellites' scale.
    const double scale = 2.0 * radius;
    out.equatorialRadius = radius;
    out.polarRadius = radius / kJupiterFlattening;
    s.fill(kBlack);

    const JupiterSystem& j = doc.planet();
    const int projection = doc.projection;
    const int redSpot = doc.redSpotLongitude();
    const double system2 = j.system2Deg;
    renderer.setCentre(static_cast<float>(out.centreX), static_cast<float>(out.centreY));
    renderer.setRadius(static_cast<float>(radius));
    renderer.setPolarScale(1.0 / kJupiterFlattening);
    // The map's own Red Spot is turned to the reference longitude, so the
    // belts and the spot the user sees agree with the outline drawn over it.
    double mapCentre = std::fmod(system2 + kMapRedSpotLongitude - redSpot, 360.0);
    if (mapCentre < 0) mapCentre += 360.0;
    renderer.paintMap(s, mapCentre, j.poleInclination, projection, bodyMap(BodyMap::Jupiter));
    sprinkleStars(s);

    const int centralLongitude = static_cast<int>(system2) % 360;
    renderer.drawRedSpot(s, centralLongitude, projection, redSpot);
    {
        // Where the spot's centre (its longitude, 22 degrees south) landed.
        const int lonSign = (projection == 1 || projection == 3) ? 1 : -1;
        const int latSign = (projection == 0 || projection == 1) ? 1 : -1;
        const double rel = lonSign == 1 ? redSpot - centralLongitude : centralLongitude - redSpot;
        const DiscRenderer::Projected p = renderer.project(toRad(rel), toRad(-22.0 * latSign));
        out.redSpotFacing = p.visible;
        out.redSpotX = p.x;
        out.redSpotY = p.y;
    }
    renderer.setPolarScale(1.0);

    doc.computeSatellitesForDrawing();
    s.setBackgroundMode(BackgroundMode::Transparent);
    for (int i = 0; i < 4; ++i) {
        const int size = galileanDotSize(i, scale);
        if (j.shadowOnDisc[i]) {
            const ScreenPoint p = placeSatellite(out.centreX, out.centreY, projection,
                                                 scale, scale, j.AX[4 + i], j.AY[4 + i]);
            s.setPen(PenStyle::Solid, 1, kBlack);
            s.setBrush(kBlack);
            s.ellipse(p.x - size / 2, p.y - size / 2, p.x - size / 2 + size, p.y - size / 2 + size);
            out.shadows[static_cast<size_t>(i)] = {true, p.x, p.y};
        }
        const ScreenPoint p = placeSatellite(out.centreX, out.centreY, projection,
                                             scale, scale, j.AX[i], j.AY[i]);
        out.satellites[static_cast<size_t>(i)] = {false, p.x, p.y};
        if (hidden(j, i)) continue;
        const Rgb colour = colourOf(i);
        s.setPen(PenStyle::Solid, 1, colour);
        s.setBrush(colour);
        s.ellipse(p.x - size / 2, p.y - size / 2, p.x - size / 2 + size, p.y - size / 2 + size);
        s.setTextColour(colour);
        s.textOut(p.x - size / 2 + 4, p.y - 15, QString::fromLatin1(galileanLook(i).letter));
        out.satellites[static_cast<size_t>(i)].drawn = true;
    }
    return out;
}

JupiterPictureLayout paintJupiterStrip(DrawingSurface& s, JupiterDocument& doc, bool printing) {
    JupiterPictureLayout out;
    out.width = s.width();
    out.height = s.height();
    out.centreX = s.width() / 2;
    out.centreY = s.height() / 2;
    s.fill(printing ? Rgb{255, 255, 255} : kBlack);

    const int kmPerPixel = std::max(1, static_cast<int>(JupiterDocument::kOrbitScaleKm) /
                                           std::max(1, s.width() - 6));
    const int r = (static_cast<int>(JupiterDocument::kPlanetDiameterKm) / kmPerPixel) / 4;
    out.equatorialRadius = r;
    out.polarRadius = r;
    const int cx = out.centreX;
    const int cy = out.centreY;
    s.setPen(PenStyle::Solid, 1, kYellow);
    s.setBrush(kYellow);
    s.ellipse(cx - r, cy - r, cx + r + 1, cy + r + 1);
    s.setPen(PenStyle::Solid, 1, kBlack);
    s.moveTo(cx - r, cy);
    s.lineTo(cx + r, cy);

    s.setBackgroundMode(BackgroundMode::Transparent);
    if (!printing) {
        const int lang = doc.language();
        static constexpr int kLegendX[4] = {3, 22, 85, 178};
        for (int i = 0; i < 4; ++i) {
            s.setTextColour(colourOf(i));
            s.textOut(kLegendX[i], 2,
                      QString::fromUtf8(satelliteInfo(SatelliteFamily::Jupiter, i).localName(lang)));
        }
    }

    doc.computeSatellitesForDrawing();
    const JupiterSystem& j = doc.planet();
    for (int i = 0; i < 4; ++i) {
        const ScreenPoint p =
            placeSatellite(cx, cy, doc.projection, 2.0 * r, 2.0 * r, j.AX[i], j.AY[i]);
        out.satellites[static_cast<size_t>(i)] = {false, p.x, p.y};
        if (hidden(j, i)) continue;
        const Rgb colour = colourOf(i);
        s.fillRect(p.x - 1, p.y - 1, p.x + 1, p.y + 1, colour);
        s.setTextColour(colour);
        s.textOut(p.x + 2, p.y - 15, QString::fromLatin1(galileanLook(i).letter));
        out.satellites[static_cast<size_t>(i)].drawn = true;
    }
    return out;
}

}  // namespace vantorel
