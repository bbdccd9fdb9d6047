#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <functional>

class QPrinter;
class QWidget;

// Printing of a window's picture: the same drawing as on the screen, made
// into a picture and laid on the page with an isotropic mapping (one scale
// for both axes, so circles stay circles).

namespace vantorel {

// Where a picture of `windowExtent` lands when mapped isotropically onto a
// viewport of `viewportExtent` placed at `viewportOrigin`: the largest
// rectangle of the picture's shape that fits, at the viewport's top-left.
QRect isotropicTarget(QSize windowExtent, QSize viewportExtent, QPoint viewportOrigin = QPoint());

// Lays `picture` on the printer's page, isotropically, within the page's
// printable area. False when the printer could not start.
bool printPicture(QPrinter& printer, const QImage& picture);

// The Print command: the print dialog, then the picture `render` makes.
void printWithDialog(QWidget* parent, QPrinter& printer, const std::function<QImage()>& render);
// The Print Preview command.
void printPreview(QWidget* parent, QPrinter& printer, const std::function<QImage()>& render);

}  // namespace vantorel
