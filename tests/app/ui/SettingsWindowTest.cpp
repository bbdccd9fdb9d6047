#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

#include "app/ui/LanguageDialog.h"
#include "app/ui/LatitudeLongitudeDialog.h"
#include "app/ui/ProjectionDialog.h"
#include "app/ui/TimeZoneDialog.h"
#include "common/commands/CommandIds.h"
#include "common/settings/SettingsFile.h"
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

TEST(SettingsWindow, LanguageChangeWaitsForARestart) {
    StartedApp started(0);
    ASSERT_TRUE(started.start());
    ModalDriver driver;
    driver
        .then([](QWidget* w) {
            auto* d = qobject_cast<LanguageDialog*>(w);
            ASSERT_NE(d, nullptr);
            EXPECT_TRUE(d->radio(0)->isChecked());
            d->radio(2)->setChecked(true);
            d->accept();
        })
        .accept();
    started.command(ID_LANGUAGE);
    EXPECT_EQ(driver.seen(), (QStringList{"LanguageDialog",
                                          "message: Restart Vantorel for the new language to take effect."}));
    EXPECT_EQ(SettingsFile::readInt("Langue"), 2);
    EXPECT_EQ(started.app->settings().language, 0);
    EXPECT_EQ(started.frame().currentMenus().front()->title(), QStringLiteral("&File"));
}
