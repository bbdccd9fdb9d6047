// Vantorel: the desktop program.
#include <QApplication>

#include <cstdio>

#include "app/ui/Application.h"
#include "common/settings/StartOptions.h"

int main(int argc, char** argv) {
    // Before Qt: --help and --version must work without a display.
    const vantorel::StartOptions options =
        vantorel::parseStartOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (options.action != vantorel::StartOptions::Action::Run) {
        std::fputs(options.text.c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantorel"));
    QApplication::setApplicationVersion(QStringLiteral(VANTOREL_VERSION));
    vantorel::Application app;
    if (!app.initInstance()) return 1;
    return QApplication::exec();
}
