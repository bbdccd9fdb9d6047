#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <string>

#include "common/commands/CommandIds.h"
#include "common/files/SafeFile.h"
#include "common/text/LanguageText.h"
#include "common/ui/ChildView.h"
#include "common/ui/PictureSaving.h"
#include "common/ui/PrintServices.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/SmallDisk.h"

using namespace vantorel;

namespace {

// A window kind with its own view that prints.
class PrintingView : public ChildView {
public:
    PrintingView(const ViewContext& c) : ChildView(c.host, DocTypeId::Sky) {}
    bool printable() const override { return true; }
    QImage printPicture() override {
        ++rendered;
        QImage picture(40, 20, QImage::Format_RGB32);
        picture.fill(Qt::white);
        return picture;
    }
    int rendered = 0;
};

}  // namespace

TEST(PrintServices, IsotropicMappingKeepsTheShape) {
    EXPECT_EQ(isotropicTarget(QSize(260, 260), QSize(1000, 500)), QRect(0, 0, 500, 500));
    EXPECT_EQ(isotropicTarget(QSize(400, 200), QSize(1000, 1000), QPoint(-1, -1)),
              QRect(-1, -1, 1000, 500));
    EXPECT_EQ(isotropicTarget(QSize(300, 100), QSize(2000, 2000)).size(), QSize(2000, 666));
    EXPECT_TRUE(isotropicTarget(QSize(0, 10), QSize(100, 100)).isEmpty());
}

TEST(PrintServices, APictureGoesToPaper) {
    TempWorkingDir wd;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(wd.file("page.pdf").string()));
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    ASSERT_TRUE(printPicture(printer, picture));
    EXPECT_GT(QFileInfo(printer.outputFileName()).size(), 500);
}

TEST(PrintServices, ARegisteredViewThatPrintsGetsThePrintCommands) {
    StartedApp started(0);
    ASSERT_TRUE(started.start());
    started.app->registry().setViewFactory(
        DocTypeId::Sky, [](const ViewContext& c) { return new PrintingView(c); }, QSize(400, 300));
    started.command(ID_OPEN_SKY);
    auto* view = dynamic_cast<PrintingView*>(started.frame().activeView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->parentWidget()->size(), QSize(400, 300));
    EXPECT_EQ(view->documentTitle(), QStringLiteral(" Sky"));
    started.frame().updateCommandStates();
    EXPECT_TRUE(started.frame().currentAction(ID_FILE_PRINT)->isEnabled());
    EXPECT_TRUE(started.frame().currentAction(ID_FILE_PRINT_PREVIEW)->isEnabled());

    if (printerInstalled()) {
        ModalDriver driver;
        driver.then([](QWidget* w) {
            EXPECT_NE(qobject_cast<QPrintDialog*>(w), nullptr);
            ModalDriver::close(w, false);
        });
        started.command(ID_FILE_PRINT);
        EXPECT_TRUE(driver.finished());
    } else {
        // No printer: the save dialog for a PDF page, not a file in a
        // folder the user never chose.
        QStringList asked;
        setSaveFileChooser([&asked](QWidget*, const QString&, const QString& suggested, const QString& filters) {
            asked << suggested << filters;
            return QString();
        });
        started.command(ID_FILE_PRINT);
        started.command(ID_FILE_PRINT_DIRECT);
        setSaveFileChooser({});
        ASSERT_EQ(asked.size(), 4);
        EXPECT_TRUE(asked[0].endsWith(QStringLiteral("/Vantorel - Sky.pdf"))) << asked[0].toStdString();
        EXPECT_EQ(asked[1], QStringLiteral("PDF page (*.pdf)"));
    }
    EXPECT_EQ(view->rendered, 0);  // cancelled: nothing drawn for paper
}

// A PDF page on a full disk fails and the file it would replace stays whole
// (no cut PDF without its end in its place).
TEST(PrintServices, AFullDiskKeepsTheOldPdf) {
    SmallDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << "no tmpfs can be mounted here";
    const std::string old = disk.file("page.pdf").string();
    std::ofstream(old) << "the old page";
    disk.fill();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(old));
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    PrintJob job;
    job.paint = picturePage([picture] { return picture; });
    int error = 0;
    EXPECT_EQ(printJobOn(printer, job, &error), PrintOutcome::Failed);
    EXPECT_EQ(error, ENOSPC);
    std::ifstream in(old);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "the old page");
}

// Print directly without a printer writes the PDF the user names; when the
// disk fills the user is told which file and why, in the active language,
// and no file is left.
TEST(PrintServices, PrintDirectlySaysWhichFileFailedAndWhy) {
    StartedApp started(kFrench);
    ASSERT_TRUE(started.start());
    if (printerInstalled()) GTEST_SKIP() << "a printer is installed: the page goes to it";
    started.app->registry().setViewFactory(
        DocTypeId::Sky, [](const ViewContext& c) { return new PrintingView(c); }, QSize(400, 300));
    started.command(ID_OPEN_SKY);
    setFileStepHookForTesting([](FileStep step, const std::string&) {
        return step == FileStep::Sync ? ENOSPC : 0;
    });
    const QString pdf = QDir(QString::fromStdString(started.wd.path().string()))
                            .absoluteFilePath(QStringLiteral("Vantorel - Ciel.pdf"));
    setSaveFileChooser([pdf](QWidget*, const QString&, const QString&, const QString&) { return pdf; });
    ModalDriver driver;
    driver.accept();
    started.command(ID_FILE_PRINT_DIRECT);
    setFileStepHookForTesting({});
    setSaveFileChooser({});
    ASSERT_EQ(driver.seen().size(), 1);
    EXPECT_EQ(driver.seen().front(),
              QStringLiteral("message: Impossible d'\u00e9crire le fichier %1 : Plus de place sur "
                             "le disque. Rien n'a \u00e9t\u00e9 modifi\u00e9.")
                  .arg(pdf));
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

// The preview's Print to a PDF file writes through the same safe code: a
// full disk is reported and leaves no file, a page that fits is whole.
TEST(PrintServices, ThePreviewsPdfGoesThroughTheSafeWrite) {
    StartedApp started(kEnglish);
    ASSERT_TRUE(started.start());
    if (printerInstalled()) GTEST_SKIP() << "a printer is installed: the page goes to it";
    started.app->registry().setViewFactory(
        DocTypeId::Sky, [](const ViewContext& c) { return new PrintingView(c); }, QSize(400, 300));
    started.command(ID_OPEN_SKY);
    const QString pdf = QDir(QString::fromStdString(started.wd.path().string()))
                            .absoluteFilePath(QStringLiteral("preview.pdf"));
    started.app->printer().setOutputFormat(QPrinter::PdfFormat);
    started.app->printer().setOutputFileName(pdf);
    auto printFromPreview = [&](bool full) {
        setFileStepHookForTesting([full](FileStep step, const std::string&) {
            return full && step == FileStep::Write ? ENOSPC : 0;
        });
        ModalDriver driver;
        driver.then([](QWidget* w) {
                  // Later: the file dialog it opens is the driver's next window.
                  for (QAction* a : w->findChildren<QAction*>())
                      if (a->text().remove(QLatin1Char('&')) == QStringLiteral("Print"))
                          QTimer::singleShot(0, a, &QAction::trigger);
              })
            .then([](QWidget* w) {
                // Its print dialog, on the PDF file the printer names.
                EXPECT_NE(qobject_cast<QPrintDialog*>(w), nullptr);
                ModalDriver::close(w, true);
            });
        if (full) driver.accept();  // the message
        started.command(ID_FILE_PRINT_PREVIEW);
        setFileStepHookForTesting({});
        EXPECT_TRUE(driver.finished());
        return driver.seen();
    };
    const QStringList seen = printFromPreview(true);
    ASSERT_EQ(seen.size(), 3);
    EXPECT_EQ(seen.back(), QStringLiteral("message: Cannot write the file %1: No space left on "
                                          "device. Nothing was changed.")
                               .arg(pdf));
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_EQ(printFromPreview(false).size(), 2);
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().trimmed().endsWith("%%EOF"));
}
