// The Tonight window for `vantorel-cli render` and `vantorel-cli print`: the
// timeline of the night and its lists, described by the sky's shades, each
// body's band (up, observable), the marks and the text rows.
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <string>

#include "cli/RenderWindow.h"
#include "common/paint/DrawingSurface.h"
#include "common/paint/PageMapping.h"
#include "tonight/NightPlan.h"
#include "tonight/NightPlanText.h"
#include "tonight/TonightDocument.h"
#include "tonight/paint/NightTimeline.h"

namespace vantorel::cli {
namespace {

constexpr int kDefaultWidth = 780;
constexpr int kDefaultHeight = 900;

NightPlan planFor(const RenderRequest& request) {
    TonightDocument doc(request.settings);
    doc.setDate(request.date.year, request.date.month, request.date.day, request.clock.hour,
                request.clock.minute);
    return doc.plan();
}

std::string segmentsJson(const std::vector<TimelineSegment>& list) {
    std::string json = "[";
    for (size_t i = 0; i < list.size(); ++i)
        json += (i ? ",[" : "[") + std::to_string(list[i].x0) + "," + std::to_string(list[i].x1) + "]";
    return json + "]";
}

RenderResult describe(const NightPlan& plan, const NightSheetDrawing& sheet) {
    const NightTimelineDrawing& t = sheet.timeline;
    char text[256];
    std::snprintf(text, sizeof text, "\"night\":\"%04d-%02d-%02d\",\"plot\":{\"x\":%d,\"y\":%d,\"w\":%d,\"h\":%d}",
                  plan.request.year, plan.request.month, plan.request.day, t.plot.x(), t.plot.y(),
                  t.plot.width(), t.plot.height());
    std::string json = text;
    json += ",\"shades\":[";
    for (size_t i = 0; i < t.shades.size(); ++i)
        json += (i ? "," : "") + std::string("{\"sky\":") + jsonString(t.shades[i].sky) +
                ",\"x0\":" + std::to_string(t.shades[i].span.x0) + ",\"x1\":" + std::to_string(t.shades[i].span.x1) + "}";
    json += "],\"ticks\":[";
    for (size_t i = 0; i < t.ticks.size(); ++i)
        json += (i ? "," : "") + std::string("{\"x\":") + std::to_string(t.ticks[i].x) +
                ",\"label\":" + jsonString(t.ticks[i].label) + "}";
    json += "],\"bands\":[";
    for (size_t i = 0; i < t.bands.size(); ++i) {
        const TimelineBand& b = t.bands[i];
        json += (i ? "," : "") + std::string("{\"body\":") + jsonString(nightBodyKey(b.body)) +
                ",\"y\":" + std::to_string(b.row.y()) + ",\"h\":" + std::to_string(b.row.height()) +
                ",\"up\":" + segmentsJson(b.up) + ",\"observable\":" + segmentsJson(b.observable) + "}";
    }
    json += "],\"marks\":[";
    for (size_t i = 0; i < t.marks.size(); ++i) {
        const TimelineMark& m = t.marks[i];
        json += (i ? "," : "") + std::string("{\"kind\":") +
                jsonString(m.best ? "best" : nightEventKey(m.kind)) + ",\"body\":" + jsonString(nightBodyKey(m.body)) +
                ",\"x\":" + std::to_string(m.x) + ",\"y\":" + std::to_string(m.y) +
                ",\"observable\":" + (m.observable ? "true" : "false") + "}";
    }
    json += "],\"rows\":[";
    for (size_t i = 0; i < sheet.rows.size(); ++i) {
        const SheetRow& r = sheet.rows[i];
        json += (i ? "," : "") + std::string("{\"y\":") + std::to_string(r.y) + ",\"title\":" +
                (r.title ? "true" : "false") + ",\"time\":" + jsonString(r.time) +
                ",\"text\":" + jsonString(r.text) + "}";
    }
    json += "]";
    std::snprintf(text, sizeof text, "night of %04d-%02d-%02d: %zu bands, %zu marks, %zu rows",
                  plan.request.year, plan.request.month, plan.request.day, t.bands.size(),
                  t.marks.size(), sheet.rows.size());
    return {text, json};
}

RenderResult paintTonightWindow(const RenderRequest& request, DrawingSurface& surface) {
    const NightPlan plan = planFor(request);
    QImage& picture = surface.pixelsForWriting();
    QPainter painter(&picture);
    const NightSheetDrawing sheet =
        paintNightSheet(painter, QRect(0, 0, picture.width(), picture.height()), plan,
                        request.language, request.settings.dateFormatIndex());
    return describe(plan, sheet);
}

RenderResult printTonight(const RenderRequest& request, QPainter& painter, const QRect& page) {
    const NightPlan plan = planFor(request);
    const int lang = request.language, format = request.settings.dateFormatIndex();
    const QSize extent = nightSheetExtent(plan, lang, format, kDefaultWidth);
    painter.save();
    mapWindowOntoPage(painter, extent, page);
    const RenderResult result =
        describe(plan, paintNightSheet(painter, QRect(QPoint(0, 0), extent), plan, lang, format));
    painter.restore();
    return result;
}

std::string tonightTitle(const RenderRequest& request) {
    return nightTitle(planFor(request), request.language, request.settings.dateFormatIndex());
}

const RenderWindowRegistrar tonight({"tonight", 0, 0, 0, kDefaultWidth, kDefaultHeight, paintTonightWindow});
const PrintWindowRegistrar tonightPrint(
    {"tonight", printTonight, tonightTitle, kDefaultWidth, kDefaultHeight});

}  // namespace
}  // namespace vantorel::cli
