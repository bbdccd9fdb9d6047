#include "sky/ui/CHelioView.h"

#include <QPainter>

#include "app/ui/CVantorelApp.h"
#include "app/ui/DocumentTypeRegistry.h"

namespace vantorel {

CHelioView::CHelioView(const ViewContext& context)
    : ChartView(context, DocTypeId::Heliocentric,
                std::make_unique<CHelioDoc>(context.app.settings())) {}

QImage CHelioView::draw() {
    DrawingSurface surface(std::max(1, width()), std::max(1, height()));
    description_ = paintHelio(surface, document(), language(), printing_);
    return surface.image().copy();
}

void CHelioView::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, draw());
    if (isActive()) fillPanes();
}

QImage CHelioView::printPicture() {
    printing_ = true;
    QImage page = draw();
    printing_ = false;
    return page;
}

}  // namespace vantorel
