#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "app/paint/SplashPicture.h"
#include "app/ui/DataDialog.h"
#include "common/commands/CommandIds.h"
#include "planets/ui/DataTableView.h"
#include "sky/ui/SkyChartView.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/app/ui/PlaceholderView.h"

using namespace vantorel;

namespace {
PlaceholderView* placeholder(ChildView* v) { return qobject_cast<PlaceholderView*>(v); }

// A Jupiter view of its own that notes the phenomenon dates it is sent.
class JupiterDateView : public ChildView {
public:
    explicit JupiterDateView(const ViewContext& c) : ChildView(c.host, DocTypeId::Jupiter) {}
    void onJupiterDate(const DateTime& date) override { years.push_back(date.localYear); }
    std::vector<double> years;
};
}  // namespace

TEST(MainFrame, StartsWithTheSplashAndTheProjectionPane) {
    StartedApp started(0, "Projection=3\n");
    ASSERT_TRUE(started.start());
    MainWindow& f = started.frame();
    // The offscreen screen is 800 pixels wide: narrower than 801.
    ASSERT_LT(QGuiApplication::primaryScreen()->geometry().width(), 801);
    EXPECT_TRUE(f.isMaximized());
    EXPECT_EQ(f.paneText(2), QStringLiteral("Projection: S -- E"));
    EXPECT_EQ(started.app->settings().latituded, 0);
    EXPECT_EQ(f.windowCount(), 0);

    MdiArea* mdi = f.mdiClient();
    ASSERT_TRUE(mdi->splashPending());
    const QRect place = mdi->splashPlace();
    EXPECT_EQ(place.size(), QSize(406, 284));
    EXPECT_EQ(place.left() + 203, mdi->viewport()->width() / 2);
    EXPECT_EQ(place.top() + 142, mdi->viewport()->height() / 2);
    const QPoint probe = place.bottomRight() - QPoint(4, 4);
    const QImage before = mdi->viewport()->grab().toImage();
    EXPECT_NE(before.pixel(probe), qRgb(171, 171, 171));
    EXPECT_EQ(before.pixel(probe), makeSplashPicture("").pixel(402, 280));

    // The first opening paints the grey over it, the second paints nothing.
    started.command(ID_OPEN_MOON);
    EXPECT_FALSE(mdi->splashPending());
    const QImage after = mdi->viewport()->grab().toImage();
    EXPECT_EQ(after.pixel(probe), qRgb(171, 171, 171));
    EXPECT_EQ(mdi->greyPaints(), 1);
    started.command(ID_OPEN_MOON);
    mdi->viewport()->grab();
    EXPECT_EQ(mdi->greyPaints(), 1);
    EXPECT_EQ(f.windowCount(), 2);
}

TEST(MainFrame, OpenersCountBodyWindowsAndTitleThem) {
    StartedApp started(2);
    ASSERT_TRUE(started.start());
    started.usePlaceholder(DocTypeId::Saturn);
    MainWindow& f = started.frame();
    started.command(ID_OPEN_SATURN);
    ChildView* first = f.activeView();
    started.command(ID_OPEN_SATURN);
    ChildView* second = f.activeView();
    EXPECT_NE(first, second);
    EXPECT_EQ(first->parentWidget()->size(), QSize(260, 260));
    EXPECT_NE(first->parentWidget()->pos(), second->parentWidget()->pos());
    started.command(ID_OPEN_URANUS);
    EXPECT_EQ(f.activeView()->documentTitle(), QString::fromUtf8(" Urano"));
    started.command(ID_OPEN_SKY);
    EXPECT_EQ(f.activeView()->documentTitle(), QStringLiteral(" Cielo"));
    started.command(ID_OPEN_HELIOCENTRIC);
    started.command(ID_OPEN_DATA_TABLE);
    EXPECT_EQ(f.activeView()->documentTitle(), QStringLiteral(" Datos"));
    // Sky, heliocentric and data table are not counted.
    EXPECT_EQ(f.windowCount(), 3);
    EXPECT_EQ(f.views().size(), 6);
    // Each window keeps its own date record.
    placeholder(first)->onRecomputeZone();
    EXPECT_EQ(placeholder(first)->computeCount(), 2);
    EXPECT_EQ(placeholder(second)->computeCount(), 1);
}

TEST(MainFrame, MessagesReachEveryChildBeforeReturning) {
    StartedApp started(0);
    ASSERT_TRUE(started.start());
    started.usePlaceholder(DocTypeId::Saturn);
    MainWindow& f = started.frame();
    started.usePlaceholder(DocTypeId::Jupiter);
    for (int id : {ID_OPEN_SATURN, ID_OPEN_JUPITER, ID_OPEN_SKY, ID_OPEN_DATA_TABLE}) started.command(id);
    auto* table = qobject_cast<DataTableView*>(f.activeView());
    ASSERT_NE(table, nullptr);
    f.sendToAllChildren(WM_RECOMPUTE_ZONE);
    for (ChildView* v : f.views()) {
        if (PlaceholderView* p = placeholder(v)) {
            EXPECT_EQ(p->computeCount(), 2);
        }
    }
    EXPECT_EQ(table->document().computeCount(), 2);
    // The common date reaches the body and sky windows, not the data table.
    started.app->settings().commonDate.setLocal(1999, 8, 11, 11, 0, 0, 0);
    f.sendToAllChildren(WM_RECOMPUTE_DATE);
    for (ChildView* v : f.views()) {
        if (v == table) continue;
        const auto* sky = qobject_cast<SkyChartView*>(v);
        EXPECT_EQ(sky ? sky->document().dateTime.localYear : placeholder(v)->date().localYear, 1999);
    }
    EXPECT_EQ(table->document().dt.localYear, 2024);
}

TEST(MainFrame, ClosingTheLastCountedWindowEmptiesPanesAndClosesTheDataDialog) {
    StartedApp started(0);
    ASSERT_TRUE(started.start());
    MainWindow& f = started.frame();
    started.command(ID_OPEN_MARS);
    ChildView* mars = f.activeView();
    ASSERT_TRUE(started.app->dataDialogShown());
    EXPECT_EQ(started.app->dataDialog()->controlText(1009).trimmed(), QStringLiteral("MARS"));
    started.command(ID_OPEN_MOON);
    ChildView* moon = f.activeView();
    // The dialog was open: the Moon opener does not open another, and the
    // Moon window, now active, fills it with its own panel.
    EXPECT_EQ(started.app->dataDialog()->controlText(1009).trimmed(), QStringLiteral("MOON"));
    started.command(ID_OPEN_SKY);
    EXPECT_EQ(f.windowCount(), 2);
    for (int pane = 3; pane <= 8; ++pane) f.setPaneText(pane, QStringLiteral("x%1").arg(pane));
    const QString projection = f.paneText(2);

    started.closeWindow(moon);
    EXPECT_EQ(f.windowCount(), 1);
    EXPECT_TRUE(started.app->dataDialogShown());

    started.closeWindow(mars);
    EXPECT_EQ(f.windowCount(), 0);
    for (int pane = 3; pane <= 8; ++pane) EXPECT_TRUE(f.paneText(pane).isEmpty()) << pane;
    EXPECT_EQ(f.paneText(2), projection);
    EXPECT_FALSE(projection.isEmpty());
    EXPECT_EQ(started.app->dataDialog(), nullptr);
    // Closing the sky window does not count below zero.
    started.closeWindow(f.views().front());
    EXPECT_EQ(f.windowCount(), 0);
}

TEST(MainFrame, DataDialogCommandOpensItAgainAfterTheUserClosedIt) {
    StartedApp started(0);
    ASSERT_TRUE(started.start());
    MainWindow& f = started.frame();
    started.command(ID_OPEN_JUPITER);
    DataDialog* dialog = started.app->dataDialog();
    ASSERT_NE(dialog, nullptr);
    const QRect screen = f.screen()->geometry();
    EXPECT_EQ(dialog->pos(), QPoint(screen.width() - dialog->width() - 10, 35));
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(started.app->dataDialog(), nullptr);

    started.command(ID_DATA_DIALOG);
    ASSERT_TRUE(started.app->dataDialogShown());
    EXPECT_EQ(started.app->dataDialog()->controlText(1009).trimmed(), QStringLiteral("JUPITER"));
}

TEST(MainFrame, SatellitesOpensASecondCountedJupiterWindow) {
    StartedApp started(0);
    ASSERT_TRUE(started.start());
    MainWindow& f = started.frame();
    started.command(ID_OPEN_MARS);
    f.updateCommandStates();
    // Only a Jupiter window's menu has the item, and only there it works.
    EXPECT_EQ(f.currentAction(ID_OPEN_JUPITER_SATELLITES), nullptr);
    f.onCommand(ID_OPEN_JUPITER_SATELLITES);
    EXPECT_EQ(f.views().size(), 1);

    started.command(ID_OPEN_JUPITER);
    f.updateCommandStates();
    ASSERT_NE(f.currentAction(ID_OPEN_JUPITER_SATELLITES), nullptr);
    EXPECT_TRUE(f.currentAction(ID_OPEN_JUPITER_SATELLITES)->isEnabled());
    EXPECT_TRUE(f.currentAction(ID_TRACKING)->isEnabled());
    started.command(ID_OPEN_JUPITER_SATELLITES);
    ChildView* satellites = f.activeView();
    EXPECT_EQ(satellites->docType(), DocTypeId::JupiterSatellites);
    // Told apart from the disc's window by its title.
    EXPECT_EQ(satellites->documentTitle(), QStringLiteral(" Jupiter's satellites"));
    EXPECT_EQ(f.windowCount(), 3);
    EXPECT_NE(f.currentAction(ID_RED_SPOT_REFERENCE), nullptr);
    // The strip tracks nothing of its own; the data dialog shows Jupiter.
    f.updateCommandStates();
    EXPECT_FALSE(f.currentAction(ID_TRACKING)->isEnabled());
    EXPECT_EQ(started.app->dataDialog()->controlText(1009).trimmed(), QStringLiteral("JUPITER"));
}

TEST(MainFrame, APhenomenonDateReachesTheViewsThatTakeIt) {
    StartedApp started(0);
    ASSERT_TRUE(started.start());
    started.app->registry().setViewFactory(
        DocTypeId::Jupiter, [](const ViewContext& c) { return new JupiterDateView(c); });
    started.command(ID_OPEN_JUPITER);
    auto* jupiter = dynamic_cast<JupiterDateView*>(started.frame().activeView());
    ASSERT_NE(jupiter, nullptr);
    started.command(ID_OPEN_MARS);
    DateTime phenomenon;
    phenomenon.setLocal(2031, 5, 6, 7, 8, 0, 0);
    started.frame().sendToAllChildren(WM_JUPITER_DATE, &phenomenon);
    EXPECT_EQ(jupiter->years, std::vector<double>{2031});
    // The message without a date is dropped rather than read.
    started.frame().sendToAllChildren(WM_JUPITER_DATE, nullptr);
    EXPECT_EQ(jupiter->years.size(), 1u);
    EXPECT_EQ(started.frame().windowCount(), 2);
}
