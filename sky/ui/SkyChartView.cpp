#include "sky/ui/SkyChartView.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

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

void SkyChartView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        ChartView::mousePressEvent(event);
        return;
    }
    const QPoint p = event->position().toPoint();
    const int index = skyBodyAt(description_, p.x(), p.y());
    if (index < 0) return;
    if (const auto type = SkyChartDocument::bodyWindow(index)) {
        host().showBodyWindow(*type);
        return;
    }
    const auto& b = description_.bodies[static_cast<std::size_t>(index)];
    const double hours = b.raDeg / 15.0;
    const int h = static_cast<int>(hours), m = static_cast<int>((hours - h) * 60.0);
    setPaneText(3, QStringLiteral("%1  %2h%3m  %4%5\u00b0")
                       .arg(QString::fromStdString(b.label))
                       .arg(h)
                       .arg(m, 2, 10, QLatin1Char('0'))
                       .arg(b.decDeg < 0 ? QStringLiteral("-") : QStringLiteral("+"))
                       .arg(std::abs(b.decDeg), 0, 'f', 1));
}

QImage SkyChartView::printPicture() {
    DrawingSurface surface(std::max(1, width()), std::max(1, height()));
    paintSkyChart(surface, document(), settings().latitude);
    return surface.image().copy();
}

}  // namespace vantorel
