// The sky chart and heliocentric windows offscreen: opened from the menu at
// their sizes, the chart drawn afresh only when its date changed or the
// hemisphere turned, the status bar, the catalogues read from data/, and
// both windows' paper pictures.
#include <QImage>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

#include "common/commands/CommandIds.h"
#include "common/files/Paths.h"
#include "common/ui/PrintServices.h"
#include "sky/ui/HeliocentricView.h"
#include "sky/ui/SkyChartFrame.h"
#include "sky/ui/SkyChartView.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/support/SkyCatalogues.h"

using namespace vantorel;

namespace {

template <class View>
View* open(StartedApp& s, int command) {
    s.command(command);
    auto* view = qobject_cast<View*>(s.frame().activeView());
    if (view) view->grab();
    return view;
}


}  // namespace

TEST(SkyWindow, OpensAtTheMainWindowsWidthWithItsDateAndPanes) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    s.frame().resize(1200, 800);
    auto* sky = open<SkyChartView>(s, ID_OPEN_SKY);
    ASSERT_NE(sky, nullptr);
    auto* frame = qobject_cast<QMdiSubWindow*>(sky->parentWidget());
    ASSERT_NE(frame, nullptr);
    const int clientWidth = s.frame().mdiClient()->width();
    EXPECT_EQ(frame->width(), clientWidth - 10);
    EXPECT_EQ(frame->height(), static_cast<int>((clientWidth - 10) / 2.7));
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());  // no sizing border
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(sky->documentTitle(), QStringLiteral("Sky -- 2024/01/15     "));
    EXPECT_EQ(s.frame().paneText(7), QStringLiteral("Date: 2024/01/15"));
    EXPECT_EQ(s.frame().paneText(8), QStringLiteral("Time: 21: 30"));
    EXPECT_TRUE(s.frame().paneText(3).isEmpty());
    ASSERT_TRUE(s.frame().currentAction(ID_FILE_PRINT));
    s.frame().updateCommandStates();
    EXPECT_TRUE(s.frame().currentAction(ID_FILE_PRINT)->isEnabled());
    EXPECT_TRUE(s.frame().currentAction(ID_DATE_TIME)->isEnabled());
    // The working directory has no data/: bodies and labels only, unless an
    // installed copy of the catalogues is found.
    if (Paths::dataFile("etoiles.dat").empty()) {
        EXPECT_EQ(sky->description().stars, 0);
    }
    EXPECT_EQ(sky->description().bodies.size(), 10u);
}

TEST(SkyWindow, DrawsAfreshOnlyForANewDateOrAnotherHemisphere) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    copySkyCatalogues();
    auto* sky = open<SkyChartView>(s, ID_OPEN_SKY);
    ASSERT_NE(sky, nullptr);
    EXPECT_EQ(sky->drawCount(), 1);
    EXPECT_GT(sky->description().stars, 4000);
    EXPECT_GT(sky->description().figureSegments, 700);
    sky->grab();
    EXPECT_EQ(sky->drawCount(), 1);  // a plain repaint copies the picture

    s.frame().sendToAllChildren(WM_RECOMPUTE_ZONE);
    sky->grab();
    EXPECT_EQ(sky->drawCount(), 2);

    s.app->settings().commonDate.setLocal(2026, 12, 8, 21, 0, 1, 0);
    s.frame().sendToAllChildren(WM_RECOMPUTE_DATE);
    sky->grab();
    EXPECT_EQ(sky->drawCount(), 3);
    EXPECT_EQ(sky->document().dateTime.localYear, 2026);
    EXPECT_FALSE(sky->description().mapping.flipped());

    s.app->settings().latitude = -33.9f;
    s.app->settings().hemisphereChanged = true;
    s.frame().repaintAllChildren();
    sky->grab();
    EXPECT_EQ(sky->drawCount(), 4);
    EXPECT_TRUE(sky->description().mapping.flipped());
    EXPECT_FALSE(s.app->settings().hemisphereChanged);
}

TEST(SkyWindow, AClickOnABodyBringsItsWindowOrItsPlace) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    auto* sky = open<SkyChartView>(s, ID_OPEN_SKY);
    ASSERT_NE(sky, nullptr);
    const auto& bodies = sky->description().bodies;
    ASSERT_EQ(bodies.size(), 10u);
    const auto click = [&](std::size_t index, QPoint offset = {2, 2}) {
        s.activate(sky);
        QTest::mouseClick(sky, Qt::LeftButton, {}, QPoint(bodies[index].x, bodies[index].y) + offset);
        QCoreApplication::processEvents();
    };
    // Mars (3): its window opens and comes forward.
    click(3);
    ASSERT_NE(s.frame().activeView(), sky);
    EXPECT_EQ(s.frame().activeView()->docType(), DocTypeId::Mars);
    ChildView* mars = s.frame().activeView();
    // Clicked again: the same window, not a second.
    click(3);
    EXPECT_EQ(s.frame().activeView(), mars);
    int marsWindows = 0;
    for (ChildView* v : s.frame().views()) marsWindows += v->docType() == DocTypeId::Mars;
    EXPECT_EQ(marsWindows, 1);
    // The Moon's label opens the Moon.
    s.activate(sky);
    QTest::mouseClick(sky, Qt::LeftButton, {}, QPoint(bodies[6].labelX + 3, bodies[6].labelY + 5));
    EXPECT_EQ(s.frame().activeView()->docType(), DocTypeId::Moon);
    // Neptune (8) has no window: its place in the status bar.
    click(8);
    EXPECT_EQ(s.frame().activeView(), sky);
    EXPECT_TRUE(s.frame().paneText(3).startsWith(QStringLiteral("N  "))) << s.frame().paneText(3).toStdString();
    // Empty sky far from every body: nothing opens.
    const int before = static_cast<int>(s.frame().views().size());
    s.activate(sky);
    QTest::mouseClick(sky, Qt::LeftButton, {}, QPoint(5, sky->height() - 5));
    EXPECT_EQ(static_cast<int>(s.frame().views().size()), before);
}

TEST(SkyWindow, TheZoomedSkyIsRegisteredAndOpenedByNoCommand) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    EXPECT_TRUE(s.app->registry().hasViewFactory(DocTypeId::ZoomedSky));
    EXPECT_EQ(documentType(DocTypeId::ZoomedSky).openCommand, 0);
    EXPECT_EQ(s.app->registry().entry(DocTypeId::ZoomedSky).menuResource, 157);
}

TEST(HelioWindow, OpensAtItsFixedSizeAndPrintsBlackOnWhite) {
    StartedApp s(2);
    ASSERT_TRUE(s.start());
    auto* helio = open<HeliocentricView>(s, ID_OPEN_HELIOCENTRIC);
    ASSERT_NE(helio, nullptr);
    auto* frame = qobject_cast<QMdiSubWindow*>(helio->parentWidget());
    EXPECT_EQ(frame->size(), QSize(350, 430));
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
    EXPECT_EQ(s.frame().paneText(8), QStringLiteral("Hora: 21: 30"));
    EXPECT_EQ(helio->description().bodies[2].label, "Tierra");

    const QImage screen = helio->grab().toImage();
    EXPECT_EQ(screen.pixelColor(0, 0), QColor(0, 0, 0));
    const QImage paper = helio->printPicture().convertToFormat(QImage::Format_RGB32);
    EXPECT_FALSE(helio->printing());
    ASSERT_EQ(paper.size(), helio->size());
    int black = 0;
    for (int y = 0; y < paper.height(); ++y)
        for (int x = 0; x < paper.width(); ++x) {
            const QRgb p = paper.pixel(x, y) & 0xFFFFFF;
            ASSERT_TRUE(p == 0 || p == 0xFFFFFF) << x << "," << y;
            black += p == 0;
        }
    EXPECT_GT(black, 1000);
}

// What the printer gets, as a PDF turned back into a picture: the five
// circles cross one row of the page ten times.
TEST(HelioWindow, APrintedPdfShowsTheOrbits) {
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    auto* helio = open<HeliocentricView>(s, ID_OPEN_HELIOCENTRIC);
    ASSERT_NE(helio, nullptr);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("helio.pdf"));
    ASSERT_TRUE(printPicture(printer, helio->printPicture()));
    ASSERT_EQ(QProcess::execute(pdftoppm, {QStringLiteral("-r"), QStringLiteral("60"),
                                           QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                           QStringLiteral("helio.pdf"), QStringLiteral("page")}),
              0);
    const QImage page(QStringLiteral("page.png"));
    ASSERT_FALSE(page.isNull());
    int best = 0;
    for (int y = 0; y < page.height(); ++y) {
        int runs = 0;
        bool dark = false;
        for (int x = 0; x < page.width(); ++x) {
            const bool d = qGray(page.pixel(x, y)) < 128;
            if (d && !dark) ++runs;
            dark = d;
        }
        best = std::max(best, runs);
    }
    EXPECT_GE(best, 9);
}

// The sky chart as printed: a sideways page whose picture is as wide as the
// page, under a heading with the date, time, zone and site; the printer
// upright again afterwards.
TEST(SkyWindow, PrintsSidewaysUnderAHeadingWithDateTimeZoneAndSite) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    s.frame().resize(1200, 800);
    auto* sky = open<SkyChartView>(s, ID_OPEN_SKY);
    ASSERT_NE(sky, nullptr);
    const PrintJob job = sky->printJob();
    EXPECT_EQ(job.orientation, QPageLayout::Landscape);
    ASSERT_EQ(job.heading.size(), 2u);
    EXPECT_EQ(job.heading[0], "Sky -- 2024/01/15");
    EXPECT_EQ(job.heading[1],
              "Date: 2024/01/15   Time: 21:30   Zone: UT+1   Latitude: 45\u00b000' N   Longitude: zone");

    // The page the job paints, on a sideways sheet: the heading's ink at the
    // top, then the black chart across the whole width.
    QImage page(1400, 990, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        paintJobPage(painter, page.rect(), job);
    }
    int firstBlackRow = -1;
    for (int y = 0; y < page.height() && firstBlackRow < 0; ++y)
        if (page.pixel(page.width() / 2, y) == qRgb(0, 0, 0) && page.pixel(page.width() - 3, y) == qRgb(0, 0, 0))
            firstBlackRow = y;
    ASSERT_GT(firstBlackRow, 20);  // below the heading
    int inkAbove = 0;
    for (int y = 0; y < firstBlackRow; ++y)
        for (int x = 0; x < 600; ++x) inkAbove += qGray(page.pixel(x, y)) < 128;
    EXPECT_GT(inkAbove, 100);
    EXPECT_EQ(s.app->printer().pageLayout().orientation(), QPageLayout::Portrait);
}

TEST(HelioWindow, PrintsUprightUnderAHeadingWithTheDate) {
    StartedApp s(1);
    ASSERT_TRUE(s.start());
    auto* helio = open<HeliocentricView>(s, ID_OPEN_HELIOCENTRIC);
    ASSERT_NE(helio, nullptr);
    const PrintJob job = helio->printJob();
    EXPECT_EQ(job.orientation, QPageLayout::Portrait);
    ASSERT_EQ(job.heading.size(), 2u);
    EXPECT_EQ(job.heading[0], QString::fromUtf8("Héliocentrique").toStdString());
    EXPECT_EQ(job.heading[1], "Date: 2024/01/15   Heure: 21:30   Fuseau: TU+1   Latitude: 45\u00b000' N   "
                              "Longitude: fuseau");
}
