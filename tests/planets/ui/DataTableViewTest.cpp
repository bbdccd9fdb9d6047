// The all-planets table window driven offscreen: opened from the menu at the
// clock's date, its own date command, the messages it hears and ignores, and
// printing: the print commands enabled where something prints, Print Setup as
// a page setup dialog, and without a printer a PDF that shows the table.
#include <QDir>
#include <QFileInfo>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

#include "common/commands/CommandIds.h"
#include "common/ui/DateTimeDialog.h"
#include "common/ui/PictureSaving.h"
#include "common/ui/PrintServices.h"
#include "planets/ui/DataTableView.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/support/ModalDriver.h"

using namespace vantorel;

namespace {

DataTableView* openTable(StartedApp& s) {
    s.command(ID_OPEN_DATA_TABLE);
    return qobject_cast<DataTableView*>(s.frame().activeView());
}

bool enabled(StartedApp& s, int id) {
    s.frame().updateCommandStates();
    QAction* action = s.frame().currentAction(id);
    return action && action->isEnabled();
}

// Rows of the page holding dark pixels, counted as separate bands of text.
int textBands(const QImage& page) {
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < page.height(); ++y) {
        bool dark = false;
        for (int x = 0; x < page.width() && !dark; ++x) dark = qGray(page.pixel(x, y)) < 128;
        if (dark && !inBand) ++bands;
        inBand = dark;
    }
    return bands;
}

}  // namespace

TEST(DataTableView, TheTitleIsInTheLanguage) {
    const char* titles[3] = {" Data", " Données", " Datos"};
    for (int language = 0; language < 3; ++language) {
        StartedApp s(language);
        ASSERT_TRUE(s.start());
        DataTableView* table = openTable(s);
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->documentTitle(), QString::fromUtf8(titles[language]));
        // Its printed page says where and when: the site the table was
        // computed for, which its picture does not show.
        const PrintJob job = table->printJob();
        EXPECT_EQ(job.orientation, QPageLayout::Landscape);
        ASSERT_EQ(job.heading.size(), 2u);
        EXPECT_EQ(QString::fromStdString(job.heading[0]), QString::fromUtf8(titles[language]).trimmed());
        EXPECT_NE(job.heading[1].find("45\u00b000' N"), std::string::npos) << job.heading[1];
        EXPECT_NE(job.heading[1].find("21:30"), std::string::npos) << job.heading[1];
    }
}

TEST(DataTableView, OpensAtTheClockAndKeepsItsOwnDate) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    DataTableView* table = openTable(s);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->documentTitle(), QStringLiteral(" Data"));
    const DateTime& dt = table->document().dt;
    EXPECT_EQ(dt.localYear, 2024);
    EXPECT_EQ(dt.localDay, 15);
    EXPECT_EQ(dt.localHour, 21);
    EXPECT_EQ(table->document().computeCount(), 1);
    EXPECT_TRUE(enabled(s, ID_DATE_TIME));
    EXPECT_EQ(s.frame().paneText(7), QStringLiteral("Date: 2024/01/15"));

    // A common date does not move the table; a new zone recomputes it.
    s.app->settings().commonDate.setLocal(2030, 5, 5, 5, 5, 1, 0);
    s.frame().sendToAllChildren(WM_RECOMPUTE_DATE);
    EXPECT_EQ(dt.localYear, 2024);
    EXPECT_EQ(table->document().computeCount(), 1);
    s.app->settings().zoneHours = 3;
    s.frame().sendToAllChildren(WM_RECOMPUTE_ZONE);
    EXPECT_EQ(table->document().computeCount(), 2);
    EXPECT_EQ(dt.zoneHours, 3);
    // A new latitude moves the rises and sets: computed again.
    s.frame().repaintAllChildren();
    EXPECT_EQ(table->document().computeCount(), 3);

    // Its own date command, without the offer to date every window.
    ModalDriver driver;
    driver.then([](QWidget* w) {
        auto* dialog = qobject_cast<DateTimeDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(dialog->allWindowsBox()->isEnabled());
        dialog->field(DateTimeDialog::kYear)->setEditText(QStringLiteral("2025"));
        dialog->accept();
    });
    s.command(ID_DATE_TIME);
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(dt.localYear, 2025);
    EXPECT_EQ(table->document().computeCount(), 4);
    EXPECT_FALSE(s.app->settings().useCommonDate);
    // The picture is the table's extent, white, with the new year in its title.
    const QImage picture = table->picture();
    EXPECT_EQ(picture.size(), QSize(800, 700));
    EXPECT_EQ(picture.pixel(790, 690), qRgb(255, 255, 255));
}

TEST(DataTableView, PrintCommandsOnlyWhereSomethingPrints) {
    StartedApp s(1);
    ASSERT_TRUE(s.start());
    // The main menu with nothing open: only Print Setup.
    EXPECT_FALSE(enabled(s, ID_FILE_PRINT));
    EXPECT_FALSE(enabled(s, ID_FILE_PRINT_DIRECT));
    EXPECT_FALSE(enabled(s, ID_FILE_PRINT_PREVIEW));
    EXPECT_FALSE(enabled(s, ID_FILE_SAVE_PICTURE));
    EXPECT_TRUE(enabled(s, ID_FILE_PRINT_SETUP));
    ASSERT_NE(openTable(s), nullptr);
    for (int id : {ID_FILE_PRINT, ID_FILE_PRINT_DIRECT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP,
                   ID_FILE_SAVE_PICTURE})
        EXPECT_TRUE(enabled(s, id)) << id;
    EXPECT_EQ(s.frame().currentAction(ID_FILE_PRINT)->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    // A body window prints and saves too.
    s.command(ID_OPEN_MARS);
    for (int id : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_SAVE_PICTURE}) EXPECT_TRUE(enabled(s, id)) << id;
    // The sky and heliocentric windows share the table's menu; until they
    // draw, their placeholders print nothing and grey the items.
    s.command(ID_OPEN_SKY);
    EXPECT_NE(s.frame().currentAction(ID_FILE_PRINT), nullptr);
}

TEST(DataTableView, PrintSetupIsThePageSetupDialog) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    ModalDriver driver;
    driver.then([](QWidget* w) {
        EXPECT_NE(qobject_cast<QPageSetupDialog*>(w), nullptr) << w->metaObject()->className();
        EXPECT_EQ(qobject_cast<QPrintDialog*>(w), nullptr);
        ModalDriver::close(w, false);
    });
    s.command(ID_FILE_PRINT_SETUP);
    EXPECT_TRUE(driver.finished());
}

TEST(DataTableView, WithoutAPrinterPrintDirectlyWritesThePdfTheUserNames) {
    if (printerInstalled()) GTEST_SKIP() << "a printer is installed";
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "pdftoppm is missing (poppler-utils)";
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    ASSERT_NE(openTable(s), nullptr);
    // The save dialog asks; cancelled, nothing is written anywhere.
    const QString pdf = QDir::current().absoluteFilePath(QStringLiteral("table.pdf"));
    QString answer;
    QStringList offered;
    setSaveFileChooser([&](QWidget*, const QString&, const QString& suggested, const QString&) {
        offered << suggested;
        return answer;
    });
    const QStringList before = QDir::current().entryList(QDir::Files);
    s.command(ID_FILE_PRINT_DIRECT);
    EXPECT_EQ(QDir::current().entryList(QDir::Files), before);
    answer = pdf;
    ModalDriver driver;  // no message: the user knows where it went
    s.command(ID_FILE_PRINT_DIRECT);
    setSaveFileChooser({});
    EXPECT_TRUE(driver.seen().isEmpty()) << driver.seen().join(QLatin1Char('|')).toStdString();
    ASSERT_EQ(offered.size(), 2);
    EXPECT_TRUE(offered[0].endsWith(QStringLiteral("Vantorel - Data.pdf"))) << offered[0].toStdString();
    ASSERT_TRUE(QFileInfo::exists(pdf));

    // One landscape page whose picture shows the title, three headers, the
    // Sun, the Moon, nine planet lines and the Red Spot line.
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"), pdf,
                    QStringLiteral("page")});
    ASSERT_TRUE(pdftoppm.waitForFinished(30000));
    const QImage page(QStringLiteral("page-1.png"));
    ASSERT_FALSE(page.isNull());
    EXPECT_GT(page.width(), page.height());
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("page-2.png")));
    EXPECT_GE(textBands(page), 16);
    // The printer is back to portrait for the next window.
    EXPECT_EQ(s.app->printer().pageLayout().orientation(), QPageLayout::Portrait);
}

TEST(DataTableView, PrintDialogCancelledWritesNothingAndPreviewOpens) {
    StartedApp s(2);
    ASSERT_TRUE(s.start());
    ASSERT_NE(openTable(s), nullptr);
    const QStringList before = QDir::current().entryList(QDir::Files);
    if (printerInstalled()) {
        ModalDriver driver;
        driver.then([](QWidget* w) {
            EXPECT_NE(qobject_cast<QPrintDialog*>(w), nullptr);
            ModalDriver::close(w, false);
        });
        // Ctrl+P, as the menu item says.
        QApplication::setActiveWindow(&s.frame());
        QTest::keyClick(s.frame().activeView(), Qt::Key_P, Qt::ControlModifier);
        EXPECT_TRUE(driver.finished()) << "Ctrl+P gave no print dialog";
    } else {
        // No printer: Ctrl+P asks where to save the page instead.
        int asked = 0;
        setSaveFileChooser([&asked](QWidget*, const QString&, const QString&, const QString&) {
            ++asked;
            return QString();
        });
        QApplication::setActiveWindow(&s.frame());
        QTest::keyClick(s.frame().activeView(), Qt::Key_P, Qt::ControlModifier);
        setSaveFileChooser({});
        EXPECT_EQ(asked, 1) << "Ctrl+P gave no save dialog";
    }
    EXPECT_EQ(QDir::current().entryList(QDir::Files), before);
    {
        QPageLayout::Orientation during = QPageLayout::Portrait;
        ModalDriver driver;
        driver.then([&](QWidget* w) {
            EXPECT_NE(qobject_cast<QPrintPreviewDialog*>(w), nullptr);
            during = s.app->printer().pageLayout().orientation();
            ModalDriver::close(w, false);
        });
        s.command(ID_FILE_PRINT_PREVIEW);
        EXPECT_TRUE(driver.finished());
        EXPECT_EQ(during, QPageLayout::Landscape);
    }
    EXPECT_EQ(s.app->printer().pageLayout().orientation(), QPageLayout::Portrait);
}

TEST(DataTableView, APageThatCannotBeWrittenIsReported) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir::current().absoluteFilePath(QStringLiteral("no/such/dir/x.pdf")));
    PrintJob job;
    job.paint = [](QPainter&, const QRect&) {};
    EXPECT_EQ(printJobOn(printer, job), PrintOutcome::Failed);
    PrintJob empty;
    EXPECT_EQ(printJobOn(printer, empty), PrintOutcome::Failed);
    EXPECT_FALSE(QFileInfo::exists(printer.outputFileName()));
}
