// Every dialog of the program in the three languages: no text is cut, no
// title is wider than its window, so nothing reads "Set th... scope".
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>

#include <gtest/gtest.h>

#include <string>

#include "app/ui/DataDialog.h"
#include "common/commands/CommandIds.h"
#include "common/ui/TitleWidthFitter.h"
#include "moon/ui/LunarXList.h"
#include "moon/ui/MoonPhaseTable.h"
#include "moon/ui/MoonView.h"
#include "planets/ui/SatelliteInfoDialog.h"
#include "satellites/SatelliteInfoRecord.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/support/ModalDriver.h"

using namespace vantorel;

namespace {

// Whether each text of the window gets at least the width its font needs,
// and the window the width its title needs.
void expectEverythingFits(QWidget* window, const std::string& what) {
    ASSERT_NE(window, nullptr) << what;
    QApplication::processEvents();
    const std::string name = what + " " + window->objectName().toStdString();
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty()) continue;
        if (label->wordWrap()) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                << name << ": " << label->text().toStdString();
        } else {
            EXPECT_GE(label->width(), label->sizeHint().width())
                << name << ": " << label->text().toStdString();
        }
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(window) || button->text().isEmpty()) continue;
        EXPECT_GE(button->width(), button->sizeHint().width())
            << name << ": " << button->text().toStdString();
    }
    for (QGroupBox* group : window->findChildren<QGroupBox*>()) {
        if (!group->isVisibleTo(window) || group->title().isEmpty()) continue;
        EXPECT_GE(group->width(), group->minimumSizeHint().width())
            << name << ": " << group->title().toStdString();
    }
    EXPECT_GE(window->width(), titleWidthNeeded(window->windowTitle()))
        << name << ": " << window->windowTitle().toStdString();
}

// Opens a modal dialog by its command, checks it and closes it.
void checkModal(StartedApp& s, int command, const std::string& what) {
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        expectEverythingFits(w, what);
        ModalDriver::close(w, false);
    });
    s.command(command);
    EXPECT_TRUE(driver.finished()) << what;
}

}  // namespace

TEST(DialogFit, EveryDialogShowsItsTextsWholeInEachLanguage) {
    for (int language = 0; language <= 2; ++language) {
        StartedApp s(language);
        ASSERT_TRUE(s.start());
        const std::string lang = "language " + std::to_string(language) + ":";
        for (int command : {ID_LATITUDE, ID_TIME_ZONE, ID_PROJECTION, ID_DATE_SETTING, ID_LANGUAGE,
                            ID_APP_ABOUT, ID_REFERENCE})
            checkModal(s, command, lang + " command " + std::to_string(command));

        s.command(ID_OPEN_MARS);
        for (int command : {ID_DATE_TIME, ID_FIND_CENTRAL_LONGITUDE})
            checkModal(s, command, lang + " Mars command " + std::to_string(command));
        // The data panel with Mars's figures, its season among them.
        expectEverythingFits(s.app->dataDialog(), lang + " data dialog, Mars");

        s.command(ID_OPEN_MOON);
        s.frame().activeView()->grab();
        expectEverythingFits(s.app->dataDialog(), lang + " data dialog, Moon");
        s.command(ID_MOON_PHASES);
        expectEverythingFits(MoonView::phaseTable(), lang + " phase table");
        s.command(ID_LUNAR_X);
        expectEverythingFits(MoonView::lunarXList(), lang + " Lunar X list");
        for (QWidget* w : {static_cast<QWidget*>(MoonView::phaseTable()),
                           static_cast<QWidget*>(MoonView::lunarXList())})
            if (w) w->close();

        SatelliteInfoDialog info(satelliteInfo(SatelliteFamily::Saturn, 0), language);
        info.show();
        expectEverythingFits(&info, lang + " satellite information");
    }
}
