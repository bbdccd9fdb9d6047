#include "planets/paint/PlanetPicture.h"

#include <iterator>

#include <QString>

#include "common/text/LanguageText.h"
#include "engine/Angles.h"
#include "engine/Planet.h"
#include "planets/PlanetDocument.h"

namespace vantorel {

PlanetStyle planetStyle(const PlanetDocument& doc) {
    switch (doc.profile().titleIndex) {
    case kTitleMercury: return {DiscRenderer::kMercuryVenus, BodyMap::Mercury, true};
    case kTitleVenus: return {DiscRenderer::kMercuryVenus, BodyMap::Venus, true};
    case kTitleUranus: return {DiscRenderer::kUranus, BodyMap::Uranus, false};
    case kTitleJupiter: return {DiscRenderer::kJupiter, BodyMap::Jupiter, false};
    case kTitleSaturn: return {DiscRenderer::kSaturn, BodyMap::Mars, false};  // no map: drawn globe
    default: return {DiscRenderer::kMars, BodyMap::Mars, false, true};
    }
}

std::vector<SatelliteSpot> paintPlanetPicture(DrawingSurface& s, const PlanetDocument& doc,
                                              DiscRenderer& renderer, float radius) {
    s.fill({0, 0, 0});
    const PlanetStyle style = planetStyle(doc);
    const Planet& body = doc.body();
    renderer.setCentre(static_cast<float>(s.width() / 2), static_cast<float>(s.height() / 2));
    renderer.setRadius(radius);
    renderer.setPositionAngle(body.positionAngle);
    DiscTerminator shading;
    if (style.showsPhase) {
        shading = DiscRenderer::terminatorAngle(
            toRad(doc.earthSun.sunRa), toRad(doc.earthSun.sunDec), toRad(body.ra),
            toRad(body.dec), body.illumination, doc.projection);
    }
    // Every map is laid out by west longitude, the central longitude the
    // engine gives, so it is passed as it is (see tools/make_maps.py).
    renderer.paintMap(s, body.centralLongitudeDeg, body.poleInclination, doc.projection,
                      bodyMap(style.map), shading);
    if (style.shadesNightSide) {
        renderer.shadeNightSide(s,
                                DiscRenderer::brightLimbAngle(toRad(doc.earthSun.sunRa),
                                                              toRad(doc.earthSun.sunDec),
                                                              toRad(body.ra), toRad(body.dec)),
                                body.illumination, doc.projection);
    }
    if (renderer.whiteBackground) {
        renderer.setRadius(radius);
        renderer.whitenAroundDisc(s);
    }
    if (!doc.satellitesAvailable || !(body.diameterArcsec > 0.0)) return {};
    return drawSatellites(s, doc, radius);
}

std::vector<SatelliteSpot> drawSatellites(DrawingSurface& s, const PlanetDocument& doc, float radius) {
    struct Look {
        Rgb colour;
        const char* letter;
    };
    static constexpr Look kMars[] = {{{255, 0, 0}, "P"}, {{0, 255, 255}, "D"}};
    // Ariel, Umbriel, Titania, Oberon, Miranda.
    static constexpr Look kUranus[] = {{{255, 255, 0}, "A"},   {{0, 255, 0}, "U"},
                                       {{0, 255, 255}, "T"},   {{255, 0, 255}, "O"},
                                       {{255, 255, 255}, "M"}};
    const bool uranus = doc.profile().titleIndex == kTitleUranus;
    const Look* looks = uranus ? kUranus : kMars;
    const size_t lookCount = uranus ? std::size(kUranus) : std::size(kMars);

    // The disc's diameter in pixels, 2 x radius, spans the apparent diameter.
    const double pixelsPerArcsec = 2.0 * radius / doc.body().diameterArcsec;
    // East lies left to the eye (codes 0, 2), north up (codes 0, 1).
    const int eastSign = (doc.projection == 1 || doc.projection == 3) ? 1 : -1;
    const int northSign = (doc.projection == 0 || doc.projection == 1) ? -1 : 1;
    const int cx = s.width() / 2;
    const int cy = s.height() / 2;
    std::vector<SatelliteSpot> spots;
    s.setBackgroundMode(BackgroundMode::Transparent);
    for (size_t i = 0; i < doc.satellites.size() && i < lookCount; ++i) {
        const SatellitePlace& p = doc.satellites[i];
        if (!p.present) continue;
        SatelliteSpot spot;
        spot.index = static_cast<int>(i);
        spot.x = cx + static_cast<int>(eastSign * p.eastArcsec * pixelsPerArcsec);
        spot.y = cy + static_cast<int>(northSign * p.northArcsec * pixelsPerArcsec);
        s.setPen(PenStyle::Solid, 1, looks[i].colour);
        s.setBrush(looks[i].colour);
        s.ellipse(spot.x - 2, spot.y - 2, spot.x + 2, spot.y + 2);
        s.setTextColour(looks[i].colour);
        s.textOut(spot.x + 4, spot.y - 15, QString::fromLatin1(looks[i].letter));
        spots.push_back(spot);
    }
    return spots;
}

}  // namespace vantorel
