#include "sky/ui/CCielView.h"

#include <QPainter>

#include "app/ui/CVantorelApp.h"
#include "app/ui/DocumentTypeRegistry.h"
#include "app/ui/WindowServices.h"

namespace vantorel {

CCielView::CCielView(const ViewContext& context)
    : ChartView(context, DocTypeId::Sky, std::make_unique<CCielDoc>(context.app.settings())) {}

void CCielView::paintEvent(QPaintEvent*) {
    CCielDoc& doc = document();
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

QImage CCielView::printPicture() {
    DrawingSurface surface(std::max(1, width()), std::max(1, height()));
    paintSkyChart(surface, document(), settings().latitude);
    return surface.image().copy();
}

}  // namespace vantorel
