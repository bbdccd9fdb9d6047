#include "sky/ui/SkyChartView.h"

#include <QPainter>

#include "common/ui/ViewContext.h"
#include "common/ui/WindowHost.h"
#include "common/ui/WindowServices.h"

namespace vantorel {

SkyChartView::SkyChartView(const ViewContext& context)
    : ChartView(context, DocTypeId::Sky, std::make_unique<SkyChartDocument>(context.host.settings())) {}

void SkyChartView::paintEvent(QPaintEvent*) {
    SkyChartDocument& doc = document();
    const QString title = QString::fromStdString(doc.windowTitleText());
    if (title != documentTitle()) setDocumentTitle(title);
    Settings& s = settings();
    // Each chart compares its own picture's hemisphere with the latitude's,
    // so every open chart turns, not only the first to see the flag.
    s.hemisphereChanged = false;
    const bool flipped = static_cast<int>(s.latitude) < 0;
    if (doc.redraw || picture_.size() != size() || flipped != description_.mapping.flipped()) {
        WaitCursor wait;
        DrawingSurface surface(std::max(1, width()), std::max(1, height()));
        description_ = paintSkyChart(surface, doc, s.latitude);
        picture_ = surface.image().copy();
        doc.redraw = false;
        ++drawCount_;
        if (isActive()) fillPanes();
    }
    QPainter(this).drawImage(0, 0, picture_);
}

QImage SkyChartView::printPicture() {
    DrawingSurface surface(std::max(1, width()), std::max(1, height()));
    paintSkyChart(surface, document(), settings().latitude);
    return surface.image().copy();
}

}  // namespace vantorel
