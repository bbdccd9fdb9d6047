#include "sky/ui/HeliocentricView.h"

#include <QPainter>

#include "common/ui/ViewContext.h"
#include "common/ui/WindowHost.h"

namespace vantorel {

HeliocentricView::HeliocentricView(const ViewContext& context)
    : ChartView(context, DocTypeId::Heliocentric,
                std::make_unique<HeliocentricDocument>(context.host.settings())) {}

QImage HeliocentricView::draw() {
    DrawingSurface surface(std::max(1, width()), std::max(1, height()));
    description_ = paintHelio(surface, document(), language(), printing_);
    return surface.image().copy();
}

void HeliocentricView::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, draw());
    if (isActive()) fillPanes();
}

QImage HeliocentricView::printPicture() {
    printing_ = true;
    QImage page = draw();
    printing_ = false;
    return page;
}

}  // namespace vantorel
