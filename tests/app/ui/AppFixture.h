#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QMdiSubWindow>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "app/ui/Application.h"
#include "app/ui/DocumentTypeRegistry.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MdiArea.h"
#include "common/settings/SettingsFile.h"
#include "engine/Clock.h"
#include "tests/app/ui/PlaceholderView.h"
#include "tests/support/TempWorkingDir.h"

// A started program in a fresh working directory. With a language the
// settings file is written first, so the start asks nothing.
struct StartedApp {
    TempWorkingDir wd;
    std::unique_ptr<vantorel::Application> app;

    explicit StartedApp(int language = 0, const std::string& extraKeys = "") {
        if (language >= 0) {
            std::ofstream("vantorel.ini")
                << "[Vantorel]\nLangue=" << language
                << "\nDATE=0\nDisplayWarning=1\nFuseauH=1\nFuseauM=0\nLatituded=45\nLatitudem=0\n"
                << extraKeys;
        }
        app = std::make_unique<vantorel::Application>(std::make_unique<vantorel::FixedClock>(
            vantorel::LocalClockReading{2024, 1, 15, 21, 30, 0}));
    }
    ~StartedApp() { app.reset(); }

    bool start() { return app->initInstance(); }
    // Opens windows of this kind with the placeholder view, which counts its
    // computations and keeps a plain date: the tests of the frame's own
    // behaviour need such a window whatever views exist.
    void usePlaceholder(vantorel::DocTypeId id) {
        app->registry().setViewFactory(
            id, [id](const vantorel::ViewContext& c) { return new vantorel::PlaceholderView(c, id); });
    }
    vantorel::MainWindow& frame() { return *app->mainFrame(); }

    // Runs a command the way the menu does.
    void command(int id) {
        QAction* action = frame().currentAction(id);
        if (action) {
            frame().updateCommandStates();
            action->trigger();
        } else {
            frame().onCommand(id);
        }
    }
    void closeWindow(QWidget* view) {
        auto* sub = qobject_cast<QMdiSubWindow*>(view->parentWidget());
        sub->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    void activate(QWidget* view) {
        frame().mdiClient()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(view->parentWidget()));
    }
};

// The settings file in use: the working directory's when the test wrote one,
// else the user's.
inline std::string readSettingsText() {
    std::ifstream in(vantorel::SettingsFile::settingsPath());
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}
