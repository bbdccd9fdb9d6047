#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "app/ui/DateFormatDialog.h"
#include "app/ui/LanguageDialog.h"
#include "app/ui/LatitudeLongitudeDialog.h"
#include "app/ui/SiteDialog.h"
#include "app/ui/TimeZoneDialog.h"
#include "common/settings/SettingsFile.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/support/ModalDriver.h"

using namespace vantorel;

TEST(FirstStartWindow, AsksLanguageDateZoneLatitudeThenNothing) {
    StartedApp started(-1);
    {
        ModalDriver driver;
        driver
            .then([](QWidget* w) {
                auto* d = qobject_cast<LanguageDialog*>(w);
                ASSERT_NE(d, nullptr);
                EXPECT_TRUE(d->radio(0)->isChecked());
                d->radio(1)->setChecked(true);
                d->accept();
            })
            .then([](QWidget* w) {
                auto* d = qobject_cast<DateFormatDialog*>(w);
                ASSERT_NE(d, nullptr);
                // Already in the language just chosen.
                EXPECT_EQ(d->windowTitle(), QStringLiteral("Affichage de la date"));
                EXPECT_TRUE(d->radio(0)->isChecked());
                d->radio(2)->setChecked(true);
                d->accept();
            })
            .then([](QWidget* w) {
                // The site from the list, or typed: typed here.
                auto* d = qobject_cast<SiteDialog*>(w);
                ASSERT_NE(d, nullptr);
                d->byHandButton()->click();
            })
            .then([](QWidget* w) {
                auto* d = qobject_cast<TimeZoneDialog*>(w);
                ASSERT_NE(d, nullptr);
                EXPECT_TRUE(d->sizeRadio(0)->isChecked());
                d->westRadio()->setChecked(true);
                d->sizeRadio(17)->setChecked(true);  // 9.5h
                d->accept();
            })
            .then([](QWidget* w) {
                auto* d = qobject_cast<LatitudeLongitudeDialog*>(w);
                ASSERT_NE(d, nullptr);
                d->degreesField()->setText("45");
                d->minutesField()->setText("30");
                d->accept();
            });
        ASSERT_TRUE(started.start());
        EXPECT_EQ(driver.seen(),
                  (QStringList{"LanguageDialog", "DateFormatDialog", "SiteDialog", "TimeZoneDialog",
                               "LatitudeLongitudeDialog"}));
        EXPECT_EQ(readSettingsText(),
                  "[Vantorel]\nLangue=1\nDATE=2\nFuseauH=-9\nFuseauM=30\nDisplayWarning=1\n"
                  "Latituded=45\nLatitudem=30\n");
        EXPECT_EQ(started.frame().currentMenus().front()->title(), QStringLiteral("&Fichier"));
        EXPECT_EQ(started.app->helpFile(), "francais\\vantfr.hlp");
        EXPECT_EQ(started.frame().blankDate().zoneHours, -9);
    }
    started.app.reset();

    // The same directory, a second start: no question.
    ModalDriver second;
    Application again(std::make_unique<FixedClock>(LocalClockReading{2024, 1, 15, 21, 30, 0}));
    ASSERT_TRUE(again.initInstance());
    EXPECT_TRUE(second.seen().isEmpty());
    EXPECT_FLOAT_EQ(again.settings().latitude, 45.5f);
    EXPECT_EQ(again.settings().dateFormat, 2);
}

TEST(FirstStartWindow, CancelledFormatAndDismissedLanguageWriteNothing) {
    StartedApp started(-1);
    ModalDriver driver;
    driver.reject()   // language dialog closed without a choice
        .reject()     // date format cancelled
        .reject()     // site cancelled: the coordinates are asked by hand
        .reject()     // time zone cancelled
        .reject();    // latitude cancelled
    ASSERT_TRUE(started.start());
    EXPECT_EQ(driver.seen(), (QStringList{"LanguageDialog", "DateFormatDialog", "SiteDialog", "TimeZoneDialog",
                                          "LatitudeLongitudeDialog"}));
    EXPECT_EQ(started.app->settings().languageIndex(), 0);
    EXPECT_EQ(started.app->settings().dateFormat, 0);
    EXPECT_EQ(started.frame().currentMenus().front()->title(), QStringLiteral("&File"));
    EXPECT_FALSE(SettingsFile::readInt("DATE").has_value());
    EXPECT_FALSE(SettingsFile::readInt("Langue").has_value());
    EXPECT_EQ(SettingsFile::readInt("DisplayWarning"), 1);
    EXPECT_EQ(SettingsFile::readInt("FuseauH"), 0);
    // A cancelled latitude is not taken for the equator for good: nothing
    // is written, so the next start asks again, as for the language.
    EXPECT_FALSE(SettingsFile::readInt("Latituded").has_value());
    EXPECT_FALSE(SettingsFile::readInt("Latitudem").has_value());
    started.app.reset();
    // The driver rejects what comes beyond its script and records it.
    Application again(std::make_unique<FixedClock>(LocalClockReading{2024, 1, 15, 21, 30, 0}));
    ASSERT_TRUE(again.initInstance());
    EXPECT_EQ(driver.seen().mid(5), (QStringList{"LanguageDialog", "DateFormatDialog", "SiteDialog",
                                                 "LatitudeLongitudeDialog"}));
}
