#include "common/paint/PageMapping.h"

#include <QPainter>

#include <algorithm>

namespace vantorel {

QRect isotropicTarget(QSize windowExtent, QSize viewportExtent, QPoint viewportOrigin) {
    if (windowExtent.isEmpty() || viewportExtent.isEmpty()) return QRect(viewportOrigin, QSize());
    const double scale = std::min(static_cast<double>(viewportExtent.width()) / windowExtent.width(),
                                  static_cast<double>(viewportExtent.height()) / windowExtent.height());
    return QRect(viewportOrigin, QSize(static_cast<int>(windowExtent.width() * scale),
                                       static_cast<int>(windowExtent.height() * scale)));
}

void mapWindowOntoPage(QPainter& painter, QSize windowExtent, const QRect& page) {
    const QRect target = isotropicTarget(windowExtent, page.size(), page.topLeft());
    if (target.isEmpty()) return;
    painter.setViewport(target);
    painter.setWindow(QRect(QPoint(0, 0), windowExtent));
}

}  // namespace vantorel
