// Vantorel: the desktop program.
#include <QApplication>
#include <QMainWindow>

#include "app/Settings.h"
#include "app/SettingsFile.h"
#include "engine/Clock.h"
#include "engine/DATE_TIME.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vantorel::Settings settings;
    vantorel::SettingsFile::readSettings(settings);

    // Today's record in the zone of the settings; the body windows take theirs
    // the same way.
    vantorel::DATE_TIME today;
    vantorel::setFromClock(today, vantorel::SystemClock());
    today.zoneHours = settings.zoneHours;
    today.zoneMinutes = settings.zoneMinutes;
    today.computeDate();
    today.computeNutation();

    QMainWindow window;
    window.setWindowTitle("VANTOREL");
    window.resize(800, 600);
    window.show();
    return app.exec();
}
