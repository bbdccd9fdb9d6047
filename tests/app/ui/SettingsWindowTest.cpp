#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>

#include "app/ui/DataDialog.h"
#include "app/ui/DateFormatDialog.h"
#include "app/ui/LanguageDialog.h"
#include "app/ui/MainWindow.h"
#include "app/ui/LatitudeLongitudeDialog.h"
#include "app/ui/ProjectionDialog.h"
#include "app/ui/TimeZoneDialog.h"
#include "common/commands/CommandIds.h"
#include "common/settings/SettingsFile.h"
#include "moon/ui/LunarXList.h"
#include "moon/ui/MoonPhaseTable.h"
#include "moon/ui/MoonView.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/app/ui/PlaceholderView.h"
#include "tests/support/ModalDriver.h"

using namespace vantorel;

TEST(SettingsWindow, LatitudeRefusedThenTakenAndWritten) {
    StartedApp started(0);
    ASSERT_TRUE(started.start());
    ModalDriver driver;
    driver
        .then([](QWidget* w) {
            auto* d = qobject_cast<LatitudeLongitudeDialog*>(w);
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->entry(), (LatitudeEntry{45, 0, false, {}}));
            d->degreesField()->setText("90");
            d->minutesField()->setText("1");
            d->accept();
        })
        .accept()
        .then([](QWidget* w) {
            auto* d = qobject_cast<LatitudeLongitudeDialog*>(w);
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->entry(), (LatitudeEntry{45, 0, false, {}}));
            EXPECT_EQ(d->focusWidget(), d->minutesField());
            d->degreesField()->setText("0");
            d->minutesField()->setText("30");
            d->southRadio()->setChecked(true);
            d->accept();
        });
    started.command(ID_LATITUDE);
    EXPECT_EQ(driver.seen(), (QStringList{"LatitudeLongitudeDialog", "message: The latitude is not valid (0 - 59 minutes) ",
                                          "LatitudeLongitudeDialog"}));
    EXPECT_FLOAT_EQ(started.app->settings().latitude, -0.5f);
    EXPECT_TRUE(started.app->settings().hemisphereChanged);
    EXPECT_EQ(SettingsFile::readInt("Latituded"), 0);
    Settings reread;
    SettingsFile::readSettings(reread);
    EXPECT_FLOAT_EQ(reread.latitude, -0.5f);
}

TEST(SettingsWindow, TimeZoneWestHidesTheEastOnlySizes) {
    StartedApp started(0);
    ASSERT_TRUE(started.start());
    started.usePlaceholder(DocTypeId::Saturn);
    started.command(ID_OPEN_SATURN);
    auto* mars = qobject_cast<PlaceholderView*>(started.frame().activeView());
    ASSERT_NE(mars, nullptr);
    ModalDriver driver;
    driver.then([](QWidget* w) {
        auto* d = qobject_cast<TimeZoneDialog*>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->eastRadio()->isChecked());
        EXPECT_TRUE(d->sizeRadio(1)->isChecked());  // the file's 1 h
        d->sizeRadio(9)->setChecked(true);          // 5.5h, east only
        d->westRadio()->setChecked(true);
        for (int i : {7, 9, 10, 12, 15, 19, 22, 23, 24, 25})
            EXPECT_FALSE(d->sizeRadio(i)->isEnabled()) << i;
        for (int i : {3, 5, 17, 21}) EXPECT_TRUE(d->sizeRadio(i)->isEnabled()) << i;
        // 5.5h West does not exist: the choice fell back to 5h.
        EXPECT_EQ(d->choice(), (ZoneChoice{8, true}));
        d->sizeRadio(17)->setChecked(true);  // 9.5h
        d->accept();
    });
    started.command(ID_TIME_ZONE);
    EXPECT_EQ(started.app->settings().zoneHours, -9);
    EXPECT_EQ(started.app->settings().zoneMinutes, 30);
    EXPECT_EQ(SettingsFile::readInt("FuseauH"), -9);
    EXPECT_EQ(SettingsFile::readInt("FuseauM"), 30);
    EXPECT_EQ(started.frame().blankDate().zoneHours, -9);
    EXPECT_EQ(mars->computeCount(), 2);
    EXPECT_EQ(mars->date().zoneHours, -9);

    // Back east, the sizes come back.
    TimeZoneDialog again(0, ZoneChoice{17, true});
    EXPECT_FALSE(again.sizeRadio(9)->isEnabled());
    again.eastRadio()->setChecked(true);
    EXPECT_TRUE(again.sizeRadio(9)->isEnabled());
}

TEST(SettingsWindow, ProjectionBothBoxesGivesThreeAndThePane) {
    StartedApp started(0);
    ASSERT_TRUE(started.start());
    EXPECT_EQ(started.frame().paneText(2), QStringLiteral("Projection: N -- W"));
    {
        ModalDriver driver;
        driver.then([](QWidget* w) {
            auto* d = qobject_cast<ProjectionDialog*>(w);
            ASSERT_NE(d, nullptr);
            EXPECT_FALSE(d->horizontalBox()->isChecked());
            // The note names the instrument of each combination as the boxes change.
            EXPECT_EQ(d->instrumentNote()->text(),
                      QStringLiteral("As the naked eye or binoculars show the sky."));
            d->horizontalBox()->setChecked(true);
            EXPECT_EQ(d->instrumentNote()->text(),
                      QStringLiteral("A refractor or reflector with a star diagonal."));
            d->verticalBox()->setChecked(true);
            EXPECT_EQ(d->instrumentNote()->text(),
                      QStringLiteral("A straight-through telescope (Newtonian reflector)."));
            d->horizontalBox()->setChecked(false);
            EXPECT_EQ(d->instrumentNote()->text(), QStringLiteral("A star diagonal, the picture upside down."));
            d->horizontalBox()->setChecked(true);
            d->accept();
        });
        started.command(ID_PROJECTION);
    }
    EXPECT_EQ(started.app->settings().projection, 3);
    EXPECT_EQ(SettingsFile::readInt("Projection"), 3);
    EXPECT_EQ(started.frame().paneText(2), QStringLiteral("Projection: S -- E"));

    ModalDriver cancel;
    cancel.then([](QWidget* w) {
        auto* d = qobject_cast<ProjectionDialog*>(w);
        d->horizontalBox()->setChecked(false);
        d->reject();
    });
    started.command(ID_PROJECTION);
    EXPECT_EQ(started.app->settings().projection, 3);
}

namespace {

// The language dialog answered with `language`, or cancelled after choosing it.
void chooseLanguage(StartedApp& started, int language, bool cancel) {
    ModalDriver driver;
    driver.then([language, cancel](QWidget* w) {
        auto* d = qobject_cast<LanguageDialog*>(w);
        ASSERT_NE(d, nullptr);
        d->radio(language)->setChecked(true);
        if (cancel)
            d->reject();
        else
            d->accept();
    });
    started.command(ID_LANGUAGE);
    EXPECT_TRUE(driver.finished());
    QCoreApplication::processEvents();
}

QStringList menuTitles(StartedApp& started) {
    QStringList titles;
    for (QMenu* menu : started.frame().currentMenus()) titles << menu->title();
    return titles;
}

QString titleOf(StartedApp& started, DocTypeId type) {
    for (ChildView* view : started.frame().views())
        if (view->docType() == type) {
            view->grab();  // the windows that date their title write it at their paint
            return view->documentTitle();
        }
    return QString();
}

}  // namespace

TEST(SettingsWindow, ANewLanguageReachesEveryOpenWindowAtOnceAndCancelKeepsIt) {
    StartedApp started(0);
    ASSERT_TRUE(started.start());
    started.command(ID_OPEN_MARS);
    ChildView* moon = nullptr;
    started.command(ID_OPEN_MOON);
    moon = started.frame().activeView();
    ASSERT_NE(moon, nullptr);
    EXPECT_TRUE(titleOf(started, DocTypeId::Moon).trimmed().startsWith(QStringLiteral("Moon -- "))) << titleOf(started, DocTypeId::Moon).toStdString();
    const QStringList english = menuTitles(started);
    ASSERT_FALSE(english.isEmpty());
    EXPECT_EQ(english.front(), QStringLiteral("&File"));
    const QString projectionPane = started.frame().paneText(2);

    chooseLanguage(started, 1, false);
    EXPECT_EQ(started.app->settings().language, 1);
    EXPECT_EQ(SettingsFile::readInt("Langue"), 1);
    const QStringList french = menuTitles(started);
    EXPECT_EQ(french.size(), english.size());
    EXPECT_EQ(french.front(), QStringLiteral("&Fichier"));
    EXPECT_NE(french, english);
    EXPECT_NE(started.frame().paneText(2), projectionPane);
    EXPECT_TRUE(titleOf(started, DocTypeId::Moon).trimmed().startsWith(QStringLiteral("Lune -- ")));
    EXPECT_TRUE(started.frame().windowTitle().contains(QStringLiteral("Lune")));
    ASSERT_NE(started.app->dataDialog(), nullptr);
    EXPECT_EQ(started.app->dataDialog()->windowTitle(), QString::fromUtf8("Vantorel - Donn\u00e9es"));
    // The Mars window, once active, has the French menu as well.
    started.activate(started.frame().views().front());
    EXPECT_EQ(started.frame().currentMenus().front()->title(), QStringLiteral("&Fichier"));
    started.activate(moon);

    // Spanish chosen, then Cancel: nothing changes, in memory or in the file.
    chooseLanguage(started, 2, true);
    EXPECT_EQ(started.app->settings().language, 1);
    EXPECT_EQ(SettingsFile::readInt("Langue"), 1);
    EXPECT_EQ(menuTitles(started), french);
    EXPECT_TRUE(titleOf(started, DocTypeId::Moon).trimmed().startsWith(QStringLiteral("Lune -- ")));

    // Jupiter's phenomena list, open at the change, comes back in Spanish.
    started.command(ID_OPEN_JUPITER);
    started.command(ID_PHENOMENON_OR_SATURN_ZOOM_IN);
    chooseLanguage(started, 2, false);
    const auto lists = QApplication::topLevelWidgets();
    int phenomenaLists = 0;
    for (QWidget* w : lists)
        if (w->objectName() == QStringLiteral("PhenomenaList") && w->isVisible()) {
            ++phenomenaLists;
            EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Fen\u00f3menos de los sat\u00e9lites"));
        }
    EXPECT_EQ(phenomenaLists, 1);
    EXPECT_EQ(started.frame().currentMenus().front()->title(), QStringLiteral("&Archivo"));
    EXPECT_TRUE(titleOf(started, DocTypeId::Moon).trimmed().startsWith(QStringLiteral("Luna -- ")));
    EXPECT_EQ(started.app->dataDialog()->windowTitle(), QStringLiteral("Vantorel - Datos"));
}

// A format chosen in the date format dialog: 2 day/month/year, 3
// month/day/year.
static void chooseDateFormat(StartedApp& started, int format) {
    ModalDriver driver;
    driver.then([format](QWidget* w) {
        auto* d = qobject_cast<DateFormatDialog*>(w);
        ASSERT_NE(d, nullptr);
        d->radio(format)->setChecked(true);
        d->accept();
    });
    started.command(ID_DATE_SETTING);
    EXPECT_TRUE(driver.finished());
}

TEST(SettingsWindow, ANewDateFormatReachesTheStatusBarAndTheMoonsListsAtOnce) {
    StartedApp started(0);
    ASSERT_TRUE(started.start());
    MainWindow& f = started.frame();
    f.resize(1000, 700);
    f.show();
    started.command(ID_OPEN_MOON);
    started.command(ID_MOON_PHASES);
    started.command(ID_LUNAR_X);
    MoonPhaseTable* table = MoonView::phaseTable();
    LunarXList* lunarX = MoonView::lunarXList();
    ASSERT_NE(table, nullptr);
    ASSERT_NE(lunarX, nullptr);
    started.command(ID_OPEN_MARS);
    QCoreApplication::processEvents();
    // Year/month/day at first: the clock's 2024-01-15.
    EXPECT_EQ(f.paneText(7), QStringLiteral("Date: 2024/01/15"));
    EXPECT_EQ(table->fieldText(1, PhaseTableText::kFirstDate), QStringLiteral("01/18"));
    ASSERT_GT(lunarX->list()->count(), 0);
    const QString lunarXBefore = lunarX->list()->item(0)->text();

    chooseDateFormat(started, 2);
    QCoreApplication::processEvents();
    // No time step: the format shows in the Mars window's pane and in the
    // Moon window's lists as soon as the dialog closes.
    EXPECT_EQ(f.paneText(7), QStringLiteral("Date: 15/01/2024"));
    EXPECT_EQ(table->fieldText(1, PhaseTableText::kFirstDate), QStringLiteral("18/01"));
    EXPECT_NE(lunarX->list()->item(0)->text(), lunarXBefore);
    EXPECT_TRUE(lunarX->list()->item(0)->text().contains(QStringLiteral("/2024")))
        << lunarX->list()->item(0)->text().toStdString();

    // The Moon window active shows it too.
    started.activate(f.views().front());
    QCoreApplication::processEvents();
    EXPECT_EQ(f.paneText(7), QStringLiteral("Date: 15/01/2024"));

    // And the sky chart, whose picture does not change with the format.
    started.command(ID_OPEN_SKY);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.paneText(7), QStringLiteral("Date: 15/01/2024"));
    chooseDateFormat(started, 3);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.paneText(7), QStringLiteral("Date: 01/15/2024"));
}
