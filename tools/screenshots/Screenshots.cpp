// Writes the pictures of the user guide: the main window at start, the date
// dialog, the Site and time zone dialogs, the latitude and longitude dialog, a Mars window
// with its data dialog, its phenomena and seasons, the sky chart, the heliocentric view,
// the all-planets table, the Tonight window and the Window menu, taken offscreen with
// QWidget::grab at a fixed date so they can be refreshed at will.
//   vantorel-screenshots <output directory>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdlib>
#include <fstream>
#include <iostream>

#include "app/ui/Application.h"
#include "app/ui/DataDialog.h"
#include "app/ui/LatitudeLongitudeDialog.h"
#include "app/ui/MainWindow.h"
#include "app/ui/SiteDialog.h"
#include "app/ui/TimeZoneDialog.h"
#include "common/commands/CommandIds.h"
#include "common/files/Paths.h"
#include "common/site/CityCatalogue.h"
#include "common/site/ZoneNameList.h"
#include "common/settings/DateTimeCommand.h"
#include "common/ui/DateTimeDialog.h"
#include "engine/Mars.h"
#include "planets/ui/ConjunctionDialog.h"
#include "planets/ui/MarsSeasonList.h"
#include "sky/ConjunctionSearch.h"
#include "sky/MarsSeasonSearch.h"

using namespace vantorel;

namespace {

bool save(QWidget* w, const QString& dir, const QString& name) {
    QApplication::processEvents();
    const QString path = QDir(dir).filePath(name);
    if (!w->grab().save(path)) {
        std::cerr << "cannot write " << path.toStdString() << "\n";
        return false;
    }
    std::cout << path.toStdString() << "\n";
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication qapp(argc, argv);
    const QString out = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"))
                            .absolutePath();
    QDir().mkpath(out);

    // A settings file of its own, so nothing is asked and nothing of the
    // user's is touched.
    QTemporaryDir work;
    // The satellite records of the repository, read through the working
    // directory's data/ as the program reads them.
    const QString records = QDir::current().absoluteFilePath(QStringLiteral("data"));
    if (!work.isValid() || !QDir::setCurrent(work.path())) return 1;
    QFile::link(records, QStringLiteral("data"));
    std::ofstream("vantorel.ini") << "[Vantorel]\nLangue=0\nDATE=0\nDisplayWarning=1\n"
                                     "FuseauH=1\nFuseauM=0\nLatituded=45\nLatitudem=0\n";
    const LocalClockReading when{2024, 3, 15, 21, 30, 0};
    Application app(std::make_unique<FixedClock>(when));
    if (!app.initInstance()) return 1;
    MainWindow* frame = app.mainFrame();
    frame->showNormal();
    frame->resize(900, 620);
    frame->showSplash();
    bool ok = save(frame, out, QStringLiteral("main-window.png"));

    FixedClock clock(when);
    DateTimeDialog date(0, DateEntry{15, 3, 2024, 21, 30, false}, true, 0, clock);
    date.show();
    ok = save(&date, out, QStringLiteral("date-dialog.png")) && ok;
    date.hide();

    // The Site dialog as "cordoba" is typed: the cities of that name, most
    // populous first, accents ignored.
    const CityCatalogue cities = CityCatalogue::load(Paths::dataFile(CityCatalogue::kFileName));
    SiteDialog cityPick(0, cities, CityCatalogue::kFileName);
    cityPick.searchField()->setText(QStringLiteral("cordoba"));
    cityPick.show();
    ok = save(&cityPick, out, QStringLiteral("site-dialog.png")) && ok;
    cityPick.hide();

    // The time zone dialog with Paris's named zone.
    const ZoneNameList zones = ZoneNameList::load(Paths::zoneListFiles());
    TimeZoneDialog zoneDialog(0, ZoneChoice{1, false, "Europe/Paris"}, zones);
    zoneDialog.searchField()->setText(QStringLiteral("europe/pa"));
    zoneDialog.show();
    ok = save(&zoneDialog, out, QStringLiteral("timezone-dialog.png")) && ok;
    zoneDialog.hide();

    // The latitude and longitude dialog with Paris: 48°52' N, 2°21' E.
    LatitudeLongitudeDialog site(0, LatitudeEntry{48, 52, false, LongitudeEntry{2, 21, false}},
                  LatitudeCheck::Valid);
    site.show();
    ok = save(&site, out, QStringLiteral("latlong-dialog.png")) && ok;
    site.hide();

    // A Mars window: its disc, the status bar and the data dialog filled.
    frame->openWindow(DocTypeId::Mars);
    frame->activeView()->parentWidget()->resize(340, 340);
    QApplication::processEvents();
    ok = save(frame, out, QStringLiteral("mars-window.png")) && ok;
    ok = save(app.dataDialog(), out, QStringLiteral("data-dialog.png")) && ok;

    // A Saturn window with its rings and moons.
    frame->openWindow(DocTypeId::Saturn);
    frame->activeView()->parentWidget()->resize(480, 340);
    QApplication::processEvents();
    ok = save(frame, out, QStringLiteral("saturn-window.png")) && ok;

    // The sky chart with the repository's catalogues, and the heliocentric
    // view.
    frame->resize(1000, 700);
    frame->openWindow(DocTypeId::Sky);
    QApplication::processEvents();
    ok = save(frame, out, QStringLiteral("sky-window.png")) && ok;
    frame->openWindow(DocTypeId::Heliocentric);
    QApplication::processEvents();
    ok = save(frame->activeView()->parentWidget(), out, QStringLiteral("helio-window.png")) && ok;
    // The next phenomena of Mars from that date, and the seasons of Mars
    // over 2024 and 2025.
    DateTime marsDate;
    marsDate.setLocal(when.year, when.month, when.day, when.hour, when.minute, 1, 0);
    ConjunctionDialog phenomena(0, ConjunctionDialog::searchLines(marsDate, kPhenomenaMars, 0, 0));
    phenomena.show();
    ok = save(&phenomena, out, QStringLiteral("conjunction-dialog.png")) && ok;
    phenomena.hide();
    Mars mars;
    DateTime seasonStart;
    seasonStart.setLocal(2024, 1, 1, 0, 0, 1, 0);
    MarsSeasonSearchResult seasons;
    searchMarsSeasons(mars, seasonStart, 2025, 0, 0, seasons);
    QStringList seasonLines;
    for (int i = 0; i < seasons.count; ++i) seasonLines << QString::fromUtf8(seasons.lines[i]);
    MarsSeasonList* list = MarsSeasonList::showLines(frame->activeView(), 0, seasonLines);
    ok = save(list, out, QStringLiteral("seasons-list.png")) && ok;
    list->hide();

    // The all-planets table at the same date.
    frame->openWindow(DocTypeId::DataTable);
    QApplication::processEvents();
    ok = save(frame->activeView()->parentWidget(), out, QStringLiteral("data-table.png")) && ok;

    // The Tonight window: the night's timeline above its lists.
    frame->openWindow(DocTypeId::Tonight);
    frame->activeView()->parentWidget()->resize(860, 640);
    QApplication::processEvents();
    ok = save(frame->activeView()->parentWidget(), out, QStringLiteral("tonight-window.png")) && ok;
    // The Window menu over the tiled windows: its commands and the list of
    // the open windows, the active one checked.
    frame->onCommand(ID_WINDOW_TILE);
    QApplication::processEvents();
    for (QMenu* menu : frame->currentMenus()) {
        if (menu->title() != QStringLiteral("&Window")) continue;
        menu->popup(frame->mapToGlobal(QPoint(300, 30)));
        QApplication::processEvents();
        ok = save(menu, out, QStringLiteral("window-menu.png")) && ok;
        menu->hide();
    }
    return ok ? 0 : 1;
}
