// The Moon window offscreen: its keys, the date dialog's effect on the two
// lists, and the phase table and Lunar X list opened, refilled and reopened.
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QImage>

#include <algorithm>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "app/ui/DataDialog.h"
#include "common/commands/CommandIds.h"
#include "common/ui/DateTimeDialog.h"
#include "moon/ui/LunarXList.h"
#include "moon/ui/MoonPhaseTable.h"
#include "moon/ui/MoonView.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/TypeKeys.h"

using namespace vantorel;

namespace {

MoonView* openMoon(StartedApp& s) {
    s.command(ID_OPEN_MOON);
    auto* view = qobject_cast<MoonView*>(s.frame().activeView());
    if (view) view->resize(260, 260);
    return view;
}

TEST(MoonView, KeysStepTheHourWithTheMoonsCountRule) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    MoonView* moon = openMoon(s);
    ASSERT_NE(moon, nullptr);
    MoonDocument& doc = moon->document();
    EXPECT_EQ(doc.dateTime.localHour, 21);  // the clock's 2024-01-15 21:30
    EXPECT_FALSE(doc.phasesRefresh);
    typeKeys(moon, "3H");
    EXPECT_EQ(doc.dateTime.localDay, 16);
    EXPECT_EQ(doc.dateTime.localHour, 0);
    EXPECT_TRUE(doc.phasesRefresh);
    EXPECT_TRUE(doc.lunarXRefresh);
    typeKeys(moon, "123H");  // a command key after three digits steps by 1
    EXPECT_EQ(doc.dateTime.localHour, 1);
    typeKeys(moon, "1234H");
    EXPECT_EQ(doc.dateTime.localHour, 5);
    moon->grab();
    EXPECT_TRUE(moon->documentTitle().contains(QStringLiteral("2024/01/16")))
        << moon->documentTitle().toStdString();
    EXPECT_FALSE(doc.imageDirty);
}

TEST(MoonView, KeysWithCtrlAltOrMetaLeaveTheClockAlone) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    MoonView* moon = openMoon(s);
    ASSERT_NE(moon, nullptr);
    MoonDocument& doc = moon->document();
    const double day = doc.dateTime.localDay;
    const double hour = doc.dateTime.localHour;
    for (Qt::KeyboardModifier m : {Qt::AltModifier, Qt::ControlModifier, Qt::MetaModifier})
        for (Qt::Key key : {Qt::Key_J, Qt::Key_D, Qt::Key_H, Qt::Key_2})
            QTest::keyClick(moon, key, m);
    EXPECT_EQ(doc.dateTime.localDay, day);
    EXPECT_EQ(doc.dateTime.localHour, hour);
    typeKeys(moon, "H");
    EXPECT_EQ(doc.dateTime.localHour, hour + 1);
}

TEST(MoonView, ZoomsWithKeysMenuAndDoubleClicksAndStepsBack) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    MoonView* moon = openMoon(s);
    ASSERT_NE(moon, nullptr);
    moon->resize(300, 300);
    EXPECT_EQ(moon->zoom(), 100);
    // The picture's disc is the zoom's radius: the lit part, a crescent on
    // that date, still runs from near one pole to near the other.
    auto discWidth = [moon] {
        moon->grab();
        const QImage& img = moon->picture();
        int top = img.height(), bottom = -1;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if ((img.pixel(x, y) & 0xffffffu) != 0) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        return bottom - top + 1;
    };
    const int at100 = discWidth();
    QTest::keyClick(moon, Qt::Key_Plus, Qt::ShiftModifier);
    EXPECT_EQ(moon->zoom(), 120);
    QTest::keyClick(moon, Qt::Key_Minus, Qt::KeypadModifier);
    QTest::keyClick(moon, Qt::Key_Minus);
    EXPECT_EQ(moon->zoom(), 80);
    EXPECT_NEAR(discWidth() - at100, -40, 6);
    QTest::mouseDClick(moon, Qt::RightButton);
    EXPECT_EQ(moon->zoom(), 100);
    s.command(ID_MARS_ZOOM_OUT);
    EXPECT_EQ(moon->zoom(), 80);
    for (int i = 0; i < 10; ++i) s.command(ID_MARS_ZOOM_IN);
    EXPECT_EQ(moon->zoom(), 200);
    EXPECT_FALSE(moon->commandState(ID_MARS_ZOOM_IN)->enabled);
    EXPECT_TRUE(moon->commandState(ID_MARS_ZOOM_OUT)->enabled);
    // The night side still ends at the limb of the larger disc: nothing lit
    // beyond it.
    moon->resize(440, 440);
    moon->grab();
    EXPECT_EQ(moon->picture().pixel(5, 220) & 0xffffffu, 0u);

    // Shift steps the Moon's clock back too.
    MoonDocument& doc = moon->document();
    const double day = doc.dateTime.localDay;
    QTest::keyClick(moon, Qt::Key_D, Qt::ShiftModifier);
    EXPECT_EQ(doc.dateTime.localDay, day - 1);
}

// Runs the date dialog changing the hour or the month.
void changeDate(StartedApp& s, int monthIndex, const char* hour) {
    ModalDriver driver;
    driver.then([=](QWidget* w) {
        auto* d = qobject_cast<DateTimeDialog*>(w);
        ASSERT_NE(d, nullptr);
        if (monthIndex >= 0) d->field(DateTimeDialog::kMonth)->setCurrentIndex(monthIndex);
        if (hour) d->field(DateTimeDialog::kHour)->setEditText(QString::fromLatin1(hour));
        d->accept();
    });
    s.command(ID_DATE_TIME);
}

TEST(MoonView, OnlyAChangeOfMonthFlagsTheTwoLists) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    MoonView* moon = openMoon(s);
    MoonDocument& doc = moon->document();
    changeDate(s, -1, "10");
    EXPECT_EQ(doc.dateTime.localHour, 10);
    EXPECT_FALSE(doc.phasesRefresh);
    EXPECT_FALSE(doc.lunarXRefresh);
    EXPECT_TRUE(doc.panelDirty);
    changeDate(s, 4, nullptr);  // May
    EXPECT_EQ(doc.dateTime.localMonth, 5);
    EXPECT_TRUE(doc.phasesRefresh);
    EXPECT_TRUE(doc.lunarXRefresh);
}

TEST(MoonView, PhaseTableOpensOnceFillsAndOpensAgainAfterClosing) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    MoonView* moon = openMoon(s);
    s.command(ID_MOON_PHASES);
    MoonPhaseTable* table = MoonView::phaseTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->windowTitle(), QStringLiteral("The Moon's phases"));
    // January 2024: first quarter on the 18th, full moon on the 25th.
    EXPECT_EQ(table->fieldText(1, PhaseTableText::kFirstDate), QStringLiteral("01/18"));
    EXPECT_EQ(table->fieldText(2, PhaseTableText::kFirstDate), QStringLiteral("01/25"));
    EXPECT_EQ(table->phasePicture(0).size(), QSize(33, 33));
    s.command(ID_MOON_PHASES);
    EXPECT_EQ(MoonView::phaseTable(), table);

    // A step to another month refills it at the next paint.
    typeKeys(moon, "30D");
    moon->grab();
    EXPECT_EQ(table->fieldText(1, PhaseTableText::kFirstDate), QStringLiteral("02/16"));

    table->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(MoonView::phaseTable(), nullptr);
    s.command(ID_MOON_PHASES);
    ASSERT_NE(MoonView::phaseTable(), nullptr);
    MoonView::phaseTable()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(MoonView, PhasePicturesShowTheirPhase) {
    auto lit = [](const QImage& img) {
        double sum = 0.0;
        double weighted = 0.0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const double b = qGray(img.pixel(x, y));
                sum += b;
                weighted += b * x;
            }
        return std::make_pair(sum, sum > 0 ? weighted / sum : 0.0);
    };
    const auto newMoon = lit(MoonPhaseTable::phasePictureFor(270.0, 0));
    const auto full = lit(MoonPhaseTable::phasePictureFor(90.0, 0));
    const auto first = lit(MoonPhaseTable::phasePictureFor(0.0, 0));
    const auto last = lit(MoonPhaseTable::phasePictureFor(180.0, 0));
    EXPECT_LT(newMoon.first, 0.1 * full.first);
    EXPECT_NEAR(first.first / full.first, 0.5, 0.12);
    EXPECT_GT(first.second, 16.0 + 3.0);  // lit on the right to the eye
    EXPECT_LT(last.second, 16.0 - 3.0);
}

TEST(MoonView, LunarXListOpensFilledAndReopens) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    MoonView* moon = openMoon(s);
    (void)moon;
    s.command(ID_LUNAR_X);
    LunarXList* list = MoonView::lunarXList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->windowTitle(), QStringLiteral("Lunar X Times"));
    // One line per first quarter from January to December 2024.
    EXPECT_EQ(list->list()->count(), 12);
    EXPECT_TRUE(list->list()->item(0)->text().startsWith(QStringLiteral("2024/01/1")))
        << list->list()->item(0)->text().toStdString();
    s.command(ID_LUNAR_X);
    EXPECT_EQ(MoonView::lunarXList(), list);
    list->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(MoonView::lunarXList(), nullptr);
    s.command(ID_LUNAR_X);
    ASSERT_NE(MoonView::lunarXList(), nullptr);
    EXPECT_EQ(MoonView::lunarXList()->list()->count(), 12);
    MoonView::lunarXList()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

TEST(MoonView, TheListsOpenFilledWhollyOnTheScreenAndOffTheDataDialog) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    s.frame().show();
    MoonView* moon = openMoon(s);
    ASSERT_NE(moon, nullptr);
    // Opening the Moon shows the data dialog at the top right.
    ASSERT_TRUE(s.app->dataDialogShown());
    const QRect dialog = s.app->dataDialog()->frameGeometry();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    s.command(ID_MOON_PHASES);
    s.command(ID_LUNAR_X);
    MoonPhaseTable* table = MoonView::phaseTable();
    LunarXList* list = MoonView::lunarXList();
    ASSERT_NE(table, nullptr);
    ASSERT_NE(list, nullptr);
    QCoreApplication::processEvents();
    for (QWidget* w : {static_cast<QWidget*>(table), static_cast<QWidget*>(list)}) {
        SCOPED_TRACE(w->windowTitle().toStdString());
        const QRect frame = w->frameGeometry();
        EXPECT_TRUE(screen.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width()
                                            << "x" << frame.height();
        EXPECT_FALSE(frame.intersects(dialog));
        // Sized before it was placed: already as big as its contents want.
        EXPECT_GE(w->width(), w->minimumSizeHint().width());
    }
    // The list is wide enough for its lines.
    ASSERT_GT(list->list()->count(), 0);
    const QFontMetrics metrics(list->list()->font());
    EXPECT_GE(list->list()->viewport()->width(), metrics.horizontalAdvance(list->list()->item(0)->text()));
    table->close();
    list->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
