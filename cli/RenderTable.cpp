// The all-planets table for `vantorel-cli render` and `vantorel-cli print`.
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <string>

#include "cli/RenderWindow.h"
#include "common/commands/DocumentTypes.h"
#include "common/paint/DrawingSurface.h"
#include "common/paint/PageMapping.h"
#include "planets/DataTableDocument.h"
#include "planets/DataTableText.h"
#include "planets/paint/DataTablePicture.h"

namespace vantorel::cli {
namespace {

std::vector<TableLine> computeTable(const RenderRequest& request, const Settings& settings) {
    DataTableDocument doc(DateTime(), settings);
    doc.dt.setLocal(request.date.year, request.date.month, request.date.day, request.clock.hour,
                    request.clock.minute, request.zone.hours, request.zone.minutes);
    doc.computeTable();
    return dataTableLines(doc, request.language, settings.dateFormatIndex());
}

// Every line as drawn: its name, its top and each cell's text and left edge.
RenderResult describe(const std::vector<DrawnTableLine>& drawn) {
    std::string json = "\"rows\":[";
    for (size_t i = 0; i < drawn.size(); ++i) {
        const DrawnTableLine& line = drawn[i];
        json += (i ? "," : "") + std::string("{\"name\":") + jsonString(line.name) +
                ",\"y\":" + std::to_string(line.y) + ",\"cells\":[";
        for (size_t k = 0; k < line.cells.size(); ++k)
            json += (k ? "," : "") + std::string("{\"x\":") + std::to_string(line.cellX[k]) +
                    ",\"text\":" + jsonString(line.cells[k]) + "}";
        json += "]}";
    }
    json += "]";
    const std::string title = drawn.empty() || drawn[0].cells.empty() ? "" : drawn[0].cells[0];
    return {"table of " + title, json};
}

RenderResult paintTableWindow(const RenderRequest& request, DrawingSurface& surface) {
    const std::vector<TableLine> lines = computeTable(request, request.settings);
    QImage& picture = surface.pixelsForWriting();
    picture.fill(Qt::white);
    QPainter painter(&picture);
    return describe(paintDataTable(painter, lines, dataTableFont()));
}

RenderResult printTableWindow(const RenderRequest& request, QPainter& painter, const QRect& page) {
    const std::vector<TableLine> lines = computeTable(request, request.settings);
    // The window's pixels mapped isotropically onto the page.
    mapWindowOntoPage(painter, dataTablePageExtent(dataTableFont()), page);
    return describe(paintDataTable(painter, lines, dataTableFont()));
}

std::string tableTitle(const RenderRequest& request) {
    return QString::fromUtf8(documentType(DocTypeId::DataTable).fixedTitle(request.language))
        .trimmed()
        .toStdString();
}

const RenderWindowRegistrar table({"table", 0, 0, 0, kDataTableExtent.width(),
                                   kDataTableExtent.height(), paintTableWindow});
// The table's window is wider than high: a sideways page.
const PrintWindowRegistrar printTable({"table", printTableWindow, tableTitle, kDataTableExtent.width(),
                                       kDataTableExtent.height()});

}  // namespace
}  // namespace vantorel::cli
