// The Seasons command of the Mars window: the period dialog with its checks in
// order and the focus on the faulty field, at most ten years, and the one
// modeless list refilled in place.
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include <gtest/gtest.h>

#include "common/commands/CommandIds.h"
#include "planets/ui/MarsSeasonDialog.h"
#include "planets/ui/MarsSeasonList.h"
#include "planets/ui/PlanetViews.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/support/ModalDriver.h"

using namespace vantorel;

namespace {

MarsSeasonDialog* period(QWidget* w) {
    auto* d = qobject_cast<MarsSeasonDialog*>(w);
    EXPECT_NE(d, nullptr) << (w ? w->metaObject()->className() : "none");
    return d;
}

ModalDriver::Step enter(const char* start, const char* years) {
    return [=](QWidget* w) {
        if (MarsSeasonDialog* d = period(w)) {
            d->startYearEdit()->setText(QString::fromUtf8(start));
            d->yearsEdit()->setText(QString::fromUtf8(years));
            d->accept();
        }
    };
}

ModalDriver::Step expectFocusOn(bool onYears, std::vector<bool>& focused) {
    return [&focused, onYears](QWidget* w) {
        if (MarsSeasonDialog* d = period(w)) {
            QWidget* expected = onYears ? static_cast<QWidget*>(d->yearsEdit()) : d->startYearEdit();
            focused.push_back(d->focusWidget() == expected);
            d->reject();
        }
    };
}

}  // namespace

TEST(SeasonsWindow, ChecksInOrderWithTheFocusOnTheFaultyField) {
    StartedApp s(1);
    ASSERT_TRUE(s.start());
    s.command(ID_OPEN_MARS);
    std::vector<bool> focused;
    struct Case {
        const char* start;
        const char* years;
        const char* message;
        bool focusYears;
    };
    const Case cases[] = {
        {"1989", "1", "L'ann\u00e9e entr\u00e9e n'est pas valide. (1990 - 2050) ", false},
        {"2051", "1", "L'ann\u00e9e entr\u00e9e n'est pas valide. (1990 - 2050) ", false},
        // Both wrong: only the year is reported.
        {"1989", "0", "L'ann\u00e9e entr\u00e9e n'est pas valide. (1990 - 2050) ", false},
        {"deux", "1", "L'ann\u00e9e entr\u00e9e n'est pas valide. (1990 - 2050) ", false},
        {"2000", "0", "La p\u00e9riode entr\u00e9e n'est pas valide. (1 - 10) ", true},
        {"2000", "11", "La p\u00e9riode entr\u00e9e n'est pas valide. (1 - 10) ", true},
        {"2000", "99999999999", "La p\u00e9riode entr\u00e9e n'est pas valide. (1 - 10) ", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " " + c.years);
        ModalDriver driver;
        driver
            .then([&](QWidget* w) {
                // The dialog opens on the window's year and one year.
                if (MarsSeasonDialog* d = period(w)) {
                    EXPECT_EQ(d->startYearEdit()->text(), QStringLiteral("2024"));
                    EXPECT_EQ(d->yearsEdit()->text(), QStringLiteral("1"));
                    EXPECT_EQ(d->windowTitle(), QStringLiteral("Saisons de Mars"));
                }
                enter(c.start, c.years)(w);
            })
            .accept()
            .then(expectFocusOn(c.focusYears, focused));
        s.command(ID_SEASONS);
        EXPECT_TRUE(driver.finished());
        ASSERT_EQ(driver.seen().size(), 3);
        EXPECT_EQ(driver.seen()[1], QStringLiteral("message: ") + QString::fromUtf8(c.message));
        ASSERT_FALSE(focused.empty());
        EXPECT_TRUE(focused.back());
        // A refused entry opens the dialog again with what was typed.
    }
    // Refusals alone open no list.
    EXPECT_EQ(MarsSeasonList::current(), nullptr);
}

TEST(SeasonsWindow, TenYearsAcceptedAndTheListRefilledInPlace) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    s.command(ID_OPEN_MARS);
    auto* mars = qobject_cast<MarsView*>(s.frame().activeView());
    ASSERT_NE(mars, nullptr);
    const double marsRa = mars->document().body().ra;
    {
        ModalDriver driver;
        driver.then(enter("2000", "1"));
        s.command(ID_SEASONS);
        EXPECT_TRUE(driver.finished());
        EXPECT_EQ(driver.unexpected(), 0);
    }
    MarsSeasonList* list = MarsSeasonList::current();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    EXPECT_FALSE(list->isModal());
    EXPECT_EQ(list->windowTitle(), QStringLiteral("Martian seasons"));
    EXPECT_EQ(list->seasonHeading()->text(), QStringLiteral("Season"));
    // 2000 and 2001: a little over one Martian year, every line in those years.
    const QStringList first = list->lines();
    ASSERT_GE(first.size(), 4);
    for (const QString& line : first)
        EXPECT_TRUE(line.startsWith(QStringLiteral("2000/")) || line.startsWith(QStringLiteral("2001/")))
            << line.toStdString();
    EXPECT_EQ(list->list()->count(), first.size());
    // The window's own planet is left at the window's date.
    EXPECT_DOUBLE_EQ(mars->document().body().ra, marsRa);

    // Ten years: accepted, the same window refilled.
    {
        ModalDriver driver;
        driver.then(enter("2040", "10"));
        s.command(ID_SEASONS);
        EXPECT_TRUE(driver.finished());
        EXPECT_EQ(driver.unexpected(), 0);
    }
    EXPECT_EQ(MarsSeasonList::current(), list);
    const QStringList ten = list->lines();
    EXPECT_GE(ten.size(), 20);
    EXPECT_LE(ten.size(), 30);
    EXPECT_TRUE(ten.front().startsWith(QStringLiteral("2040/")));
    EXPECT_TRUE(ten.back().startsWith(QStringLiteral("2050/"))) << ten.back().toStdString();
    EXPECT_EQ(list->list()->count(), ten.size());
    EXPECT_EQ(list->list()->item(0)->text(), ten.front());

    // Closed, then asked again: the same one window shows again.
    list->close();
    {
        ModalDriver driver;
        driver.then(enter("2024", "2"));
        s.command(ID_SEASONS);
        EXPECT_TRUE(driver.finished());
    }
    EXPECT_EQ(MarsSeasonList::current(), list);
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(list->lines().front().startsWith(QStringLiteral("2024/")));

    // The window goes with the Mars window that owns it.
    s.closeWindow(mars);
    EXPECT_EQ(MarsSeasonList::current(), nullptr);
}

TEST(SeasonsWindow, OpensTenPixelsFromTheScreensRightEdge) {
    EXPECT_EQ(MarsSeasonList::placement(1920, 300), QPoint(1610, 435));
    EXPECT_EQ(MarsSeasonList::placement(200, 300), QPoint(0, 435));
}
