// Vantorel: the desktop program.
#include <QApplication>

#include "app/ui/CVantorelApp.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantorel"));
    vantorel::CVantorelApp app;
    if (!app.initInstance()) return 1;
    return QApplication::exec();
}
