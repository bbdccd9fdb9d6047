#include "cli/PagePicture.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include "common/paint/PageMapping.h"

namespace vantorel::cli {

void drawOnPage(QPainter& painter, const QImage& picture, const QRect& page) {
    if (picture.isNull() || page.isEmpty()) return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(isotropicTarget(picture.size(), page.size(), page.topLeft()), picture);
}

}  // namespace vantorel::cli
