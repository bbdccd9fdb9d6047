#include "cli/PagePicture.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace vantorel::cli {

void drawOnPage(QPainter& painter, const QImage& picture, int pageWidth, int pageHeight) {
    if (picture.isNull() || pageWidth <= 0 || pageHeight <= 0) return;
    const double scale = std::min(static_cast<double>(pageWidth) / picture.width(),
                                  static_cast<double>(pageHeight) / picture.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(0, 0, static_cast<int>(picture.width() * scale),
                            static_cast<int>(picture.height() * scale)),
                      picture);
}

}  // namespace vantorel::cli
