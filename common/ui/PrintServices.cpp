#include "common/ui/PrintServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

#include "common/paint/PictureFiles.h"
#include "common/paint/PrintedPage.h"
#include "common/text/FileErrorText.h"
#include "common/text/LanguageText.h"
#include "common/ui/DialogHelpers.h"
#include "common/ui/PictureSaving.h"
#include "common/ui/WindowServices.h"

namespace vantorel {

namespace {

constexpr TextTriple kPrintFailed{
    "The page could not be printed or written to\n%1",
    "La page n'a pas pu \u00eatre imprim\u00e9e ni \u00e9crite dans\n%1",
    "No se ha podido imprimir la p\u00e1gina ni guardarla en\n%1"};

// Turns the printer for one job and back when the job ends.
class JobSettings {
public:
    JobSettings(QPrinter& printer, const PrintJob& job)
        : printer_(printer), orientation_(printer.pageLayout().orientation()),
          colour_(printer.colorMode()), name_(printer.docName()) {
        printer.setPageOrientation(job.orientation);
        if (job.monochrome) printer.setColorMode(QPrinter::GrayScale);
        printer.setDocName(job.documentName);
    }
    ~JobSettings() {
        printer_.setPageOrientation(orientation_);
        printer_.setColorMode(colour_);
        printer_.setDocName(name_);
    }
    JobSettings(const JobSettings&) = delete;
    JobSettings& operator=(const JobSettings&) = delete;

private:
    QPrinter& printer_;
    QPageLayout::Orientation orientation_;
    QPrinter::ColorMode colour_;
    QString name_;
};

void report(QWidget* parent, PrintOutcome outcome, int error, const QPrinter& printer,
            int language) {
    if (outcome == PrintOutcome::Failed) {
        playExclamationSound();
        if (printer.outputFormat() == QPrinter::PdfFormat && error != 0) {
            messageBox(parent, QString::fromStdString(cannotWriteFileMessage(
                                   QDir::toNativeSeparators(printer.outputFileName()).toStdString(),
                                   error, language)));
            return;
        }
        messageBox(parent, tr3(kPrintFailed, language)
                               .arg(printer.outputFormat() == QPrinter::PdfFormat
                                        ? QDir::toNativeSeparators(printer.outputFileName())
                                        : printer.printerName()));
    }
}

}  // namespace

void paintJobPage(QPainter& painter, const QRect& page, const PrintJob& job) {
    const QRect below = paintPageHeading(painter, page, job.heading);
    if (!job.paint) return;
    painter.save();
    job.paint(painter, below);
    painter.restore();
}

PagePainter picturePage(std::function<QImage()> render) {
    return [render = std::move(render)](QPainter& painter, const QRect& page) {
        const QImage picture = render();
        const QRect target = isotropicTarget(picture.size(), page.size(), page.topLeft());
        // Smooth scaling would mix colours the picture never had.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(target, picture);
    };
}

bool printerInstalled() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

void preparePrinter(QPrinter& printer) {
    if (printerInstalled()) return;
    printer.setOutputFormat(QPrinter::PdfFormat);
}

PrintOutcome printJobOn(QPrinter& printer, const PrintJob& job, int* error) {
    if (error) *error = 0;
    if (!job.paint) return PrintOutcome::Failed;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        if (printer.outputFileName().isEmpty()) return PrintOutcome::Failed;
        // Every page the program writes to a file goes through the safe-file
        // code, under the name's bytes as the system spells them.
        const int failed = writePdfFile(
            QFile::encodeName(printer.outputFileName()).toStdString(), printer.pageLayout(),
            job.documentName, [&job](QPainter& painter, const QRect& page) { paintJobPage(painter, page, job); });
        if (error) *error = failed;
        return failed == 0 ? PrintOutcome::WrotePdf : PrintOutcome::Failed;
    }
    QPainter painter;
    if (!painter.begin(&printer)) return PrintOutcome::Failed;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    paintJobPage(painter, QRect(QPoint(0, 0), page.size()), job);
    return painter.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

bool printPicture(QPrinter& printer, const QImage& picture) {
    PrintJob job;
    job.paint = picturePage([picture] { return picture; });
    return printJobOn(printer, job) != PrintOutcome::Failed;
}

namespace {

// Without a printer the page goes where the user says, as Save picture as
// would write it: never into a folder the user did not choose.
PrintOutcome saveInsteadOfPrinting(QWidget* parent, QPrinter& printer, const PrintJob& job, int language) {
    const QString path = askPictureFile(parent, job.documentName, language, true);
    if (path.isEmpty()) return PrintOutcome::Cancelled;
    return writeJobFile(parent, path, job, QSize(), printer.pageLayout(), language) == SaveOutcome::Saved
               ? PrintOutcome::WrotePdf
               : PrintOutcome::Failed;
}

}  // namespace

PrintOutcome printWithDialog(QWidget* parent, QPrinter& printer, const PrintJob& job, int language) {
    if (!printerInstalled()) return saveInsteadOfPrinting(parent, printer, job, language);
    JobSettings settings(printer, job);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return PrintOutcome::Cancelled;
    int error = 0;
    const PrintOutcome outcome = printJobOn(printer, job, &error);
    report(parent, outcome, error, printer, language);
    return outcome;
}

PrintOutcome printDirect(QWidget* parent, QPrinter& printer, const PrintJob& job, int language) {
    if (!printerInstalled()) return saveInsteadOfPrinting(parent, printer, job, language);
    JobSettings settings(printer, job);
    int error = 0;
    const PrintOutcome outcome = printJobOn(printer, job, &error);
    report(parent, outcome, error, printer, language);
    return outcome;
}

void printPreview(QWidget* parent, QPrinter& printer, const PrintJob& job, int language) {
    JobSettings settings(printer, job);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&](QPrinter* p) {
        // The preview's own Print to a PDF file: through the safe-file code
        // like every page written, never by the printer straight into the
        // file. (The preview pages are drawn on another engine.)
        if (p->outputFormat() == QPrinter::PdfFormat && p->paintEngine() &&
            p->paintEngine()->type() == QPaintEngine::Pdf) {
            int error = 0;
            const PrintOutcome outcome = printJobOn(*p, job, &error);
            if (outcome == PrintOutcome::Failed) report(parent, outcome, error, *p, language);
            return;
        }
        QPainter painter;
        if (!painter.begin(p)) return;
        const QRect page = p->pageLayout().paintRectPixels(p->resolution());
        paintJobPage(painter, QRect(QPoint(0, 0), page.size()), job);
    });
    dialog.exec();
}

bool pageSetup(QWidget* parent, QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace vantorel
