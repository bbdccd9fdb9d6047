// Exit ends the program: File > Exit in each language, and the main window's
// own close button, close every window the program opened (the phenomena
// list, the data dialog, the Moon's phase table and Lunar X list) and end the
// event loop.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>

#include "common/commands/CommandIds.h"
#include "moon/ui/MoonView.h"
#include "planets/ui/JupiterViews.h"
#include "planets/ui/PhenomenaList.h"
#include "tests/app/ui/AppFixture.h"

using namespace vantorel;

namespace {

QStringList shownWindows() {
    QStringList shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) shown << (w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName());
    return shown;
}

// Opens a Jupiter window with its phenomena list (and so the data dialog)
// and a Moon window with its phase table and Lunar X list.
void openTheModelessWindows(StartedApp& s) {
    s.command(ID_OPEN_JUPITER);
    auto* jupiter = dynamic_cast<JupiterView*>(s.frame().activeView());
    ASSERT_NE(jupiter, nullptr);
    s.command(ID_PHENOMENON_OR_SATURN_ZOOM_IN);
    ASSERT_NE(jupiter->phenomenaList(), nullptr);
    ASSERT_TRUE(jupiter->phenomenaList()->isVisible());
    s.command(ID_OPEN_MOON);
    ASSERT_NE(dynamic_cast<MoonView*>(s.frame().activeView()), nullptr);
    s.command(ID_MOON_PHASES);
    s.command(ID_LUNAR_X);
    ASSERT_TRUE(s.app->dataDialogShown());
    // The main window, the phenomena list, the data dialog, the phase table
    // and the Lunar X list.
    ASSERT_GE(shownWindows().size(), 5) << shownWindows().join(QLatin1Char(' ')).toStdString();
}

// Runs the event loop with `act` as its first event; the exit code, or -1
// when the loop was still running five seconds later (then ended here, so a
// broken Exit fails the test instead of hanging it).
int runLoopAndDo(const std::function<void()>& act) {
    QTimer::singleShot(0, act);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    guard.start(5000);
    return QApplication::exec();
}

}  // namespace

TEST(Exit, FileExitInEveryLanguageClosesEveryWindowAndEndsTheLoop) {
    const char* texts[3] = {"E&xit", "&Quitter", "&Salir"};
    for (int language = 0; language < 3; ++language) {
        StartedApp s(language);
        ASSERT_TRUE(s.start());
        openTheModelessWindows(s);
        // The Exit item of the File menu now in the menu bar (the Moon's).
        QAction* exit = s.frame().currentAction(ID_APP_EXIT);
        ASSERT_NE(exit, nullptr);
        EXPECT_EQ(exit->text(), QString::fromUtf8(texts[language]));
        const int code = runLoopAndDo([&] {
            s.frame().updateCommandStates();
            exit->trigger();
        });
        EXPECT_EQ(code, 0) << language;
        EXPECT_TRUE(shownWindows().isEmpty()) << shownWindows().join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(s.app->dataDialogShown());
    }
}

TEST(Exit, ClosingTheMainWindowEndsTheProgramToo) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    openTheModelessWindows(s);
    const int code = runLoopAndDo([&] { s.frame().close(); });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(shownWindows().isEmpty()) << shownWindows().join(QLatin1Char(' ')).toStdString();
}

TEST(Exit, AModalDialogAfterAnExitWithoutTheLoopStillRuns) {
    // Without a running loop (a test driving the windows) Exit closes the
    // windows and leaves the toolkit able to run the next dialog's loop.
    {
        StartedApp s(0);
        ASSERT_TRUE(s.start());
        s.command(ID_APP_EXIT);
        EXPECT_TRUE(shownWindows().isEmpty());
    }
    QDialog dialog;
    QTimer::singleShot(0, &dialog, [&] { dialog.done(7); });
    EXPECT_EQ(dialog.exec(), 7);
}
