#include "planets/paint/PlanetPicture.h"

#include "app/LanguageText.h"
#include "engine/Angles.h"
#include "engine/PLANETE.h"
#include "planets/CPlanetDoc.h"

namespace vantorel {

PlanetStyle planetStyle(const CPlanetDoc& doc) {
    switch (doc.profile().titleIndex) {
    case kTitleMercury: return {DiscRenderer::kMercuryVenus, BodyMap::Mercury, true};
    case kTitleVenus: return {DiscRenderer::kMercuryVenus, BodyMap::Venus, true};
    case kTitleUranus: return {DiscRenderer::kUranus, BodyMap::Uranus, false};
    case kTitleJupiter: return {DiscRenderer::kJupiter, BodyMap::Jupiter, false};
    default: return {DiscRenderer::kMars, BodyMap::Mars, false};
    }
}

std::vector<SatelliteSpot> paintPlanetPicture(DrawingSurface& s, const CPlanetDoc& doc,
                                              DiscRenderer& renderer, float radius) {
    s.fill(renderer.whiteBackground ? Rgb{255, 255, 255} : Rgb{0, 0, 0});
    const PlanetStyle style = planetStyle(doc);
    const PLANETE& body = doc.body();
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
    return {};
}

}  // namespace vantorel
