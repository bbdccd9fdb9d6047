#pragma once

class QImage;
class QPainter;
class QRect;

namespace vantorel::cli {

// Lays a window's picture in `page` (device pixels of the painter) from its
// top-left corner, one scale for both directions (circles stay circles) and
// no smoothing (no colours the picture never had).
void drawOnPage(QPainter& painter, const QImage& picture, const QRect& page);

}  // namespace vantorel::cli
