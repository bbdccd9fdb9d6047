#pragma once

#include <QPageLayout>
#include <QRect>
#include <QSize>

#include <string>
#include <vector>

class QPainter;

// A page as the printer gets it: the heading across the top in black, the
// window's drawing in the area left below it, on the side of the paper that
// fits the drawing's shape.

namespace vantorel {

// Sideways for a drawing wider than high, upright otherwise: a wide chart on
// an upright page would fill a strip of it.
QPageLayout::Orientation pageOrientationFor(QSize drawing);

// Writes `lines` at the top of `page` (device pixels of the painter) in a
// font sized to the page, smaller when a line would not fit across, and
// returns the area below them for the drawing. The painter is left as it
// was found.
QRect paintPageHeading(QPainter& painter, const QRect& page, const std::vector<std::string>& lines);

}  // namespace vantorel
