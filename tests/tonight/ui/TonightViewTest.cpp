// The Tonight window driven offscreen: opened from the View menu at the
// clock's night, following the common date, the site and the zone, printing
// its timeline and lists, and exporting the nights to a calendar file.
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "common/commands/CommandIds.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/support/ModalDriver.h"
#include "tonight/paint/NightTimeline.h"
#include "tonight/ui/CalendarExportDialog.h"
#include "tonight/ui/TonightView.h"

using namespace vantorel;

namespace {

TonightView* openTonight(StartedApp& s) {
    s.command(ID_OPEN_TONIGHT);
    return qobject_cast<TonightView*>(s.frame().activeView());
}

// The section titles (spanning the row, in the first column) and the rows' texts.
QStringList listTexts(const TonightView& view) {
    QStringList texts;
    for (int i = 0; i < view.list()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = view.list()->topLevelItem(i);
        texts << (item->isFirstColumnSpanned() ? item->text(0) : item->text(1));
    }
    return texts;
}

bool listHas(const TonightView& view, const QString& part) {
    for (const QString& t : listTexts(view))
        if (t.contains(part)) return true;
    return false;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(TonightView, OpensFromTheViewMenuAtTheClocksNight) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    // Every menu's View popup offers it.
    s.frame().updateCommandStates();
    ASSERT_NE(s.frame().currentAction(ID_OPEN_TONIGHT), nullptr);
    TonightView* view = openTonight(s);
    ASSERT_NE(view, nullptr);
    const NightPlan& plan = view->document().plan();
    EXPECT_EQ(plan.request.year, 2024);
    EXPECT_EQ(plan.request.month, 1);
    EXPECT_EQ(plan.request.day, 15);
    EXPECT_DOUBLE_EQ(plan.request.site.latitudeDeg, 45.0);
    EXPECT_EQ(view->documentTitle(), QStringLiteral("Tonight -- 2024/01/15"));
    const QStringList texts = listTexts(*view);
    for (const char* section : {"The Sun", "The Moon", "The planets", "Within three days"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(section))) << section;
    EXPECT_TRUE(listHas(*view, QStringLiteral("End of astronomical twilight")));
    EXPECT_TRUE(listHas(*view, QStringLiteral("Jupiter: observable")));
    // The timeline: a night sky in the middle of its plot, day at its ends.
    const QImage timeline = view->timelinePicture();
    const QPoint middle(timeline.width() / 2 + 40, 30);
    EXPECT_LT(qGray(timeline.pixel(middle)), 40);
    s.frame().updateCommandStates();
    EXPECT_TRUE(s.frame().currentAction(ID_EXPORT_CALENDAR)->isEnabled());
    EXPECT_TRUE(s.frame().currentAction(ID_FILE_PRINT)->isEnabled());
}

TEST(TonightView, FollowsTheCommonDateTheSiteAndTheZone) {
    StartedApp s(1);
    ASSERT_TRUE(s.start());
    TonightView* view = openTonight(s);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(listTexts(*view).contains(QStringLiteral("Le Soleil")));

    // A morning date belongs to the night that began the evening before.
    s.app->settings().commonDate.setLocal(2024, 6, 21, 10, 0, 1, 0);
    s.app->settings().useCommonDate = true;
    s.frame().sendToAllChildren(WM_RECOMPUTE_DATE);
    EXPECT_EQ(view->document().plan().request.day, 20);
    EXPECT_EQ(view->documentTitle(), QStringLiteral("Cette nuit -- 2024/06/20"));

    // Far north, the Sun no longer sets.
    s.app->settings().latitude = 69.65f;
    s.app->settings().longitude = 18.96;
    view->onSettingsChanged();
    EXPECT_TRUE(listHas(*view, QStringLiteral("Le Soleil ne se couche pas")));
    EXPECT_FALSE(view->document().plan().sun.set);

    // A new zone moves every clock time by as much.
    const double set = *view->document().plan().moon.track.transit;
    s.app->settings().zoneHours = 3;
    s.frame().sendToAllChildren(WM_RECOMPUTE_ZONE);
    EXPECT_EQ(view->document().plan().searchOffsetMinutes, 180);
    EXPECT_NEAR(*view->document().plan().moon.track.transit, set, 0.1);
}

TEST(TonightView, PrintsTheTimelineAboveTheLists) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    TonightView* view = openTonight(s);
    ASSERT_NE(view, nullptr);
    const PrintJob job = view->printJob();
    ASSERT_TRUE(job.paint);
    QImage page(1240, 1754, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        job.paint(painter, page.rect());
    }
    // The night sky near the top, the lines of the lists below it.
    int darkTop = 0, textRows = 0;
    bool inText = false;
    for (int y = 0; y < page.height(); ++y) {
        int dark = 0;
        for (int x = 0; x < page.width(); x += 2) dark += qGray(page.pixel(x, y)) < 60;
        if (y < 400) darkTop = std::max(darkTop, dark);
        const bool text = y > 450 && dark > 0;
        if (text && !inText) ++textRows;
        inText = text;
    }
    EXPECT_GT(darkTop, 200);
    EXPECT_GT(textRows, 30);
}

TEST(TonightView, ExportsTheNightsToACalendarFileAndKeepsAnExistingOne) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    TonightView* view = openTonight(s);
    ASSERT_NE(view, nullptr);
    const std::string path = s.wd.file("nights.ics").string();
    QWidget* exportDialog = nullptr;
    {
        ModalDriver driver;
        driver
            .then([&](QWidget* w) {
                auto* d = qobject_cast<CalendarExportDialog*>(w);
                ASSERT_NE(d, nullptr);
                d->nights()->setValue(3);
                d->file()->setText(QString::fromStdString(path));
                // Later, outside the driver's step: the export opens windows of its own.
                QTimer::singleShot(0, d, [d] { d->accept(); });
            })
            .accept();  // "N events written to ..."
        s.command(ID_EXPORT_CALENDAR);
        EXPECT_TRUE(driver.finished());
        ASSERT_EQ(driver.seen().size(), 2);
        EXPECT_TRUE(driver.seen()[1].contains(QStringLiteral("events written to"))) << driver.seen()[1].toStdString();
    }
    const std::string written = readAll(path);
    EXPECT_EQ(written.rfind("BEGIN:VCALENDAR", 0), 0u);
    EXPECT_NE(written.find("BEGIN:VEVENT"), std::string::npos);

    // The same file again: asked first, and kept when the answer is no.
    ModalDriver again;
    again
        .then([&](QWidget* w) {
            exportDialog = w;
            auto* d = qobject_cast<CalendarExportDialog*>(w);
            ASSERT_NE(d, nullptr);
            d->file()->setText(QString::fromStdString(path));
            d->nights()->setValue(1);
            QTimer::singleShot(0, d, [d] { d->accept(); });
        })
        .then([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            box->done(QMessageBox::No);
            QTimer::singleShot(0, exportDialog, [&] { qobject_cast<QDialog*>(exportDialog)->reject(); });
        });
    s.command(ID_EXPORT_CALENDAR);
    EXPECT_TRUE(again.finished());
    EXPECT_EQ(readAll(path), written);
}
