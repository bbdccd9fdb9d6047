// The two Jupiter windows for `vantorel-cli render`: the disc with its
// satellites and shadows, and the satellite strip.
#include <cstdio>
#include <string>

#include "cli/RenderWindow.h"
#include "common/paint/DrawingSurface.h"
#include "satellites/JupiterDocument.h"
#include "satellites/JupiterSystem.h"
#include "satellites/paint/JupiterPicture.h"

namespace vantorel::cli {
namespace {

// The picture's geometry: the disc's centre and radii, the Red Spot, and
// every satellite and shadow with whether it was drawn.
std::string layoutJson(const JupiterPictureLayout& l, bool withShadows) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "\"disc\":{\"cx\":%d,\"cy\":%d,\"rx\":%.2f,\"ry\":%.2f},"
                  "\"red_spot\":{\"x\":%d,\"y\":%d,\"facing\":%s}",
                  l.centreX, l.centreY, l.equatorialRadius, l.polarRadius, l.redSpotX,
                  l.redSpotY, l.redSpotFacing ? "true" : "false");
    std::string json = text;
    static const char* const kNames[4] = {"Io", "Europa", "Ganymede", "Callisto"};
    auto list = [&](const char* key, const std::array<GalileanSpot, 4>& spots) {
        json += std::string(",\"") + key + "\":[";
        for (int i = 0; i < 4; ++i) {
            const GalileanSpot& s = spots[static_cast<size_t>(i)];
            std::snprintf(text, sizeof text, "%s{\"name\":\"%s\",\"x\":%d,\"y\":%d,\"drawn\":%s}",
                          i ? "," : "", kNames[i], s.x, s.y, s.drawn ? "true" : "false");
            json += text;
        }
        json += "]";
    };
    list("satellites", l.satellites);
    if (withShadows) list("shadows", l.shadows);
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
        layout = paintJupiterPicture(surface, doc, renderer);
    }
    return {summaryOf(doc, layout), layoutJson(layout, !Strip)};
}

// Neither window zooms: the disc has its fixed scale, the strip spans
// Callisto's orbit across its width.
const RenderWindowRegistrar disc({"jupiter", 98, 98, 98, 300, 280, paintJupiterWindow<false>});
const RenderWindowRegistrar strip(
    {"jupiter-satellites", 1, 1, 1, 640, 140, paintJupiterWindow<true>});

}  // namespace
}  // namespace vantorel::cli
