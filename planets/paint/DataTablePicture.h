#pragma once

#include <QFont>
#include <QImage>
#include <QSize>

#include <string>
#include <vector>

#include "planets/DataTableText.h"

class QPainter;

// Draws the all-planets table: the same drawing on the screen, in a picture
// and on paper (the painter's window is the table's own pixels, mapped onto
// the page by the caller).

namespace vantorel {

// The table's drawing area, pixels of its window.
inline constexpr QSize kDataTableExtent{800, 700};

// The table's font: a fixed pixel size, so the table keeps its layout on
// paper and in pictures whatever the device's resolution.
QFont dataTableFont();

// The part of the extent the table's lines fill, the table's whole width:
// what a page shows, as large as the page allows.
QSize dataTablePageExtent(const QFont& font);

// One line as drawn: where each cell's text begins.
struct DrawnTableLine {
    std::string name;
    int y = 0;  // top of the text
    std::vector<std::string> cells;
    std::vector<int> cellX;
};

// Lays the lines out (positions only, nothing drawn).
std::vector<DrawnTableLine> layoutDataTable(const std::vector<TableLine>& lines, const QFont& font);
// Draws black on white over the table's extent from (0, 0).
std::vector<DrawnTableLine> paintDataTable(QPainter& painter, const std::vector<TableLine>& lines,
                                           const QFont& font);
// The table as a picture of at least the table's extent.
QImage dataTablePicture(const std::vector<TableLine>& lines, QSize size = kDataTableExtent);

}  // namespace vantorel
