#pragma once

class QImage;
class QPainter;

namespace vantorel::cli {

// Lays a window's picture on a page of pageWidth x pageHeight device pixels
// from its top-left corner, one scale for both directions (circles stay
// circles) and no smoothing (no colours the picture never had).
void drawOnPage(QPainter& painter, const QImage& picture, int pageWidth, int pageHeight);

}  // namespace vantorel::cli
