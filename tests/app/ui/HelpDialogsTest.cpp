#include <gtest/gtest.h>

#include <QLabel>

#include "app/ui/AboutDialog.h"
#include "common/commands/CommandIds.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/support/ModalDriver.h"

using namespace vantorel;

TEST(HelpDialogs, AboutAndReferenceFromTheHelpMenu) {
    StartedApp started(1);
    ASSERT_TRUE(started.start());
    ASSERT_TRUE(started.frame().mdiClient()->splashPending());
    ModalDriver driver;
    driver
        .then([](QWidget* w) {
            auto* about = qobject_cast<AboutDialog*>(w);
            ASSERT_NE(about, nullptr);
            EXPECT_EQ(about->windowTitle(), QString::fromUtf8("À propos de Vantorel"));
            const QString credits = about->credits()->text();
            // The pictures' authors are named as their licences ask.
            for (const char* name : {"Stellarium", "Oleg Pluton", "CC BY 4.0", "Hastings-Trew"})
                EXPECT_TRUE(credits.contains(QString::fromUtf8(name))) << name;
            EXPECT_TRUE(credits.contains(QString::fromUtf8("Français : ")));
            about->accept();
        })
        .then([](QWidget* w) {
            EXPECT_EQ(w->windowTitle(), QStringLiteral("REFERENCE -- REFERENCIA"));
            EXPECT_EQ(w->findChildren<QLabel*>().size(), 3);
            ModalDriver::close(w, true);
        });
    started.command(ID_APP_ABOUT);
    // The About box took the start-up picture away.
    EXPECT_FALSE(started.frame().mdiClient()->splashPending());
    started.command(ID_REFERENCE);
    EXPECT_EQ(driver.seen(), (QStringList{"AboutDialog", "ReferenceDialog"}));
}
