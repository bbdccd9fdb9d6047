// The heliocentric view for `vantorel-cli render` and `vantorel-cli print`:
// the orbits and planets of the date, described by the scale, the circles
// and each body's pixel and heliocentric longitude. On paper it is black on
// white.
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <cstdio>
#include <string>

#include "cli/PagePicture.h"
#include "cli/RenderWindow.h"
#include "common/paint/DrawingSurface.h"
#include "common/text/LanguageText.h"
#include "sky/paint/HelioPicture.h"

namespace vantorel::cli {
namespace {

// The client area of the 350 x 430 window.
constexpr int kDefaultWidth = 340;
constexpr int kDefaultHeight = 400;

RenderResult drawHelio(const RenderRequest& request, DrawingSurface& surface, bool printing) {
    const Settings settings = request.settings;
    HeliocentricDocument doc(settings);
    doc.setDate(request.date.year, request.date.month, request.date.day, request.clock.hour,
                request.clock.minute);
    const HelioDescription d = paintHelio(surface, doc, settings.languageIndex(), printing);
    char text[256];
    std::snprintf(text, sizeof text, "\"X\":%d,\"K\":%d,\"circles\":[", d.layout.X, d.layout.K);
    std::string json = text;
    for (std::size_t i = 0; i < d.layout.circles.size(); ++i) {
        const HelioCircle& c = d.layout.circles[i];
        std::snprintf(text, sizeof text, "%s{\"cx\":%d,\"cy\":%d,\"r\":%d}", i ? "," : "", c.cx,
                      c.cy, c.r);
        json += text;
    }
    json += "],\"bodies\":[";
    std::string summary;
    for (std::size_t i = 0; i < d.bodies.size(); ++i) {
        const auto& b = d.bodies[i];
        std::snprintf(text, sizeof text, "%s{\"label\":%s,\"x\":%d,\"y\":%d,\"longitude\":%.4f}",
                      i ? "," : "", jsonString(b.label).c_str(), b.x, b.y, b.longitudeDeg);
        json += text;
        std::snprintf(text, sizeof text, "%s%s %.1f", i ? ", " : "heliocentric longitudes: ",
                      b.label.c_str(), b.longitudeDeg);
        summary += text;
    }
    json += "]";
    return {summary, json};
}

RenderResult paintHelioWindow(const RenderRequest& request, DrawingSurface& surface) {
    return drawHelio(request, surface, false);
}

// The view's picture for paper, spread over the page with one scale for both
// directions; pixels stay sharp.
RenderResult printHelio(const RenderRequest& request, QPainter& painter, const QRect& page) {
    DrawingSurface surface(kDefaultWidth, kDefaultHeight);
    const RenderResult result = drawHelio(request, surface, true);
    drawOnPage(painter, surface.image(), page);
    return result;
}

std::string helioTitle(const RenderRequest& request) {
    return QString::fromUtf8(windowTitle(request.language, kTitleHeliocentric)).trimmed().toStdString();
}

const RenderWindowRegistrar helio({"helio", 0, 0, 0, kDefaultWidth, kDefaultHeight,
                                   paintHelioWindow});
const PrintWindowRegistrar helioPrint({"helio", printHelio, helioTitle, kDefaultWidth, kDefaultHeight});

}  // namespace
}  // namespace vantorel::cli
