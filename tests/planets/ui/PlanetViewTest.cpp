// The planet windows driven offscreen: time keys, zoom and its settings key,
// tracking, satellite clicks and the projection taken at activation.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "common/commands/CommandIds.h"
#include "planets/MarsDocument.h"
#include "planets/ui/PlanetViews.h"
#include "planets/ui/SatelliteInfoDialog.h"

#include <QListWidget>
#include "common/ui/DateTimeDialog.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/TypeKeys.h"

#include <QComboBox>
#include <QSet>

using namespace vantorel;

namespace {

PlanetView* open(StartedApp& s, int command) {
    s.command(command);
    auto* view = qobject_cast<PlanetView*>(s.frame().activeView());
    if (view) view->resize(260, 260);
    return view;
}

TEST(PlanetView, CountPrefixKeysStepTheClock) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    PlanetView* mars = open(s, ID_OPEN_MARS);
    ASSERT_NE(mars, nullptr);
    DateTime& dt = mars->document().dt;
    // The window opened at the clock: 2024-01-15 21:30.
    EXPECT_EQ(dt.localDay, 15);
    typeKeys(mars, "12H");
    EXPECT_EQ(dt.localDay, 16);
    EXPECT_EQ(dt.localHour, 9);
    typeKeys(mars, "1234H");
    EXPECT_EQ(dt.localHour, 13);
    EXPECT_EQ(dt.localMinute, 30);

    dt.setLocal(2024, 1, 31, 10, 0, 1, 0);
    typeKeys(mars, "D");
    EXPECT_EQ(dt.localMonth, 2);
    EXPECT_EQ(dt.localDay, 1);
    // The title follows the date at the next paint.
    mars->grab();
    EXPECT_TRUE(mars->documentTitle().contains(QStringLiteral("2024/02/01")))
        << mars->documentTitle().toStdString();
}

TEST(PlanetView, DateDialogRefuses31FebruaryKeepsTheDateAndComputesOnAChange) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    PlanetView* venus = open(s, ID_OPEN_VENUS);
    PlanetDocument& doc = venus->document();
    const double transitBefore = doc.dt.transitHour * 60 + doc.dt.transitMinute;
    ModalDriver driver;
    driver
        .then([](QWidget* w) {
            auto* d = qobject_cast<DateTimeDialog*>(w);
            ASSERT_NE(d, nullptr);
            d->field(DateTimeDialog::kMonth)->setCurrentIndex(1);
            d->field(DateTimeDialog::kDay)->setEditText(QStringLiteral("31"));
            d->accept();
        })
        .accept()  // the message
        .then([](QWidget* w) {
            auto* d = qobject_cast<DateTimeDialog*>(w);
            ASSERT_NE(d, nullptr);
            d->field(DateTimeDialog::kMonth)->setCurrentIndex(5);  // June
            d->field(DateTimeDialog::kDay)->setEditText(QStringLiteral("20"));
            d->accept();
        });
    doc.redrawDisc = false;
    s.command(ID_DATE_TIME);
    EXPECT_EQ(driver.seen().size(), 3);
    EXPECT_EQ(doc.dt.localMonth, 6);
    EXPECT_EQ(doc.dt.localDay, 20);
    EXPECT_TRUE(doc.redrawDisc);
    EXPECT_TRUE(doc.refreshPanel);
    // Venus five months on transits at another time of day.
    EXPECT_NE(doc.dt.transitHour * 60 + doc.dt.transitMinute, transitBefore);
}

TEST(PlanetView, ZoomLimitsGreyTheItemsAndTheZoomIsKept) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    PlanetView* mars = open(s, ID_OPEN_MARS);
    EXPECT_EQ(mars->zoom(), 80);
    EXPECT_FALSE(mars->commandState(ID_MARS_ZOOM_IN)->enabled);
    s.command(ID_MARS_ZOOM_IN);
    EXPECT_EQ(mars->zoom(), 80);
    for (int i = 0; i < 8; ++i) s.command(ID_MARS_ZOOM_OUT);
    EXPECT_EQ(mars->zoom(), 20);
    EXPECT_FALSE(mars->commandState(ID_MARS_ZOOM_OUT)->enabled);
    EXPECT_TRUE(mars->commandState(ID_MARS_ZOOM_IN)->enabled);
    // The keypad keys zoom too.
    QTest::keyClick(mars, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(mars->zoom(), 30);
    s.closeWindow(mars);
    EXPECT_NE(readSettingsText().find("MarsZoom=30"), std::string::npos) << readSettingsText();

    PlanetView* uranus = open(s, ID_OPEN_URANUS);
    EXPECT_EQ(uranus->zoom(), 10);
    EXPECT_FALSE(uranus->commandState(ID_URANUS_ZOOM_OUT)->enabled);
    QTest::keyClick(uranus, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(uranus->zoom(), 10);
    s.command(ID_URANUS_ZOOM_IN);
    EXPECT_EQ(uranus->zoom(), 20);

    // Mercury's disc is fixed.
    PlanetView* mercury = open(s, ID_OPEN_MERCURY);
    EXPECT_EQ(mercury->zoom(), 100);
    QTest::keyClick(mercury, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(mercury->zoom(), 100);
}

TEST(PlanetView, MainKeyboardZoomsAndShiftStepsTheClockBack) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    PlanetView* mars = open(s, ID_OPEN_MARS);
    ASSERT_NE(mars, nullptr);
    EXPECT_EQ(mars->zoom(), 80);
    // "-" and "+" as the menus show them, and "=" (the "+" key unshifted).
    QTest::keyClick(mars, Qt::Key_Minus);
    EXPECT_EQ(mars->zoom(), 70);
    QTest::keyClick(mars, Qt::Key_Minus);
    EXPECT_EQ(mars->zoom(), 60);
    QTest::keyClick(mars, Qt::Key_Plus, Qt::ShiftModifier);
    EXPECT_EQ(mars->zoom(), 70);
    QTest::keyClick(mars, Qt::Key_Equal);
    EXPECT_EQ(mars->zoom(), 80);

    // Shift steps back by the same count, across the day, month and year.
    DateTime& dt = mars->document().dt;
    dt.setLocal(2024, 1, 1, 0, 10, 1, 0);
    QTest::keyClick(mars, Qt::Key_M, Qt::ShiftModifier);
    EXPECT_EQ(dt.localMinute, 9);
    typeKeys(mars, "15");
    QTest::keyClick(mars, Qt::Key_M, Qt::ShiftModifier);
    EXPECT_EQ(dt.localYear, 2023);
    EXPECT_EQ(dt.localMonth, 12);
    EXPECT_EQ(dt.localDay, 31);
    EXPECT_EQ(dt.localHour, 23);
    EXPECT_EQ(dt.localMinute, 54);
    typeKeys(mars, "2");
    QTest::keyClick(mars, Qt::Key_H, Qt::ShiftModifier);
    EXPECT_EQ(dt.localHour, 21);
    QTest::keyClick(mars, Qt::Key_D, Qt::ShiftModifier);
    EXPECT_EQ(dt.localDay, 30);
    // Back over a leap day: 2024-03-01 less one day is 2024-02-29.
    dt.setLocal(2024, 3, 1, 12, 0, 1, 0);
    QTest::keyClick(mars, Qt::Key_J, Qt::ShiftModifier);
    EXPECT_EQ(dt.localMonth, 2);
    EXPECT_EQ(dt.localDay, 29);
    // Without Shift the keys still go forward.
    typeKeys(mars, "D");
    EXPECT_EQ(dt.localMonth, 3);
    EXPECT_EQ(dt.localDay, 1);
}

TEST(PlanetView, KeysWithCtrlAltOrMetaLeaveTheClockAlone) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    PlanetView* mars = open(s, ID_OPEN_MARS);
    ASSERT_NE(mars, nullptr);
    DateTime& dt = mars->document().dt;
    dt.setLocal(2024, 1, 15, 21, 30, 1, 0);
    // Alt+J is no menu's key in the Mars window: it once moved the day.
    for (Qt::KeyboardModifier m : {Qt::AltModifier, Qt::ControlModifier, Qt::MetaModifier}) {
        for (Qt::Key key : {Qt::Key_J, Qt::Key_D, Qt::Key_H, Qt::Key_M, Qt::Key_C, Qt::Key_5})
            QTest::keyClick(mars, key, m);
    }
    EXPECT_EQ(dt.localYear, 2024);
    EXPECT_EQ(dt.localDay, 15);
    EXPECT_EQ(dt.localHour, 21);
    EXPECT_EQ(dt.localMinute, 30);
    // No digit was counted either: a bare H steps one hour.
    typeKeys(mars, "H");
    EXPECT_EQ(dt.localHour, 22);
}

TEST(PlanetView, CascadeKeepsEveryWindowBigEnoughForItsPicture) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    s.frame().resize(1000, 800);
    s.frame().show();
    for (int id : {ID_OPEN_MOON, ID_OPEN_MARS, ID_OPEN_MERCURY, ID_OPEN_URANUS}) s.command(id);
    QList<QSize> before;
    for (ChildView* v : s.frame().views()) before.push_back(v->size());
    s.command(ID_WINDOW_CASCADE);
    QCoreApplication::processEvents();
    const QList<ChildView*> views = s.frame().views();
    ASSERT_EQ(views.size(), before.size());
    QSet<int> corners;
    for (int i = 0; i < views.size(); ++i) {
        // The Moon's disc is 200 pixels across; every window keeps its size.
        EXPECT_GE(views[i]->width(), before[i].width()) << i;
        EXPECT_GE(views[i]->height(), before[i].height()) << i;
        EXPECT_GE(views[i]->width(), 200) << i;
        EXPECT_GE(views[i]->height(), 200) << i;
        corners.insert(views[i]->parentWidget()->x());
    }
    // Each window stands a step further than the one before.
    EXPECT_EQ(corners.size(), views.size());
}

TEST(PlanetView, TrackingStepsAMinutePerTickAndThePanelFollowsTheActiveWindow) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    PlanetView* a = open(s, ID_OPEN_MARS);
    PlanetView* b = open(s, ID_OPEN_MARS);
    b->document().dt.setLocal(2024, 1, 15, 3, 5, 1, 0);
    b->document().computeBody();
    s.activate(a);
    a->grab();
    const QString paneOfA = s.frame().paneText(8);
    EXPECT_EQ(paneOfA, QStringLiteral("Time: 21: 30"));

    b->setTracking(true);
    EXPECT_TRUE(b->commandState(ID_TRACKING)->checked);
    EXPECT_EQ(b->trackingTimer().period(), 60000);
    b->trackingTimer().tick();
    b->grab();
    EXPECT_EQ(b->document().dt.localMinute, 6);
    EXPECT_EQ(s.frame().paneText(8), paneOfA);  // b is not active

    s.activate(b);
    b->trackingTimer().tick();
    b->grab();
    EXPECT_EQ(b->document().dt.localMinute, 7);
    EXPECT_EQ(s.frame().paneText(8), QStringLiteral("Time: 03: 07"));
    s.command(ID_TRACKING);
    EXPECT_FALSE(b->tracking());
    EXPECT_FALSE(b->commandState(ID_TRACKING)->checked);
}

TEST(PlanetView, ClickOnASatelliteOpensItsInformationBox) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    PlanetView* mars = open(s, ID_OPEN_MARS);
    PlanetDocument& doc = mars->document();
    doc.satellitesAvailable = true;
    doc.satellites = {{true, 8.0, 3.0}, {true, -20.0, -5.0}};
    doc.redrawDisc = true;
    mars->grab();
    ASSERT_EQ(mars->satelliteSpots().size(), 2u);
    const SatelliteSpot deimos = mars->satelliteSpots()[1];

    QString opened;
    auto closeWhenShown = [&] {
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<SatelliteInfoDialog*>(QApplication::activeModalWidget())) {
                opened = box->windowTitle();
                box->reject();
            }
        });
    };
    closeWhenShown();
    QTest::mouseClick(mars, Qt::LeftButton, {}, QPoint(deimos.x + 7, deimos.y));
    QCoreApplication::processEvents();
    EXPECT_TRUE(opened.isEmpty());

    closeWhenShown();
    QTest::mouseClick(mars, Qt::LeftButton, {}, QPoint(deimos.x, deimos.y - 3));
    EXPECT_EQ(opened, QStringLiteral("Deimos - II"));
}

TEST(PlanetView, ProjectionChangedWhileInactiveIsTakenAtActivation) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    PlanetView* mars = open(s, ID_OPEN_MARS);
    PlanetView* venus = open(s, ID_OPEN_VENUS);
    mars->grab();
    const QImage before = mars->picture().copy();
    EXPECT_EQ(mars->document().projection, 0);

    s.activate(venus);
    s.app->settings().projection = 3;
    s.activate(mars);
    EXPECT_EQ(mars->document().projection, 3);
    EXPECT_TRUE(mars->document().redrawDisc);
    mars->grab();
    EXPECT_FALSE(mars->document().redrawDisc);
    EXPECT_NE(mars->picture(), before);
}

}  // namespace
