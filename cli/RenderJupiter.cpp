// The two Jupiter windows for `vantorel-cli render`: the disc with its
// satellites and shadows, and the satellite strip.
#include <cstdio>
#include <string>

#include "cli/RenderWindow.h"
#include "common/paint/DrawingSurface.h"
#include "satellites/JupiterDocument.h"
#include "satellites/JupiterSystem.h"
#include "satellites/JupiterZoom.h"
#include "satellites/paint/JupiterPicture.h"

namespace vantorel::cli {
namespace {

// The picture's geometry: the disc's centre and radii, the zoom level of the
// disc view, the Red Spot, and every satellite and shadow with whether it was
// drawn, and whether a satellite's place lies inside the picture.
std::string layoutJson(const JupiterPictureLayout& l, bool withShadows) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "\"disc\":{\"cx\":%d,\"cy\":%d,\"rx\":%.2f,\"ry\":%.2f},"
                  "\"red_spot\":{\"x\":%d,\"y\":%d,\"facing\":%s}",
                  l.centreX, l.centreY, l.equatorialRadius, l.polarRadius, l.redSpotX,
                  l.redSpotY, l.redSpotFacing ? "true" : "false");
    std::string json = text;
    if (withShadows) {
        std::snprintf(text, sizeof text, ",\"zoom\":{\"level\":%d,\"levels\":%d}", l.zoomLevel,
                      JupiterZoom::kLevels);
        json += text;
    }
    static const char* const kNames[4] = {"Io", "Europa", "Ganymede", "Callisto"};
    auto list = [&](const char* key, const std::array<GalileanSpot, 4>& spots, bool withInside) {
        json += std::string(",\"") + key + "\":[";
        for (int i = 0; i < 4; ++i) {
            const GalileanSpot& s = spots[static_cast<size_t>(i)];
            std::snprintf(text, sizeof text, "%s{\"name\":\"%s\",\"x\":%d,\"y\":%d,\"drawn\":%s",
                          i ? "," : "", kNames[i], s.x, s.y, s.drawn ? "true" : "false");
            json += text;
            // A satellite has its place whether drawn or not; a shadow only
            // when it falls on the disc.
            if (withInside) {
                const bool inside = s.x >= 0 && s.x < l.width && s.y >= 0 && s.y < l.height;
                json += inside ? ",\"inside\":true" : ",\"inside\":false";
            }
            json += "}";
        }
        json += "]";
    };
    list("satellites", l.satellites, true);
    if (withShadows) list("shadows", l.shadows, false);
    return json;
}

std::string summaryOf(const JupiterDocument& doc, const JupiterPictureLayout& l) {
    const JupiterSystem& j = doc.planet();
    int shadows = 0, hidden = 0;
    for (int i = 0; i < 4; ++i) {
        shadows += l.shadows[static_cast<size_t>(i)].drawn;
        hidden += !l.satellites[static_cast<size_t>(i)].drawn;
    }
    char text[256];
    std::snprintf(text, sizeof text,
                  "System I %.2f deg, System II %.2f deg, Red Spot at %d deg, %d shadow(s) on "
                  "the disc, %d satellite(s) hidden",
                  j.system1Deg, j.system2Deg, doc.redSpotLongitude(), shadows, hidden);
    return text;
}

template <bool Strip>
RenderResult paintJupiterWindow(const RenderRequest& request, DrawingSurface& surface) {
    Settings settings = request.settings;
    JupiterDocument doc(DateTime{}, settings);
    doc.dt.setLocal(request.date.year, request.date.month, request.date.day, request.clock.hour,
                    request.clock.minute, request.zone.hours, request.zone.minutes);
    doc.computeBody();
    doc.projection = request.projection;
    JupiterPictureLayout layout;
    if (Strip) {
        layout = paintJupiterStrip(surface, doc, false);
    } else {
        DiscRenderer renderer(DiscRenderer::kJupiter);
        layout = paintJupiterPicture(surface, doc, renderer, request.zoom);
    }
    return {summaryOf(doc, layout), layoutJson(layout, !Strip)};
}

// The disc zooms by levels, from the globe filling the picture (0) to all
// four moons in view (the default); the strip spans Callisto's orbit across
// its width.
const RenderWindowRegistrar disc({"jupiter", 0, JupiterZoom::kLevels - 1,
                                  JupiterZoom::kDefaultLevel, 600, 300,
                                  paintJupiterWindow<false>});
const RenderWindowRegistrar strip(
    {"jupiter-satellites", 1, 1, 1, 640, 140, paintJupiterWindow<true>});

}  // namespace
}  // namespace vantorel::cli
