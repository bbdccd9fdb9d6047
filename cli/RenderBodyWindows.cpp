// The Mercury, Venus, Mars, Uranus and Moon windows for `vantorel-cli render`.
#include <cstdio>
#include <memory>
#include <string>

#include "cli/RenderWindow.h"
#include "common/paint/DrawingSurface.h"
#include "engine/Angles.h"
#include "moon/MoonDocument.h"
#include "moon/paint/MoonPicture.h"
#include "planets/MarsDocument.h"
#include "planets/MercuryDocument.h"
#include "planets/UranusDocument.h"
#include "planets/VenusDocument.h"
#include "planets/paint/PlanetPicture.h"

namespace vantorel::cli {
namespace {

std::unique_ptr<PlanetDocument> planetDoc(const std::string& window, Settings& settings) {
    const DateTime blank;
    if (window == "mercury") return std::make_unique<MercuryDocument>(blank, settings);
    if (window == "venus") return std::make_unique<VenusDocument>(blank, settings);
    if (window == "mars") return std::make_unique<MarsDocument>(blank, settings);
    return std::make_unique<UranusDocument>(blank, settings);
}

// "\"disc\":{...}" for a disc of radius `radius` at the surface's centre.
std::string discJson(const DrawingSurface& s, double radius) {
    char text[128];
    std::snprintf(text, sizeof text, "\"disc\":{\"cx\":%d,\"cy\":%d,\"rx\":%.1f,\"ry\":%.1f}",
                  s.width() / 2, s.height() / 2, radius, radius);
    return text;
}

RenderResult paintPlanetWindow(const RenderRequest& request, DrawingSurface& surface) {
    Settings settings = request.settings;
    std::unique_ptr<PlanetDocument> doc = planetDoc(request.window, settings);
    doc->dt.setLocal(request.date.year, request.date.month, request.date.day, request.clock.hour,
                     request.clock.minute, request.zone.hours, request.zone.minutes);
    doc->computeBody();
    doc->projection = request.projection;
    DiscRenderer renderer(planetStyle(*doc).rendererKind);
    const auto spots =
        paintPlanetPicture(surface, *doc, renderer, static_cast<float>(request.zoom));
    const Planet& b = doc->body();
    char summary[256];
    std::snprintf(summary, sizeof summary,
                  "central longitude %.2f deg, tilt %.2f deg, pole angle %.2f deg, "
                  "illuminated %.3f",
                  b.centralLongitudeDeg, toDeg(b.poleInclination), toDeg(b.positionAngle),
                  b.illumination);
    std::string json = discJson(surface, request.zoom) + ",\"satellites\":[";
    for (size_t i = 0; i < spots.size(); ++i) {
        char spot[96];
        std::snprintf(spot, sizeof spot, "%s{\"index\":%d,\"x\":%d,\"y\":%d}", i ? "," : "",
                      spots[i].index, spots[i].x, spots[i].y);
        json += spot;
    }
    json += "]";
    return {summary, json};
}

RenderResult paintMoonWindow(const RenderRequest& request, DrawingSurface& surface) {
    Settings settings = request.settings;
    MoonDocument doc(settings);
    doc.projection = request.projection;
    doc.setDate(request.date.year, request.date.month, request.date.day, request.clock.hour,
                request.clock.minute);
    DiscRenderer renderer(DiscRenderer::kMoon);
    paintMoonPicture(surface, doc, renderer, static_cast<float>(request.zoom));
    char summary[256];
    std::snprintf(summary, sizeof summary,
                  "colongitude %.2f deg, libration %.2f / %.2f deg, illuminated %.3f, "
                  "axis angle %.2f deg",
                  doc.moon.colongitude, doc.moon.librationLongitude,
                  toDeg(doc.moon.librationLatitude), doc.moon.illuminatedFraction,
                  doc.moon.axisPositionAngle);
    // The picture is turned by the axis's position angle: say by how much.
    char axis[64];
    std::snprintf(axis, sizeof axis, ",\"axis_position_angle_deg\":%.2f", doc.moon.axisPositionAngle);
    return {summary, discJson(surface, request.zoom) + axis};
}

// Mercury and Venus have a fixed disc of 100 pixels; the Moon, Mars and
// Uranus zoom within their windows' ranges.
const RenderWindowRegistrar mercury({"mercury", 100, 100, 100, 260, 260, paintPlanetWindow});
const RenderWindowRegistrar venus({"venus", 100, 100, 100, 260, 260, paintPlanetWindow});
const RenderWindowRegistrar mars({"mars", 20, 80, 80, 260, 260, paintPlanetWindow});
const RenderWindowRegistrar uranus({"uranus", 10, 80, 10, 260, 260, paintPlanetWindow});
const RenderWindowRegistrar moon({"moon", kMoonMinZoom, kMoonMaxZoom, static_cast<int>(kMoonDiscRadius),
                                  260, 260, paintMoonWindow});

}  // namespace
}  // namespace vantorel::cli
