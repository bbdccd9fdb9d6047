#include "common/paint/PrintedPage.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>

namespace vantorel {

QPageLayout::Orientation pageOrientationFor(QSize drawing) {
    return drawing.width() > drawing.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QRect paintPageHeading(QPainter& painter, const QRect& page, const std::vector<std::string>& lines) {
    if (lines.empty() || page.isEmpty()) return page;
    QFont font(QStringLiteral("DejaVu Sans"));
    // About ten points on an A4 page, whatever the printer's resolution.
    int pixels = std::max(8, std::min(page.width(), page.height()) / 60);
    font.setPixelSize(pixels);
    int widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, QFontMetrics(font, painter.device())
                                      .horizontalAdvance(QString::fromStdString(line)));
    if (widest > page.width()) {
        pixels = std::max(4, pixels * page.width() / widest);
        font.setPixelSize(pixels);
    }
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font, painter.device());
    int y = page.top();
    for (const std::string& line : lines) {
        painter.drawText(page.left(), y + metrics.ascent(), QString::fromStdString(line));
        y += metrics.lineSpacing();
    }
    painter.restore();
    // A line's height between the heading and the drawing.
    y += metrics.lineSpacing();
    return QRect(page.left(), y, page.width(), std::max(0, page.bottom() + 1 - y));
}

}  // namespace vantorel
