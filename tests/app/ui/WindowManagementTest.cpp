#include <gtest/gtest.h>

#include <QMdiSubWindow>
#include <QMenu>
#include <QRegion>
#include <QTest>

#include "common/commands/CommandIds.h"
#include "common/ui/ChildView.h"
#include "tests/app/ui/AppFixture.h"

using namespace vantorel;

namespace {

QMenu* windowPopup(MainWindow& f) {
    for (QMenu* m : f.currentMenus())
        for (QAction* a : m->actions())
            if (a->data().toInt() == ID_WINDOW_CASCADE) return m;
    return nullptr;
}

// The list of open windows as the popup shows it once opened.
QList<QAction*> listed(MainWindow& f) {
    QMenu* menu = windowPopup(f);
    if (!menu) return {};
    emit menu->aboutToShow();
    QList<QAction*> list;
    for (QAction* a : menu->actions())
        if (a->data().toInt() >= ID_WINDOW_LIST_FIRST) list.push_back(a);
    return list;
}

// The part of `window` that no window in front of it covers.
QRegion uncovered(QMdiArea* area, QMdiSubWindow* window) {
    QRegion seen(window->geometry());
    const QList<QMdiSubWindow*> order = area->subWindowList(QMdiArea::StackingOrder);
    for (qsizetype i = order.indexOf(window) + 1; i < order.size(); ++i)
        if (order[i]->isVisible()) seen -= QRegion(order[i]->geometry());
    return seen & QRegion(area->viewport()->rect());
}

long long areaOf(const QRegion& r) {
    long long a = 0;
    for (const QRect& rect : r) a += static_cast<long long>(rect.width()) * rect.height();
    return a;
}

}  // namespace

TEST(WindowMenu, ListsTheOpenWindowsAndActivatesThePickedOne) {
    StartedApp s(1);
    ASSERT_TRUE(s.start());
    s.frame().resize(1200, 900);
    s.frame().show();
    s.command(ID_OPEN_MOON);
    s.command(ID_OPEN_MARS);
    s.command(ID_OPEN_SATURN);
    QList<QAction*> list = listed(s.frame());
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0]->text(), QStringLiteral("&1 Lune"));
    EXPECT_EQ(list[1]->text(), QStringLiteral("&2 Mars"));
    EXPECT_EQ(list[2]->text(), QStringLiteral("&3 Saturne"));
    // Only the active one is checked; each has its prompt.
    EXPECT_FALSE(list[0]->isChecked());
    EXPECT_TRUE(list[2]->isChecked());
    EXPECT_EQ(list[1]->statusTip(), QStringLiteral("Mettre cette fenêtre au premier plan"));

    list[0]->trigger();
    ASSERT_NE(s.frame().activeView(), nullptr);
    EXPECT_EQ(s.frame().activeView()->documentType().id, DocTypeId::Moon);
    // Opened again, the list is made anew, not added to.
    list = listed(s.frame());
    ASSERT_EQ(list.size(), 3);
    EXPECT_TRUE(list[0]->isChecked());
    EXPECT_FALSE(list[2]->isChecked());
}

TEST(WindowMenu, NextPreviousCloseAndCloseAllByTheirKeys) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    s.frame().resize(1200, 900);
    s.frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s.frame()));
    s.command(ID_OPEN_MOON);
    s.command(ID_OPEN_MARS);
    s.command(ID_OPEN_VENUS);
    ASSERT_EQ(s.frame().activeView()->documentType().id, DocTypeId::Venus);

    QTest::keyClick(&s.frame(), Qt::Key_Tab, Qt::ControlModifier);
    const DocTypeId afterNext = s.frame().activeView()->documentType().id;
    EXPECT_NE(afterNext, DocTypeId::Venus);
    QTest::keyClick(&s.frame(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(s.frame().activeView()->documentType().id, DocTypeId::Venus);

    QTest::keyClick(&s.frame(), Qt::Key_F4, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(s.frame().views().size(), 2);
    for (ChildView* v : s.frame().views()) EXPECT_NE(v->documentType().id, DocTypeId::Venus);

    s.command(ID_WINDOW_CLOSE_ALL);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(s.frame().views().isEmpty());
    EXPECT_EQ(s.frame().windowCount(), 0);
}

// A full-width sky chart opened last covered the body windows opened
// before it: cascaded, every title bar shows and the smallest window is
// whole in front; tiled, every window shows whole.
TEST(WindowMenu, CascadeAndTileLeaveNoWindowBehindTheSkyChart) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    s.frame().resize(1600, 1000);
    s.frame().show();
    for (int id : {ID_OPEN_MOON, ID_OPEN_SATURN, ID_OPEN_MARS, ID_OPEN_SKY}) s.command(id);
    QMdiArea* area = s.frame().mdiClient();
    ASSERT_EQ(area->subWindowList().size(), 4);

    for (int command : {ID_WINDOW_CASCADE, ID_WINDOW_TILE}) {
        s.command(command);
        QCoreApplication::processEvents();
        for (QMdiSubWindow* w : area->subWindowList()) {
            // Cascaded, at least its whole title bar; tiled, all of it.
            const QRect mustShow = (command == ID_WINDOW_TILE ? w->geometry() : QRect(w->x(), w->y(), w->width(), 20))
                                       .intersected(area->viewport()->rect());
            ASSERT_FALSE(mustShow.isEmpty()) << command;
            EXPECT_EQ(uncovered(area, w) & QRegion(mustShow), QRegion(mustShow))
                << command << " " << w->windowTitle().toStdString() << " " << w->x() << "," << w->y() << " "
                << w->width() << "x" << w->height();
        }
    }
    // Cascaded, the smallest is in front and active.
    s.command(ID_WINDOW_CASCADE);
    QMdiSubWindow* front = area->subWindowList(QMdiArea::StackingOrder).back();
    for (QMdiSubWindow* w : area->subWindowList())
        EXPECT_LE(front->width() * front->height(), w->width() * w->height());
    EXPECT_EQ(area->activeSubWindow(), front);
    EXPECT_EQ(areaOf(uncovered(area, front)), static_cast<long long>(front->width()) * front->height());
    s.command(ID_WINDOW_TILE);
    // Tiled, no two windows overlap.
    const QList<QMdiSubWindow*> tiled = area->subWindowList();
    for (int i = 0; i < tiled.size(); ++i)
        for (int j = i + 1; j < tiled.size(); ++j)
            EXPECT_FALSE(tiled[i]->geometry().intersects(tiled[j]->geometry())) << i << " " << j;
}

// The windows open at the end of a run open again at the next start, each
// of its kind, where it was, at its size and on the date it showed; the
// satellites strip, which lives on Jupiter's document, is not among them.
TEST(WindowLayoutRestore, TheNextStartOpensTheSameWindowsAtTheirPlacesAndDates) {
    StartedApp s(0, "SomethingNew=3\n");
    ASSERT_TRUE(s.start());
    s.frame().resize(1400, 950);
    s.frame().show();
    s.command(ID_OPEN_MOON);
    s.command(ID_OPEN_JUPITER);
    s.command(ID_OPEN_JUPITER_SATELLITES);
    s.command(ID_OPEN_SKY);
    QList<ChildView*> views = s.frame().views();
    ASSERT_EQ(views.size(), 4);
    auto* moonFrame = qobject_cast<QMdiSubWindow*>(views[0]->parentWidget());
    moonFrame->setGeometry(QRect(120, 90, 330, 360));
    // The Moon a year on, given to that window alone as the Date dialog
    // gives a date to all.
    Settings& settings = s.app->settings();
    settings.commonDate = s.frame().blankDate();
    settings.commonDate.localYear = 2025;
    settings.commonDate.localMonth = 3;
    settings.commonDate.localDay = 14;
    settings.commonDate.localHour = 21;
    settings.commonDate.localMinute = 30;
    views[0]->receiveMessage(WM_RECOMPUTE_DATE, nullptr);
    ASSERT_EQ(static_cast<int>(views[0]->printedDate()->localYear), 2025);

    s.app->endProgram();
    const std::string text = readSettingsText();
    EXPECT_NE(text.find("[Windows]"), std::string::npos);
    EXPECT_NE(text.find("SomethingNew=3"), std::string::npos);  // an unknown key stays
    s.app.reset();

    s.app = std::make_unique<Application>(
        std::make_unique<FixedClock>(LocalClockReading{2024, 1, 15, 21, 30, 0}));
    ASSERT_TRUE(s.start());
    s.frame().resize(1400, 950);
    QCoreApplication::processEvents();
    views = s.frame().views();
    ASSERT_EQ(views.size(), 3);
    QList<DocTypeId> kinds;
    for (ChildView* v : views) kinds.push_back(v->documentType().id);
    EXPECT_TRUE(kinds.contains(DocTypeId::Moon));
    EXPECT_TRUE(kinds.contains(DocTypeId::Jupiter));
    EXPECT_TRUE(kinds.contains(DocTypeId::Sky));
    for (ChildView* v : views) {
        if (v->documentType().id != DocTypeId::Moon) {
            EXPECT_EQ(static_cast<int>(v->printedDate()->localYear), 2024);
            continue;
        }
        EXPECT_EQ(v->parentWidget()->geometry(), QRect(120, 90, 330, 360));
        EXPECT_EQ(static_cast<int>(v->printedDate()->localYear), 2025);
        EXPECT_EQ(static_cast<int>(v->printedDate()->localMonth), 3);
        EXPECT_EQ(static_cast<int>(v->printedDate()->localDay), 14);
        EXPECT_EQ(static_cast<int>(v->printedDate()->localHour), 21);
    }
}
