#pragma once

#include <QImage>
#include <QPageLayout>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "common/paint/PageMapping.h"

class QPainter;
class QPrinter;
class QWidget;

// Printing of a window: the same drawing as on the screen, laid on the page
// with an isotropic mapping (one scale for both axes, so circles stay
// circles). Without an installed printer the page goes to a PDF file the
// user names in the save dialog, written whole or not at all.

namespace vantorel {

// Draws one page: `page` is the area below the heading in the painter's
// device pixels.
using PagePainter = std::function<void(QPainter& painter, const QRect& page)>;

// What a window gives the print commands.
struct PrintJob {
    PagePainter paint;
    // The page is turned this way while the window prints, and back after.
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    // Printed across the top of the page: the title, then the date, time,
    // zone and site (common/text/PageHeading.h).
    std::vector<std::string> heading;
    bool monochrome = false;
    // The window's title: the name of the print job and of its PDF file.
    QString documentName;
};

// A job that lays the picture `render` makes isotropically on the page.
PagePainter picturePage(std::function<QImage()> render);

// One whole page of a job: its heading at the top of `page`, its drawing
// below.
void paintJobPage(QPainter& painter, const QRect& page, const PrintJob& job);

// Whether the system knows a printer.
bool printerInstalled();

enum class PrintOutcome { Printed, WrotePdf, Cancelled, Failed };

// Prints the job on `printer` as it is set, without a dialog. A printer set to
// PDF output writes its file through a temporary file renamed over it;
// `error` receives the cause when that file could not be written (see
// writePdfFile).
PrintOutcome printJobOn(QPrinter& printer, const PrintJob& job, int* error = nullptr);

// Lays `picture` on the printer's page, isotropically, within the page's
// printable area. False when the printer could not start.
bool printPicture(QPrinter& printer, const QImage& picture);

// The Print command: the print dialog, then the page. The Print directly
// command: the page on the current printer. Without a printer both offer
// the save dialog for a PDF page instead. Print Preview: the preview window,
// which can print too. Each tells the user (in `language`) when a page could
// not be written.
PrintOutcome printWithDialog(QWidget* parent, QPrinter& printer, const PrintJob& job, int language);
PrintOutcome printDirect(QWidget* parent, QPrinter& printer, const PrintJob& job, int language);
void printPreview(QWidget* parent, QPrinter& printer, const PrintJob& job, int language = 0);
// The Print Setup command: paper size, orientation and margins.
bool pageSetup(QWidget* parent, QPrinter& printer);

// Prepares the program's printer: PDF output when no printer is installed.
void preparePrinter(QPrinter& printer);

}  // namespace vantorel
