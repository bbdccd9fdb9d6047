#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QPainter;

// The isotropic mapping of a window's pixels onto a page: one scale for both
// axes, so circles stay circles and the table keeps its proportions.

namespace vantorel {

// Where a picture of `windowExtent` lands when mapped isotropically onto a
// viewport of `viewportExtent` placed at `viewportOrigin`: the largest
// rectangle of the picture's shape that fits, at the viewport's top-left.
QRect isotropicTarget(QSize windowExtent, QSize viewportExtent, QPoint viewportOrigin = QPoint());

// Makes the painter's coordinates those of a window of `windowExtent` pixels
// mapped isotropically onto `page` (device pixels).
void mapWindowOntoPage(QPainter& painter, QSize windowExtent, const QRect& page);

}  // namespace vantorel
