// The longitude through the latitude dialog: written, shown in the status
// bar, and taken by an open planet window at once.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>

#include "app/ui/LatitudeLongitudeDialog.h"
#include "common/commands/CommandIds.h"
#include "common/settings/SettingsFile.h"
#include "planets/ui/PlanetViews.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/support/ModalDriver.h"

using namespace vantorel;

namespace {
int minutesOf(const DateTime& dt) {
    return dt.transitHour * 60 + dt.transitMinute;
}
} // namespace

TEST(SiteLongitudeWindow, TheDialogSetsAndClearsTheLongitude) {
    StartedApp started(1); // French, zone +1, latitude 45 N, no longitude
    ASSERT_TRUE(started.start());
    EXPECT_EQ(started.frame().paneText(1), QStringLiteral("Long.: fuseau"));
    started.command(ID_OPEN_MARS);
    auto* mars = qobject_cast<PlanetView*>(started.frame().activeView());
    ASSERT_NE(mars, nullptr);
    const DateTime& dt = mars->document().dt;
    const int transitAtZone = minutesOf(dt);
    const std::string before = readSettingsText();

    {
        ModalDriver driver;
        driver
            .then([](QWidget* w) {
                auto* d = qobject_cast<LatitudeLongitudeDialog*>(w);
                ASSERT_NE(d, nullptr);
                EXPECT_EQ(d->windowTitle(), QStringLiteral("Latitude et longitude"));
                EXPECT_TRUE(d->longitudeDegreesField()->text().isEmpty());
                d->longitudeDegreesField()->setText("200");
                d->accept();
            })
            .accept()
            .then([](QWidget* w) {
                auto* d = qobject_cast<LatitudeLongitudeDialog*>(w);
                ASSERT_NE(d, nullptr);
                // Opened again on the stored values, the focus on the bad entry.
                EXPECT_TRUE(d->longitudeDegreesField()->text().isEmpty());
                EXPECT_EQ(d->focusWidget(), d->longitudeDegreesField());
                d->longitudeDegreesField()->setText("3");
                d->longitudeMinutesField()->setText("42");
                d->westRadio()->setChecked(true);
                d->accept();
            });
        started.command(ID_LATITUDE);
        EXPECT_EQ(
            driver.seen(),
            (QStringList{"LatitudeLongitudeDialog",
                         "message: La longitude saisie n'est pas valide (0 - 180 degr\u00e9s) ",
                         "LatitudeLongitudeDialog"}));
    }
    EXPECT_EQ(SettingsFile::readInt("Longituded"), -3);
    EXPECT_EQ(SettingsFile::readInt("Longitudem"), 42);
    EXPECT_EQ(started.frame().paneText(1), QStringLiteral("Long.: 3\u00b042' O"));
    // 3.7 W instead of the zone's 15 E: the transit comes 75 minutes later.
    mars->grab();
    EXPECT_NEAR(minutesOf(dt) - transitAtZone, 75, 1);
    ASSERT_TRUE(dt.siteLongitude.has_value());

    // Emptied again: the zone stands in once more.
    {
        ModalDriver clear;
        clear.then([](QWidget* w) {
            auto* d = qobject_cast<LatitudeLongitudeDialog*>(w);
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->longitudeDegreesField()->text(), QStringLiteral("3"));
            EXPECT_TRUE(d->westRadio()->isChecked());
            d->longitudeDegreesField()->clear();
            d->longitudeMinutesField()->clear();
            d->accept();
        });
        started.command(ID_LATITUDE);
        EXPECT_EQ(clear.seen(), QStringList{"LatitudeLongitudeDialog"});
    }
    mars->grab();
    EXPECT_EQ(minutesOf(dt), transitAtZone);
    EXPECT_FALSE(dt.siteLongitude.has_value());
    EXPECT_EQ(started.frame().paneText(1), QStringLiteral("Long.: fuseau"));
    EXPECT_NE(readSettingsText(), before); // the keys stay, marked not set
    Settings reread;
    SettingsFile::readSettings(reread);
    EXPECT_FALSE(reread.longitude.has_value());
}
