// The planet windows driven offscreen: time keys, zoom and its settings key,
// tracking, satellite clicks and the projection taken at activation.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "planets/CMarsDoc.h"
#include "planets/ui/CPlanetViews.h"
#include "satellites/ui/CSatInfo.h"

#include <QListWidget>
#include "app/ui/DateSel.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/support/TypeKeys.h"
#include "tests/support/ModalDriver.h"

#include <QComboBox>

using namespace vantorel;

namespace {

CPlanetView* open(StartedApp& s, int command) {
    s.command(command);
    auto* view = qobject_cast<CPlanetView*>(s.frame().activeView());
    if (view) view->resize(260, 260);
    return view;
}

TEST(PlanetView, CountPrefixKeysStepTheClock) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    CPlanetView* mars = open(s, ID_OPEN_MARS);
    ASSERT_NE(mars, nullptr);
    DATE_TIME& dt = mars->document().dt;
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
    CPlanetView* venus = open(s, ID_OPEN_VENUS);
    CPlanetDoc& doc = venus->document();
    const double transitBefore = doc.dt.transitHour * 60 + doc.dt.transitMinute;
    ModalDriver driver;
    driver
        .then([](QWidget* w) {
            auto* d = qobject_cast<DateSel*>(w);
            ASSERT_NE(d, nullptr);
            d->field(DateSel::kMonth)->setCurrentIndex(1);
            d->field(DateSel::kDay)->setEditText(QStringLiteral("31"));
            d->accept();
        })
        .accept()  // the message
        .then([](QWidget* w) {
            auto* d = qobject_cast<DateSel*>(w);
            ASSERT_NE(d, nullptr);
            d->field(DateSel::kMonth)->setCurrentIndex(5);  // June
            d->field(DateSel::kDay)->setEditText(QStringLiteral("20"));
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
    CPlanetView* mars = open(s, ID_OPEN_MARS);
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

    CPlanetView* uranus = open(s, ID_OPEN_URANUS);
    EXPECT_EQ(uranus->zoom(), 10);
    EXPECT_FALSE(uranus->commandState(ID_URANUS_ZOOM_OUT)->enabled);
    QTest::keyClick(uranus, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(uranus->zoom(), 10);
    s.command(ID_URANUS_ZOOM_IN);
    EXPECT_EQ(uranus->zoom(), 20);

    // Mercury's disc is fixed.
    CPlanetView* mercury = open(s, ID_OPEN_MERCURY);
    EXPECT_EQ(mercury->zoom(), 100);
    QTest::keyClick(mercury, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(mercury->zoom(), 100);
}

TEST(PlanetView, TrackingStepsAMinutePerTickAndThePanelFollowsTheActiveWindow) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    CPlanetView* a = open(s, ID_OPEN_MARS);
    CPlanetView* b = open(s, ID_OPEN_MARS);
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
    CPlanetView* mars = open(s, ID_OPEN_MARS);
    CPlanetDoc& doc = mars->document();
    doc.satellitesAvailable = true;
    doc.satellites = {{true, 8.0, 3.0}, {true, -20.0, -5.0}};
    doc.redrawDisc = true;
    mars->grab();
    ASSERT_EQ(mars->satelliteSpots().size(), 2u);
    const SatelliteSpot deimos = mars->satelliteSpots()[1];

    QString opened;
    auto closeWhenShown = [&] {
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<CSatInfo*>(QApplication::activeModalWidget())) {
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
    CPlanetView* mars = open(s, ID_OPEN_MARS);
    CPlanetView* venus = open(s, ID_OPEN_VENUS);
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
