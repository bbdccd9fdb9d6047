#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include <filesystem>
#include <fstream>

#include "app/ui/LatitudeLongitudeDialog.h"
#include "app/ui/SiteDialog.h"
#include "app/ui/TimeZoneDialog.h"
#include "common/commands/CommandIds.h"
#include "common/settings/SettingsFile.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/support/ModalDriver.h"

using namespace vantorel;

namespace {

// The row of the list whose city and region are these; null when none is.
QTreeWidgetItem* rowOf(QTreeWidget* list, const QString& name, const QString& region) {
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        if (item->text(0) == name && item->text(1) == region) return item;
    }
    return nullptr;
}

}  // namespace

// Preferences, Site: typing "sao" lists São Paulo's city among others; OK
// sets its latitude, longitude and zone in one settings write, and every
// window recomputes in the new zone.
TEST(SiteDialog, TypedPickedAndWrittenTogether) {
    StartedApp started(0, "Other=kept\n");
    std::filesystem::create_directory("data");
    std::filesystem::copy_file(std::filesystem::path(VANTOREL_SOURCE_DIR) / "data" / "cities.csv",
                               "data/cities.csv");
    ASSERT_TRUE(started.start());
    started.usePlaceholder(DocTypeId::Mars);
    started.command(ID_OPEN_MARS);
    auto* window = qobject_cast<PlaceholderView*>(started.frame().activeView());
    ASSERT_NE(window, nullptr);
    const int computedBefore = window->computeCount();

    // The menu item tells what it does in the status bar.
    QAction* site = started.frame().currentAction(ID_SITE);
    ASSERT_NE(site, nullptr);
    EXPECT_TRUE(site->statusTip().startsWith(QStringLiteral("Choose the observing site")));

    ModalDriver driver;
    driver.then([](QWidget* w) {
        auto* d = qobject_cast<SiteDialog*>(w);
        if (!d) return ModalDriver::close(w, false);
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Site"));
        QTest::keyClicks(d->searchField(), QStringLiteral("sao"));
        QTreeWidget* list = d->cityList();
        EXPECT_GT(list->topLevelItemCount(), 5);
        QTreeWidgetItem* sao = rowOf(list, QStringLiteral("Sao Paulo"), QStringLiteral("São Paulo"));
        if (!sao) {
            ADD_FAILURE() << "Sao Paulo not listed";
            return ModalDriver::close(w, false);
        }
        EXPECT_EQ(sao->text(2), QStringLiteral("Brazil"));
        EXPECT_EQ(sao->text(3), QStringLiteral("23°34' S"));
        EXPECT_EQ(sao->text(4), QStringLiteral("46°38' W"));
        EXPECT_EQ(sao->text(5), QStringLiteral("America/Sao_Paulo"));
        list->setCurrentItem(sao);
        EXPECT_TRUE(d->okButton()->isEnabled());
        d->okButton()->click();
    });
    started.command(ID_SITE);
    EXPECT_EQ(driver.seen(), (QStringList{"SiteDialog"}));
    EXPECT_EQ(readSettingsText(),
              "[Vantorel]\nLangue=0\nDATE=0\nDisplayWarning=1\nFuseauH=-3\nFuseauM=0\nLatituded=-23\n"
              "Latitudem=34\nOther=kept\nLongituded=-46\nLongitudem=38\nZoneName=America/Sao_Paulo\n");
    const Settings& s = started.app->settings();
    EXPECT_NEAR(s.latitude, -(23 + 34 / 60.0), 1e-4);
    EXPECT_TRUE(s.hemisphereChanged);
    EXPECT_EQ(started.frame().paneText(1), QStringLiteral("Long.: 46°38' W  America/Sao_Paulo"));
    // The window took the new zone: 21:30 in January is UTC-3 there.
    EXPECT_GT(window->computeCount(), computedBefore);
    ASSERT_TRUE(window->date().namedZone.has_value());
    EXPECT_EQ(window->date().namedZone->name(), "America/Sao_Paulo");
    EXPECT_TRUE(started.frame().blankDate().namedZone.has_value());

    // A second start reads it all back and asks nothing.
    started.app.reset();
    ModalDriver quiet;
    Application again(std::make_unique<FixedClock>(LocalClockReading{2024, 7, 1, 12, 0, 0}));
    ASSERT_TRUE(again.initInstance());
    EXPECT_TRUE(quiet.seen().isEmpty());
    EXPECT_EQ(again.settings().zoneName, "America/Sao_Paulo");
}

// A damaged list of cities: the dialog says so in the language in use, and
// the coordinates can still be typed by hand.
TEST(SiteDialog, ADamagedListLeavesTheCoordinatesByHand) {
    StartedApp started(1);
    std::filesystem::create_directory("data");
    std::ofstream("data/cities.csv") << "this is not a list of cities\n";
    ASSERT_TRUE(started.start());
    ModalDriver driver;
    driver
        .then([](QWidget* w) {
            auto* d = qobject_cast<SiteDialog*>(w);
            if (!d) return ModalDriver::close(w, false);
            EXPECT_TRUE(d->messageLabel()->text().contains(QStringLiteral("illisible"))) << d->messageLabel()->text().toStdString();
            EXPECT_TRUE(d->messageLabel()->text().contains(QStringLiteral("cities.csv")));
            EXPECT_FALSE(d->okButton()->isEnabled());
            EXPECT_FALSE(d->searchField()->isEnabled());
            EXPECT_EQ(d->byHandButton()->text(), QStringLiteral("Entrer les coordonnées à la main"));
            d->byHandButton()->click();
        })
        .then([](QWidget* w) {
            auto* d = qobject_cast<LatitudeLongitudeDialog*>(w);
            if (!d) return ModalDriver::close(w, false);
            d->degreesField()->setText("10");
            d->minutesField()->setText("15");
            d->accept();
        });
    started.command(ID_SITE);
    EXPECT_EQ(driver.seen(), (QStringList{"SiteDialog", "LatitudeLongitudeDialog"}));
    EXPECT_EQ(SettingsFile::readInt("Latituded"), 10);
    EXPECT_EQ(SettingsFile::readInt("Latitudem"), 15);
    EXPECT_FALSE(SettingsFile::readText("ZoneName").has_value());
}

// The zone dialog finds a named zone as one types and keeps it; the fixed
// offset chosen later replaces it.
TEST(SiteDialog, TheZoneDialogOffersNamedZones) {
    StartedApp started(2);
    ASSERT_TRUE(started.start());
    {
        ModalDriver driver;
        driver.then([](QWidget* w) {
            auto* d = qobject_cast<TimeZoneDialog*>(w);
            if (!d) return ModalDriver::close(w, false);
            EXPECT_TRUE(d->fixedRadio()->isChecked());
            QTest::keyClicks(d->searchField(), QStringLiteral("paris"));
            EXPECT_TRUE(d->namedRadio()->isChecked());
            ASSERT_NE(d->nameList()->currentItem(), nullptr);
            EXPECT_EQ(d->nameList()->currentItem()->text(), QStringLiteral("Europe/Paris"));
            d->accept();
        });
        started.command(ID_TIME_ZONE);
    }
    EXPECT_EQ(SettingsFile::readText("ZoneName"), "Europe/Paris");
    EXPECT_EQ(SettingsFile::readInt("FuseauH"), 1);
    EXPECT_EQ(started.frame().paneText(1), QStringLiteral("Long.: huso  Europe/Paris"));
    {
        ModalDriver driver;
        driver.then([](QWidget* w) {
            auto* d = qobject_cast<TimeZoneDialog*>(w);
            if (!d) return ModalDriver::close(w, false);
            // It opens on the zone in use.
            EXPECT_TRUE(d->namedRadio()->isChecked());
            ASSERT_NE(d->nameList()->currentItem(), nullptr);
            EXPECT_EQ(d->nameList()->currentItem()->text(), QStringLiteral("Europe/Paris"));
            d->fixedRadio()->setChecked(true);
            d->westRadio()->setChecked(true);
            d->sizeRadio(3)->setChecked(true);  // 2.5h: Newfoundland's summer time
            d->accept();
        });
        started.command(ID_TIME_ZONE);
    }
    EXPECT_EQ(SettingsFile::readText("ZoneName"), "");
    EXPECT_EQ(SettingsFile::readInt("FuseauH"), -2);
    EXPECT_EQ(SettingsFile::readInt("FuseauM"), 30);
    EXPECT_FALSE(started.app->settings().namedZone.has_value());
    EXPECT_EQ(started.frame().paneText(1), QStringLiteral("Long.: huso"));
}
