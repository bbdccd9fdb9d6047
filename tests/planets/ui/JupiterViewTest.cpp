// The Jupiter windows driven offscreen. The fixture's clock reads 15 January
// 2024, 21:30 in zone +1 (20:30 UT): Io and Europa are then behind the disc.
// The next evening at 19:00 (18:00 UT) Io and its shadow cross the disc.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/ui/DataDialog.h"
#include "common/commands/CommandIds.h"
#include "planets/ui/JupiterViews.h"
#include "planets/ui/PhenomenaList.h"
#include "planets/ui/RedSpotDialog.h"
#include "planets/ui/SatelliteInfoDialog.h"
#include "satellites/PhenomenonRows.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/TypeKeys.h"

using namespace vantorel;

namespace {

template <class View>
View* open(StartedApp& s, int command, QSize size = QSize(300, 280)) {
    s.command(command);
    auto* view = dynamic_cast<View*>(s.frame().activeView());
    if (view) {
        view->resize(size);
        view->grab();
    }
    return view;
}

// What a click opens: the satellite box's title or the message's text.
QString clickAndRead(QWidget* view, QPoint at) {
    QString seen;
    QTimer::singleShot(0, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<SatelliteInfoDialog*>(w)) {
            seen = box->windowTitle();
            box->reject();
        } else if (auto* message = qobject_cast<QMessageBox*>(w)) {
            seen = QStringLiteral("message: ") + message->text();
            ModalDriver::close(w, true);
        }
    });
    QTest::mouseClick(view, Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
    return seen;
}

std::vector<std::string> settingsLines() {
    std::istringstream in(readSettingsText());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

TEST(JupiterView, AfterMarsThePanesAndTheDataDialogShowJupitersFigures) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    open<PlanetView>(s, ID_OPEN_MARS);
    const QString marsRise = s.frame().paneText(3);
    ASSERT_TRUE(marsRise.startsWith(QStringLiteral("Rise: "))) << marsRise.toStdString();

    JupiterView* jupiter = open<JupiterView>(s, ID_OPEN_JUPITER);
    ASSERT_NE(jupiter, nullptr);
    const PanelContent expected = jupiter->jupiter().fillDataPanel();
    EXPECT_EQ(s.frame().paneText(3).toStdString(), expected.status.rise);
    EXPECT_EQ(s.frame().paneText(4).toStdString(), expected.status.transit);
    EXPECT_EQ(s.frame().paneText(5).toStdString(), expected.status.set);
    EXPECT_EQ(s.frame().paneText(6).toStdString(), expected.status.altitude);
    EXPECT_NE(s.frame().paneText(3), marsRise);
    ASSERT_TRUE(s.app->dataDialogShown());
    DataDialog* data = s.app->dataDialog();
    EXPECT_EQ(data->controlText(1009).trimmed(), QStringLiteral("JUPITER"));
    EXPECT_EQ(data->controlText(1028).toStdString(), expected.record.raValue);
    // System I under the first column, System II under the second.
    EXPECT_EQ(data->controlText(1044), QStringLiteral("Syst. I "));
    EXPECT_EQ(data->controlText(1045), QStringLiteral("Syst. II "));
    EXPECT_TRUE(jupiter->documentTitle().startsWith(QStringLiteral(" Jupiter -- 2024/01/15")));
}

TEST(JupiterView, BodilessWindowEmptiesTheBodyPanesAndTheDataDialog) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    // A kind of window without a view of its own opens the plain window.
    s.usePlaceholder(DocTypeId::ZoomedSky);
    PlanetView* mars = open<PlanetView>(s, ID_OPEN_MARS);
    ASSERT_FALSE(s.frame().paneText(3).isEmpty());
    ASSERT_FALSE(s.app->dataDialog()->controlText(1028).isEmpty());
    s.frame().openWindow(DocTypeId::ZoomedSky);
    for (int pane = 3; pane <= 6; ++pane) EXPECT_TRUE(s.frame().paneText(pane).isEmpty()) << pane;
    EXPECT_FALSE(s.frame().paneText(7).isEmpty());  // its own date stays
    EXPECT_TRUE(s.app->dataDialog()->controlText(1028).isEmpty());
    EXPECT_TRUE(s.app->dataDialog()->controlText(1009).isEmpty());
    // Back to Mars, its figures return.
    s.activate(mars);
    EXPECT_TRUE(s.frame().paneText(3).startsWith(QStringLiteral("Rise: ")));
    EXPECT_FALSE(s.app->dataDialog()->controlText(1028).isEmpty());
}

TEST(JupiterView, OccultedSatellitesCannotBeClickedOthersOpenTheirBox) {
    // The globe filling the window: Io and its shadow stand apart on it.
    StartedApp s(0, "JupiterZoom=0\n");
    ASSERT_TRUE(s.start());
    JupiterView* view = open<JupiterView>(s, ID_OPEN_JUPITER);
    ASSERT_NE(view, nullptr);
    const JupiterPictureLayout& l = view->layout();
    EXPECT_FALSE(l.satellites[0].drawn);
    EXPECT_FALSE(l.satellites[1].drawn);
    // Io's place behind the disc answers nothing.
    EXPECT_TRUE(clickAndRead(view, {l.satellites[0].x, l.satellites[0].y}).isEmpty());

    // The next evening Io crosses the disc ahead of its shadow.
    view->jupiter().dt.setLocal(2024, 1, 16, 19, 0, 1, 0);
    view->jupiter().recomputeAndRefresh();
    view->grab();
    const JupiterPictureLayout& t = view->layout();
    ASSERT_TRUE(t.satellites[0].drawn);
    ASSERT_TRUE(t.shadows[0].drawn);
    EXPECT_EQ(clickAndRead(view, {t.satellites[0].x, t.satellites[0].y - 3}), QStringLiteral("Io - I"));
    EXPECT_EQ(clickAndRead(view, {t.shadows[0].x + 5, t.shadows[0].y}),
              QStringLiteral("message: Shadow of Io"));
    EXPECT_TRUE(clickAndRead(view, {t.shadows[0].x + 7, t.shadows[0].y}).isEmpty());
}

TEST(JupiterView, RedSpotReferenceRefuses360AndWrites359KeepingTheOtherKeys) {
    // The globe filling the window, so that the spot's move shows.
    StartedApp s(0, "GRS=20\nMarsZoom=50\nJupiterZoom=0\n");
    ASSERT_TRUE(s.start());
    JupiterView* view = open<JupiterView>(s, ID_OPEN_JUPITER);
    ASSERT_NE(view, nullptr);
    const std::vector<std::string> before = settingsLines();
    const int spotBefore = view->layout().redSpotX;
    ModalDriver driver;
    driver
        .then([](QWidget* w) {
            auto* d = qobject_cast<RedSpotDialog*>(w);
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->field()->text(), QStringLiteral("20"));
            d->field()->setText(QStringLiteral("360"));
            d->accept();
        })
        .accept()
        .then([](QWidget* w) {
            auto* d = qobject_cast<RedSpotDialog*>(w);
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->field()->text(), QStringLiteral("20"));  // open again as it was
            d->field()->setText(QStringLiteral("359"));
            d->accept();
        });
    s.command(ID_RED_SPOT_REFERENCE);
    ASSERT_EQ(driver.seen().size(), 3);
    EXPECT_EQ(driver.seen()[1], QStringLiteral("message: The longitude entered is not valid."));
    EXPECT_EQ(view->jupiter().redSpotLongitude(), 359);
    EXPECT_EQ(s.app->settings().redSpotLongitude, 359);
    std::vector<std::string> after = settingsLines();
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        if (before[i].rfind("GRS=", 0) == 0)
            EXPECT_EQ(after[i], "GRS=359");
        else
            EXPECT_EQ(after[i], before[i]);
    }
    view->grab();
    EXPECT_NE(view->layout().redSpotX, spotBefore);

    // Cancel changes nothing.
    ModalDriver cancel;
    cancel.reject();
    s.command(ID_RED_SPOT_REFERENCE);
    EXPECT_EQ(view->jupiter().redSpotLongitude(), 359);
}

namespace {

// Satellite i's offset from the disc's centre, pixels.
QPoint offset(const JupiterPictureLayout& l, int i) {
    return {l.satellites[static_cast<size_t>(i)].x - l.centreX,
            l.satellites[static_cast<size_t>(i)].y - l.centreY};
}

}  // namespace

TEST(JupiterView, ZoomRunsFromAllFourMoonsToTheFilledWindowAndIsKept) {
    StartedApp s(0, "Mystery=5\n");
    ASSERT_TRUE(s.start());
    JupiterView* view = open<JupiterView>(s, ID_OPEN_JUPITER, QSize(600, 300));
    ASSERT_NE(view, nullptr);
    // A new window shows the four moons (Io and Europa behind the disc then).
    EXPECT_EQ(view->level(), JupiterZoom::kDefaultLevel);
    const JupiterPictureLayout widest = view->layout();
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(view->rect().contains(widest.satellites[static_cast<size_t>(i)].x,
                                          widest.satellites[static_cast<size_t>(i)].y))
            << i;
    EXPECT_FALSE(view->commandState(ID_JUPITER_ZOOM_OUT)->enabled);
    EXPECT_TRUE(view->commandState(ID_JUPITER_ZOOM_IN)->enabled);

    // "+" of the main keyboard and of the keypad, then the menu, come closer:
    // the radius grows, and Callisto keeps its place in Jupiter radii.
    QTest::keyClick(view, Qt::Key_Plus);
    EXPECT_EQ(view->level(), 6);
    QTest::keyClick(view, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(view->level(), 5);
    view->grab();
    const JupiterPictureLayout closer = view->layout();
    const double ratio = closer.equatorialRadius / widest.equatorialRadius;
    EXPECT_GT(ratio, 1.5);
    EXPECT_NEAR(offset(closer, 3).x(), offset(widest, 3).x() * ratio, 1.0 + ratio);
    EXPECT_NEAR(offset(closer, 3).y(), offset(widest, 3).y() * ratio, 1.0 + ratio);
    for (int i = 0; i < 9; ++i) s.command(ID_JUPITER_ZOOM_IN);
    EXPECT_EQ(view->level(), 0);
    EXPECT_FALSE(view->commandState(ID_JUPITER_ZOOM_IN)->enabled);
    EXPECT_TRUE(view->commandState(ID_JUPITER_ZOOM_OUT)->enabled);
    view->grab();
    // The globe fills the height.
    EXPECT_NEAR(2.0 * view->layout().polarRadius, view->height() - 4, 0.01);

    // "-", the menu and the double clicks (left closer, right farther).
    QTest::keyClick(view, Qt::Key_Minus);
    EXPECT_EQ(view->level(), 1);
    QTest::mouseDClick(view, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(view->level(), 2);
    QTest::mouseDClick(view, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(view->level(), 1);
    s.command(ID_JUPITER_ZOOM_OUT);
    EXPECT_EQ(view->level(), 2);
    // The time keys are still the window's.
    typeKeys(view, "2D");
    EXPECT_EQ(view->jupiter().dt.localDay, 17);

    // The strip does not zoom.
    auto* strip = open<JupiterSatellitesView>(s, ID_OPEN_JUPITER_SATELLITES, QSize(640, 140));
    ASSERT_NE(strip, nullptr);
    EXPECT_FALSE(strip->commandState(ID_JUPITER_ZOOM_IN).has_value());
    QTest::keyClick(strip, Qt::Key_Plus);
    EXPECT_EQ(view->level(), 2);

    // The level is kept at the window's end, beside the other keys, and a
    // new window opens at it.
    s.closeWindow(strip);
    s.closeWindow(view);
    const std::string kept = readSettingsText();
    EXPECT_NE(kept.find("JupiterZoom=2\n"), std::string::npos) << kept;
    EXPECT_NE(kept.find("Mystery=5\n"), std::string::npos) << kept;
    JupiterView* again = open<JupiterView>(s, ID_OPEN_JUPITER, QSize(600, 300));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->level(), 2);
}

TEST(JupiterView, PhenomenaListTextsInSpanish) {
    const PhenomenaList list(2);
    EXPECT_EQ(list.windowTitle(), QString::fromUtf8("Fenómenos de los satélites"));
    EXPECT_TRUE(list.controlText(1050).endsWith(QStringLiteral("Sat.   Fen"))) << list.controlText(1050).toStdString();
    EXPECT_TRUE(list.controlText(1051).contains(QString::fromUtf8("Ganímedes")));
    EXPECT_FALSE(list.controlText(1051).contains(QStringLiteral("Ganymede")));
}

TEST(JupiterView, PhenomenaListDrivesTheDiscAndFollowsTheDay) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    JupiterView* view = open<JupiterView>(s, ID_OPEN_JUPITER);
    ASSERT_NE(view, nullptr);
    s.command(ID_PHENOMENON_OR_SATURN_ZOOM_IN);
    PhenomenaList* list = view->phenomenaList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->windowTitle(), QStringLiteral("Phenomena of the satellites"));
    EXPECT_EQ(list->controlText(1050), QStringLiteral("  Day   H    M     Sat.   phe"));
    // 15 January in zone +1: Io's shadow egress at 00:15, its transit egress at 01:06...
    ASSERT_GE(list->list()->count(), 5);
    EXPECT_EQ(list->list()->item(0)->text().toStdString(), " 15     00   15    I        Sh.I.");
    EXPECT_EQ(list->list()->item(1)->text().toStdString(), " 15     01   06    I        Tr.E.");
    // A second command keeps the one list.
    s.command(ID_PHENOMENON_OR_SATURN_ZOOM_IN);
    EXPECT_EQ(view->phenomenaList(), list);

    // Picking Europa's reappearance (22:37) moves the disc view there.
    int row = -1;
    for (int i = 0; i < list->list()->count(); ++i)
        if (list->list()->item(i)->text().contains(QStringLiteral("II       Oc.R."))) row = i;
    ASSERT_GE(row, 0);
    list->list()->setCurrentRow(row);
    const DateTime& dt = view->jupiter().dt;
    EXPECT_EQ(dt.localDay, 15);
    EXPECT_EQ(dt.localHour, 22);
    EXPECT_EQ(dt.localMinute, 37);
    view->grab();
    EXPECT_TRUE(view->layout().satellites[1].drawn);  // Europa is back in view
    // Then the transit's end at 01:06.
    row = 1;
    list->list()->setCurrentRow(row);
    EXPECT_EQ(dt.localHour, 1);
    EXPECT_EQ(dt.localMinute, 6);

    // The next day refills the list and keeps the selected row.
    typeKeys(view, "D");
    view->grab();
    EXPECT_EQ(dt.localDay, 16);
    EXPECT_TRUE(list->list()->item(0)->text().startsWith(QStringLiteral(" 16")));
    EXPECT_EQ(list->list()->currentRow(), row);
    EXPECT_EQ(dt.localHour, 1);  // refilling picks nothing

    // Closing the disc window closes its list.
    QPointer<PhenomenaList> watch(list);
    s.closeWindow(view);
    EXPECT_TRUE(watch.isNull());
}

TEST(JupiterView, OpeningThePhenomenaListLeavesTheTimeAsItWas) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    JupiterView* view = open<JupiterView>(s, ID_OPEN_JUPITER);
    ASSERT_NE(view, nullptr);
    s.command(ID_PHENOMENON_OR_SATURN_ZOOM_IN);
    PhenomenaList* list = view->phenomenaList();
    ASSERT_NE(list, nullptr);
    ASSERT_GE(list->list()->count(), 1);
    // The window system activates the new window and its list gets the
    // focus, which makes the first row (00:15) current: no one picked it.
    QFocusEvent focusIn(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(list->list(), &focusIn);
    QCoreApplication::processEvents();
    const DateTime& dt = view->jupiter().dt;
    EXPECT_EQ(dt.localHour, 21);
    EXPECT_EQ(dt.localMinute, 30);
    EXPECT_TRUE(list->list()->selectedItems().isEmpty());
    // The next day's rows come in with nothing picked either.
    typeKeys(view, "D");
    view->grab();
    EXPECT_EQ(dt.localDay, 16);
    EXPECT_EQ(dt.localHour, 21);
    EXPECT_TRUE(list->list()->selectedItems().isEmpty());
    // A row the user picks with the keys moves the time.
    QTest::keyClick(list->list(), Qt::Key_Down);
    ASSERT_EQ(list->list()->selectedItems().size(), 1);
    EXPECT_EQ(dt.localHour, list->rowHour(list->list()->currentRow()));
    EXPECT_EQ(dt.localMinute, list->rowMinute(list->list()->currentRow()));
}

TEST(JupiterView, ThePhenomenaLegendExplainsTheCodesOfTheRowsInEachLanguage) {
    for (int language = 0; language < 3; ++language) {
        StartedApp s(language);
        ASSERT_TRUE(s.start());
        JupiterView* view = open<JupiterView>(s, ID_OPEN_JUPITER);
        ASSERT_NE(view, nullptr);
        s.command(ID_PHENOMENON_OR_SATURN_ZOOM_IN);
        PhenomenaList* list = view->phenomenaList();
        ASSERT_NE(list, nullptr);
        // "Ec: ..." lines: the codes each legend explains. English gives the
        // two halves of its codes ("Sh" and "I" for Sh.I.) in two texts.
        auto codesOf = [](const QString& legend) {
            QStringList codes;
            for (const QString& line : legend.split(QLatin1Char('\n')))
                codes << line.section(QLatin1Char(':'), 0, 0).trimmed();
            return codes;
        };
        const QStringList explained = codesOf(list->controlText(1052));
        const QStringList halves = codesOf(list->controlText(1053));
        auto isExplained = [&](const QString& code) {
            if (explained.contains(code)) return true;
            const QStringList parts = code.split(QLatin1Char('.'), Qt::SkipEmptyParts);
            return parts.size() == 2 && explained.contains(parts[0]) && halves.contains(parts[1]);
        };
        ASSERT_GE(list->list()->count(), 5) << language;
        for (int i = 0; i < list->list()->count(); ++i) {
            const QString code = list->list()->item(i)->text().split(QLatin1Char(' '), Qt::SkipEmptyParts).last();
            EXPECT_TRUE(isExplained(code)) << language << ": " << code.toStdString();
        }
        // Every code of the language's set is explained, and the legend
        // explains nothing else.
        QStringList carried;
        for (int code = 1; code <= 8; ++code) {
            carried << QString::fromLatin1(phenomenonText(code, language == 1)).trimmed();
            EXPECT_TRUE(isExplained(carried.back())) << language << ": " << carried.back().toStdString();
        }
        if (language != 0)
            for (const QString& code : explained)
                EXPECT_TRUE(carried.contains(code)) << language << ": " << code.toStdString();
    }
}

TEST(JupiterView, SatellitesStripSharesTheDocumentAndOpensTheBoxes) {
    StartedApp s(1);
    ASSERT_TRUE(s.start());
    JupiterView* disc = open<JupiterView>(s, ID_OPEN_JUPITER);
    ASSERT_NE(disc, nullptr);
    EXPECT_TRUE(disc->commandState(ID_TRACKING)->enabled);
    auto* strip = open<JupiterSatellitesView>(s, ID_OPEN_JUPITER_SATELLITES, QSize(640, 140));
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(&strip->jupiter(), &disc->jupiter());
    EXPECT_EQ(strip->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(s.frame().windowCount(), 2);
    // Two windows on one document, told apart by their titles.
    EXPECT_TRUE(disc->documentTitle().startsWith(QStringLiteral(" Jupiter -- 2024/01/15")))
        << disc->documentTitle().toStdString();
    EXPECT_TRUE(strip->documentTitle().startsWith(QStringLiteral(" Satellites de Jupiter -- 2024/01/15")))
        << strip->documentTitle().toStdString();
    // A step of the shared document moves both windows.
    typeKeys(strip, "2H");
    EXPECT_EQ(disc->jupiter().dt.localHour, 23);
    strip->grab();
    const JupiterPictureLayout& l = strip->layout();
    ASSERT_TRUE(l.satellites[3].drawn);
    EXPECT_EQ(clickAndRead(strip, {l.satellites[3].x + 4, l.satellites[3].y - 4}),
              QStringLiteral("Callisto - IV"));
    EXPECT_TRUE(clickAndRead(strip, {l.satellites[3].x + 5, l.satellites[3].y}).isEmpty());

    // The disc window closed, the strip goes on with the document.
    s.closeWindow(disc);
    typeKeys(strip, "M");
    EXPECT_EQ(strip->jupiter().dt.localMinute, 31);
    strip->grab();
}
