#include "planets/paint/DataTablePicture.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "common/paint/DrawingSurface.h"

namespace vantorel {

namespace {

// The left margin of every line and the title's corner.
constexpr int kMarginX = 4;
constexpr int kTitleX = 5;
constexpr int kTitleY = 5;

struct TableMetrics {
    int rh;  // line height: the character height and two pixels
    int cw;  // average character width
    int y0;  // top of the first section's header
    explicit TableMetrics(const QFontMetrics& fm)
        : rh(fm.height() + 2), cw(std::max(1, fm.averageCharWidth())), y0(2 * rh + 4) {}
};

// The headers the section rules take their length from: the Sun's under its
// own header, the Moon's under every later section.
constexpr const char* kSunHeader = "sun_header";
constexpr const char* kMoonHeader = "moon_header";

}  // namespace

QFont dataTableFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QSize dataTablePageExtent(const QFont& font) {
    const TableMetrics m{QFontMetrics(font)};
    // Below the Red Spot line (row 20) one more line of margin.
    return QSize(kDataTableExtent.width(), std::min(kDataTableExtent.height(), m.y0 + 22 * m.rh));
}

std::vector<DrawnTableLine> layoutDataTable(const std::vector<TableLine>& lines, const QFont& font) {
    const QFontMetrics fm(font);
    const TableMetrics m(fm);
    const int blank = fm.horizontalAdvance(QLatin1Char(' '));
    std::vector<DrawnTableLine> out;
    for (const TableLine& line : lines) {
        DrawnTableLine drawn;
        drawn.name = line.name;
        drawn.cells = line.cells;
        const bool title = line.row < 0;
        drawn.y = title ? kTitleY : m.y0 + line.row * m.rh;
        std::vector<int> stops;
        for (int s : line.tabStops) stops.push_back(s * m.cw);
        int penX = title ? kTitleX : kMarginX;
        for (size_t i = 0; i < line.cells.size(); ++i) {
            if (i > 0) {
                // Each cell is followed by a blank, then the tab. A cell stands
                // at its own column's stop, never at a later one: a long value
                // (a colongitude of 336.74 degrees) only pushes its neighbour
                // on by a blank, and every other value stays under its heading.
                penX += blank;
                if (i - 1 < stops.size())
                    penX = std::max(penX, kMarginX + stops[i - 1]);
                else
                    penX = tabbedPosition(penX, stops, kMarginX, 8 * m.cw, blank);
            }
            drawn.cellX.push_back(penX);
            penX += fm.horizontalAdvance(QString::fromStdString(line.cells[i]));
        }
        out.push_back(std::move(drawn));
    }
    return out;
}

std::vector<DrawnTableLine> paintDataTable(QPainter& painter, const std::vector<TableLine>& lines,
                                           const QFont& font) {
    const QFontMetrics fm(font);
    const TableMetrics m(fm);
    std::vector<DrawnTableLine> drawn = layoutDataTable(lines, font);

    painter.save();
    painter.setFont(font);
    painter.fillRect(QRect(QPoint(0, 0), kDataTableExtent), Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    int sunWidth = 0;
    int moonWidth = 0;
    for (const DrawnTableLine& line : drawn) {
        for (size_t i = 0; i < line.cells.size(); ++i)
            painter.drawText(line.cellX[i], line.y + fm.ascent(), QString::fromStdString(line.cells[i]));
        if (line.cells.empty()) continue;
        const int right = line.cellX.back() +
                          fm.horizontalAdvance(QString::fromStdString(line.cells.back()));
        if (line.name == kSunHeader) sunWidth = right - kMarginX;
        if (line.name == kMoonHeader) moonWidth = right - kMarginX;
    }
    // A rule under each section's header and one under the last planet.
    auto rule = [&](int row, int width) {
        const int y = m.y0 + row * m.rh;
        painter.drawLine(kMarginX, y, kMarginX + width, y);
    };
    for (const TableLine& line : lines) {
        if (!line.header) continue;
        rule(line.row + 1, line.name == kSunHeader ? sunWidth : moonWidth);
    }
    rule(19, moonWidth);
    painter.restore();
    return drawn;
}

QImage dataTablePicture(const std::vector<TableLine>& lines, QSize size) {
    QImage picture(size.expandedTo(kDataTableExtent), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    paintDataTable(painter, lines, dataTableFont());
    return picture;
}

}  // namespace vantorel
