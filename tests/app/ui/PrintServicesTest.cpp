#include <gtest/gtest.h>

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

#include "common/commands/CommandIds.h"
#include "common/ui/ChildView.h"
#include "common/ui/PrintServices.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/support/ModalDriver.h"

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

    ModalDriver driver;
    driver.then([](QWidget* w) {
        EXPECT_NE(qobject_cast<QPrintDialog*>(w), nullptr);
        ModalDriver::close(w, false);
    });
    started.command(ID_FILE_PRINT);
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(view->rendered, 0);  // cancelled: nothing drawn for paper
}
