// The data dialog for `vantorel-cli render`: the figures of one body as its
// window hands them to the dialog, drawn where the dialog shows them, and
// each label listed with the figure beside or above it.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/RenderWindow.h"
#include "common/paint/DataPanelPicture.h"
#include "common/paint/DialogUnits.h"
#include "common/text/BodyDataRecord.h"
#include "moon/MoonDocument.h"
#include "planets/MarsDocument.h"
#include "planets/MercuryDocument.h"
#include "planets/SaturnDocument.h"
#include "planets/UranusDocument.h"
#include "planets/VenusDocument.h"
#include "satellites/JupiterDocument.h"

namespace vantorel::cli {
namespace {

std::unique_ptr<PlanetDocument> planetDoc(const std::string& body, Settings& settings) {
    const DateTime blank;
    if (body == "mercury") return std::make_unique<MercuryDocument>(blank, settings);
    if (body == "venus") return std::make_unique<VenusDocument>(blank, settings);
    if (body == "mars") return std::make_unique<MarsDocument>(blank, settings);
    if (body == "jupiter") return std::make_unique<JupiterDocument>(blank, settings);
    if (body == "saturn") return std::make_unique<SaturnDocument>(blank, settings);
    return std::make_unique<UranusDocument>(blank, settings);
}

BodyDataRecord recordOf(const RenderRequest& request, Settings& settings) {
    if (request.body == "moon") {
        MoonDocument doc(settings);
        doc.setDate(request.date.year, request.date.month, request.date.day, request.clock.hour,
                    request.clock.minute);
        return doc.panel();
    }
    std::unique_ptr<PlanetDocument> doc = planetDoc(request.body, settings);
    doc->dt.setLocal(request.date.year, request.date.month, request.date.day, request.clock.hour,
                     request.clock.minute, request.zone.hours, request.zone.minutes);
    doc->computeBody();
    return doc->fillDataPanel().record;
}

std::string trimmed(const QString& text) { return text.trimmed().toStdString(); }

RenderResult paintDataWindow(const RenderRequest& request, DrawingSurface& surface) {
    Settings settings = request.settings;
    const BodyDataRecord record = recordOf(request, settings);
    const std::vector<PlacedText> texts = paintDataPanel(surface, record, request.language);

    std::string json = "\"body\":" + jsonString(request.body) + ",\"texts\":[";
    char box[96];
    bool first = true;
    for (const PlacedText& t : texts) {
        if (t.text.trimmed().isEmpty()) continue;
        std::snprintf(box, sizeof box, "\"x\":%d,\"y\":%d,\"w\":%d,\"h\":%d}", t.rect.x(), t.rect.y(),
                      t.rect.width(), t.rect.height());
        json += std::string(first ? "" : ",") + "{\"id\":" + std::to_string(t.id) +
                ",\"text\":" + jsonString(trimmed(t.text)) + "," + box;
        first = false;
    }
    json += "],\"labels\":[";
    first = true;
    int paired = 0;
    for (const LabelValue& p : pairLabelsWithValues(texts)) {
        json += std::string(first ? "" : ",") + "{\"id\":" + std::to_string(p.label.id) +
                ",\"label\":" + jsonString(trimmed(p.label.text)) + ",\"value\":";
        if (p.where == LabelValue::Where::None) {
            json += "null,\"where\":null}";
        } else {
            json += jsonString(trimmed(p.value.text)) + ",\"value_id\":" + std::to_string(p.value.id) +
                    ",\"where\":" + (p.where == LabelValue::Where::Beside ? "\"beside\"" : "\"above\"") + "}";
            ++paired;
        }
        first = false;
    }
    json += "]";
    const std::string summary = trimmed(QString::fromStdString(record.bodyName)) + ": " +
                                std::to_string(paired) + " labels with their figures";
    return {summary, json};
}

// The dialog's own size: 110 x 233 dialog units.
const RenderWindowRegistrar data({"data", 0, 0, 0, dialogX(110), dialogY(233), paintDataWindow, true});

}  // namespace
}  // namespace vantorel::cli
