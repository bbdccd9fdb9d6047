// The Saturn window driven offscreen: opened from the menu, zoom levels with
// their greyed ends, the keys and double clicks, and clicks on the moons.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "common/commands/CommandIds.h"
#include "planets/SaturnDocument.h"
#include "planets/ui/SatelliteInfoDialog.h"
#include "planets/ui/SaturnView.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/support/TypeKeys.h"

using namespace vantorel;

namespace {

SaturnView* openSaturn(StartedApp& s) {
    s.command(ID_OPEN_SATURN);
    auto* view = qobject_cast<SaturnView*>(s.frame().activeView());
    if (view) view->resize(400, 300);
    return view;
}

// Clicks at a point; returns the information box's title and the texts of
// its apparent diameter and its note, or empty texts when none opened.
struct Opened {
    QString title, diameter, note;
};
Opened clickAt(QWidget* view, QPoint at) {
    Opened opened;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<SatelliteInfoDialog*>(QApplication::activeModalWidget())) {
            opened = {box->windowTitle(), box->controlText(1128),
                      box->controlText(SatelliteInfoDialog::kApproximateNote)};
            box->reject();
        }
    });
    QTest::mouseClick(view, Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
    return opened;
}

}  // namespace

TEST(SaturnView, ZoomLevelsRunFromMimasToIapetusWithTheEndsGreyed) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    SaturnView* view = openSaturn(s);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->level(), SaturnView::kDefaultLevel);
    view->grab();  // the title follows the date at each paint
    EXPECT_TRUE(view->documentTitle().startsWith(QStringLiteral(" Saturn -- ")));
    for (int i = 0; i < 9; ++i) s.command(ID_PHENOMENON_OR_SATURN_ZOOM_IN);
    EXPECT_EQ(view->level(), 0);
    EXPECT_FALSE(view->commandState(ID_PHENOMENON_OR_SATURN_ZOOM_IN)->enabled);
    EXPECT_TRUE(view->commandState(ID_SATURN_ZOOM_OUT)->enabled);
    view->grab();
    // Level 0: Mimas's orbit across half the width.
    EXPECT_NEAR(view->lastDrawing().kmPerPixel, 185600.0 / 200, 1e-6);

    QTest::keyClick(view, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(view->level(), 1);
    QTest::mouseDClick(view, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(view->level(), 2);
    QTest::mouseDClick(view, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(view->level(), 1);
    QTest::keyClick(view, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(view->level(), 0);
    for (int i = 0; i < 9; ++i) s.command(ID_SATURN_ZOOM_OUT);
    EXPECT_EQ(view->level(), 7);
    EXPECT_FALSE(view->commandState(ID_SATURN_ZOOM_OUT)->enabled);
    EXPECT_TRUE(view->commandState(ID_PHENOMENON_OR_SATURN_ZOOM_IN)->enabled);
    view->grab();
    EXPECT_NEAR(view->lastDrawing().kmPerPixel, 3560100.0 / 200, 1e-6);
    EXPECT_FALSE(view->commandState(ID_TRACKING).has_value());

    // The time keys step the window's own date.
    typeKeys(view, "2D");
    EXPECT_EQ(view->document().dt.localDay, 17);
}

TEST(SaturnView, ClickOnAMoonOpensItsRecordAndBesideItNothing) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    SaturnView* view = openSaturn(s);
    ASSERT_NE(view, nullptr);
    SaturnDocument& doc = view->saturnDocument();
    // Beyond the years of the records every moon is the model's.
    doc.dt.setLocal(2051, 1, 15, 21, 30, 1, 0);
    doc.recomputeAndRefresh();
    view->grab();
    const auto& spots = view->satelliteSpots();
    ASSERT_FALSE(spots.empty());
    // Take a moon that stands clear of every other by more than 10 pixels.
    const SatelliteSpot* alone = nullptr;
    for (const SatelliteSpot& a : spots) {
        bool clear = true;
        for (const SatelliteSpot& b : spots)
            if (&a != &b && std::abs(a.x - b.x) <= 10 && std::abs(a.y - b.y) <= 10) clear = false;
        if (clear) {
            alone = &a;
            break;
        }
    }
    ASSERT_NE(alone, nullptr);
    EXPECT_TRUE(clickAt(view, QPoint(alone->x + 5, alone->y)).title.isEmpty());
    const Opened opened = clickAt(view, QPoint(alone->x + 3, alone->y - 4));
    SatelliteInfoRecord expected = satelliteInfo(SatelliteFamily::Saturn, alone->index);
    expected.updateApparentDiameter(doc.body().distanceAU);
    EXPECT_EQ(opened.title, QString::fromStdString(expected.title(0)));
    EXPECT_EQ(opened.diameter, QString::fromStdString(expected.apparentDiameter));
    EXPECT_FALSE(opened.diameter.isEmpty());
    EXPECT_EQ(opened.note, QStringLiteral("approximate"));
}
