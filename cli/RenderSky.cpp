// The sky chart for `vantorel-cli render` and `vantorel-cli print`: the
// chart of the date with the catalogues of data/ in the working directory,
// described by the mapping, each body's pixel and label, and what the
// catalogues drew.
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <cstdio>
#include <string>

#include "cli/PagePicture.h"
#include "cli/RenderWindow.h"
#include "common/paint/DrawingSurface.h"
#include "sky/SkyChartDocument.h"
#include "sky/paint/SkyChartPicture.h"

namespace vantorel::cli {
namespace {

// A 1600-pixel main window's chart: 1590 wide, 2.7 times as wide as high.
constexpr int kDefaultWidth = 1590;
constexpr int kDefaultHeight = 588;

RenderResult describe(const SkyChartDocument& doc, const SkyChartDescription& d) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "\"mapping\":{\"x0\":%d,\"y0\":%d,\"width\":%d,\"flipped\":%s},"
                  "\"stars\":%d,\"figureSegments\":%d,\"bodies\":[",
                  d.mapping.x0, d.mapping.y0, d.mapping.width, d.mapping.flipped() ? "true" : "false",
                  d.stars, d.figureSegments);
    std::string json = text;
    for (std::size_t i = 0; i < d.bodies.size(); ++i) {
        const auto& b = d.bodies[i];
        std::snprintf(text, sizeof text,
                      "%s{\"label\":%s,\"x\":%d,\"y\":%d,\"labelX\":%d,\"labelY\":%d,"
                      "\"labelWidth\":%d,\"labelHeight\":%d,\"labelColour\":[%d,%d,%d],"
                      "\"ra\":%.4f,\"dec\":%.4f}",
                      i ? "," : "", jsonString(b.label).c_str(), b.x, b.y, b.labelX, b.labelY,
                      b.labelWidth, b.labelHeight, b.labelColour.r, b.labelColour.g, b.labelColour.b,
                      b.raDeg, b.decDeg);
        json += text;
    }
    json += "],\"constellations\":[";
    for (std::size_t i = 0; i < d.constellations.size(); ++i) {
        const auto& c = d.constellations[i];
        std::snprintf(text, sizeof text,
                      "%s{\"name\":%s,\"x\":%d,\"y\":%d,\"left\":%d,\"top\":%d,\"width\":%d,"
                      "\"height\":%d,\"ra\":%.4f,\"dec\":%.4f}",
                      i ? "," : "", jsonString(c.name).c_str(), c.x, c.y, c.left, c.top, c.width, c.height,
                      c.raDeg, c.decDeg);
        json += text;
    }
    json += "]";
    // The horizon every tenth column, and its last point.
    std::snprintf(text, sizeof text, ",\"meridian\":{\"x\":%d,\"ra\":%.4f},\"horizon\":[", d.meridianX,
                  d.siderealTimeDeg);
    json += text;
    for (std::size_t i = 0; i < d.horizon.size(); ++i) {
        if (i % 10 != 0 && i + 1 != d.horizon.size()) continue;
        std::snprintf(text, sizeof text, "%s[%d,%d]", i ? "," : "", d.horizon[i].x, d.horizon[i].y);
        json += text;
    }
    json += "]";
    std::snprintf(text, sizeof text, "%d stars, %d figure segments, %s", d.stars, d.figureSegments,
                  doc.windowTitleText().c_str());
    return {text, json};
}

RenderResult paintSky(const RenderRequest& request, DrawingSurface& surface) {
    const Settings settings = request.settings;
    SkyChartDocument doc(settings);
    doc.setDate(request.date.year, request.date.month, request.date.day, request.clock.hour,
                request.clock.minute);
    const SkyChartDescription d = paintSkyChart(surface, doc, settings.latitude);
    return describe(doc, d);
}

// The printed chart is the screen's, laid on the page with one scale for
// both directions.
RenderResult printSky(const RenderRequest& request, QPainter& painter, const QRect& page) {
    DrawingSurface surface(kDefaultWidth, kDefaultHeight);
    const RenderResult result = paintSky(request, surface);
    drawOnPage(painter, surface.image(), page);
    return result;
}

std::string skyTitle(const RenderRequest& request) {
    const Settings settings = request.settings;
    SkyChartDocument doc(settings);
    doc.setDate(request.date.year, request.date.month, request.date.day, request.clock.hour,
                request.clock.minute);
    return QString::fromStdString(doc.windowTitleText()).trimmed().toStdString();
}

const RenderWindowRegistrar sky({"sky", 0, 0, 0, kDefaultWidth, kDefaultHeight, paintSky});
const PrintWindowRegistrar skyPrint({"sky", printSky, skyTitle, kDefaultWidth, kDefaultHeight});

}  // namespace
}  // namespace vantorel::cli
