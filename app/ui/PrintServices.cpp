#include "app/ui/PrintServices.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>

namespace vantorel {

QRect isotropicTarget(QSize windowExtent, QSize viewportExtent, QPoint viewportOrigin) {
    if (windowExtent.isEmpty() || viewportExtent.isEmpty()) return QRect(viewportOrigin, QSize());
    const double scale = std::min(static_cast<double>(viewportExtent.width()) / windowExtent.width(),
                                  static_cast<double>(viewportExtent.height()) / windowExtent.height());
    return QRect(viewportOrigin, QSize(static_cast<int>(windowExtent.width() * scale),
                                       static_cast<int>(windowExtent.height() * scale)));
}

bool printPicture(QPrinter& printer, const QImage& picture) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect target = isotropicTarget(picture.size(), page.size());
    // Smooth scaling would mix colours the picture never had.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, picture);
    return painter.end();
}

void printWithDialog(QWidget* parent, QPrinter& printer, const std::function<QImage()>& render) {
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted) printPicture(printer, render());
}

void printPreview(QWidget* parent, QPrinter& printer, const std::function<QImage()>& render) {
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&](QPrinter* p) { printPicture(*p, render()); });
    dialog.exec();
}

}  // namespace vantorel
