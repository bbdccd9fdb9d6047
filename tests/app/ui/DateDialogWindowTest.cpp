#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/CommandIds.h"
#include "app/DateTimeCommand.h"
#include "app/ui/CPlaceholderView.h"
#include "app/ui/DateSel.h"
#include "sky/ui/CHelioView.h"
#include "planets/ui/CVantorelView.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/support/ModalDriver.h"

using namespace vantorel;

namespace {

CPlaceholderView* placeholder(CChildView* v) { return qobject_cast<CPlaceholderView*>(v); }

DateSel* dateSel(QWidget* w) {
    auto* d = qobject_cast<DateSel*>(w);
    EXPECT_NE(d, nullptr);
    return d;
}

void type(DateSel* d, DateSel::Control c, const QString& text) { d->field(c)->setEditText(text); }

bool focusOn(DateSel* d, DateSel::Control c) {
    QWidget* focus = d->focusWidget();
    return focus && (focus == d->field(c) || d->field(c)->isAncestorOf(focus));
}

}  // namespace

TEST(DateDialogWindow, ThirtyFirstOfFebruaryIsRefusedAndThePreviousDateKept) {
    StartedApp started(0);
    ASSERT_TRUE(started.start());
    started.usePlaceholder(DocTypeId::Saturn);
    // A window kind that still opens the placeholder view.
    started.command(ID_OPEN_SATURN);
    CPlaceholderView* mars = placeholder(started.frame().activeView());
    ASSERT_NE(mars, nullptr);
    const DateEntry before = dateEntryOf(mars->date(), false);
    EXPECT_EQ(before, (DateEntry{15, 1, 2024, 21, 30, false}));

    ModalDriver driver;
    driver
        .then([](QWidget* w) {
            DateSel* d = dateSel(w);
            EXPECT_EQ(d->windowTitle(), QStringLiteral("Date - Time"));
            EXPECT_EQ(d->field(DateSel::kDay)->currentText(), QStringLiteral("15"));
            EXPECT_EQ(d->field(DateSel::kHour)->currentText(), QStringLiteral("21"));
            d->field(DateSel::kMonth)->setCurrentIndex(1);
            // The February list stops at 28; 31 is typed all the same.
            EXPECT_EQ(d->field(DateSel::kDay)->count(), 28);
            type(d, DateSel::kDay, "31");
            d->accept();
        })
        .accept()  // the message
        .then([](QWidget* w) {
            DateSel* d = dateSel(w);
            EXPECT_EQ(d->entry(), (DateEntry{15, 1, 2024, 21, 30, false}));
            EXPECT_TRUE(focusOn(d, DateSel::kDay));
            d->reject();
        });
    started.command(ID_DATE_TIME);
    EXPECT_EQ(driver.seen(), (QStringList{"DateSel", "message: The day is not valid.", "DateSel"}));
    EXPECT_EQ(dateEntryOf(mars->date(), false), before);
    EXPECT_EQ(mars->computeCount(), 1);
}

TEST(DateDialogWindow, YearAfter2050IsRefusedWithTheFocusOnTheYear) {
    StartedApp started(2);
    ASSERT_TRUE(started.start());
    started.usePlaceholder(DocTypeId::Jupiter);
    started.command(ID_OPEN_JUPITER);
    CPlaceholderView* venus = placeholder(started.frame().activeView());
    ASSERT_NE(venus, nullptr);
    ModalDriver driver;
    driver
        .then([](QWidget* w) {
            DateSel* d = dateSel(w);
            type(d, DateSel::kYear, "2051");
            d->accept();
        })
        .accept()
        .then([](QWidget* w) {
            DateSel* d = dateSel(w);
            EXPECT_TRUE(focusOn(d, DateSel::kYear));
            EXPECT_EQ(d->field(DateSel::kYear)->currentText(), QStringLiteral("2024"));
            d->reject();
        });
    started.command(ID_DATE_TIME);
    EXPECT_EQ(driver.seen(),
              (QStringList{"DateSel", QString::fromUtf8("message: Toma del año inválido (1985 - 2050)."),
                           "DateSel"}));
    EXPECT_EQ(venus->date().localYear, 2024);
}

TEST(DateDialogWindow, UnchangedValuesAreNotAChangeAndANewDateIs) {
    StartedApp started(0);
    ASSERT_TRUE(started.start());
    started.usePlaceholder(DocTypeId::Saturn);
    started.command(ID_OPEN_SATURN);
    CPlaceholderView* saturn = placeholder(started.frame().activeView());
    {
        ModalDriver driver;
        driver.accept();
        started.command(ID_DATE_TIME);
        EXPECT_EQ(saturn->computeCount(), 1);
    }

    ModalDriver change;
    change.then([](QWidget* w) {
        DateSel* d = dateSel(w);
        d->field(DateSel::kMinute)->setCurrentIndex(45);
        d->accept();
    });
    started.command(ID_DATE_TIME);
    EXPECT_EQ(saturn->computeCount(), 2);
    EXPECT_EQ(saturn->date().localMinute, 45);
    EXPECT_EQ(started.frame().paneText(8), QStringLiteral("Time: 21: 45"));
}

TEST(DateDialogWindow, AllWindowsSetsTheCommonDateForEveryChild) {
    StartedApp started(1);
    ASSERT_TRUE(started.start());
    started.usePlaceholder(DocTypeId::Saturn);
    started.usePlaceholder(DocTypeId::Jupiter);
    CMainFrame& f = started.frame();
    started.command(ID_OPEN_SATURN);
    CChildView* saturn = f.activeView();
    started.command(ID_OPEN_JUPITER);
    started.command(ID_OPEN_HELIOCENTRIC);
    started.command(ID_OPEN_DATA_TABLE);
    CChildView* table = f.activeView();
    ASSERT_NE(qobject_cast<CVantorelView*>(table), nullptr);

    {
        // The data table's dialog cannot share its date.
        ModalDriver greyed;
        greyed.then([](QWidget* w) {
            EXPECT_FALSE(dateSel(w)->allWindowsBox()->isEnabled());
            ModalDriver::close(w, false);
        });
        started.command(ID_DATE_TIME);
        EXPECT_TRUE(greyed.finished());
    }

    started.activate(saturn);
    ModalDriver driver;
    driver.then([](QWidget* w) {
        DateSel* d = dateSel(w);
        EXPECT_TRUE(d->allWindowsBox()->isEnabled());
        EXPECT_FALSE(d->allWindowsBox()->isChecked());
        type(d, DateSel::kYear, "1999");
        d->field(DateSel::kMonth)->setCurrentIndex(7);
        d->field(DateSel::kDay)->setCurrentIndex(10);
        d->allWindowsBox()->setChecked(true);
        d->accept();
    });
    started.command(ID_DATE_TIME);
    EXPECT_TRUE(started.app->settings().useCommonDate);
    EXPECT_EQ(dateEntryOf(started.app->settings().commonDate, false),
              (DateEntry{11, 8, 1999, 21, 30, false}));
    for (CChildView* v : f.views()) {
        const int expectedYear = v == table ? 2024 : 1999;
        const auto* helio = qobject_cast<CHelioView*>(v);
        const auto* tableView = qobject_cast<CVantorelView*>(v);
        const double year = helio ? helio->document().dateTime.localYear
                            : tableView ? const_cast<CVantorelView*>(tableView)->document().dt.localYear
                                        : placeholder(v)->date().localYear;
        EXPECT_EQ(year, expectedYear) << v->documentTitle().toStdString();
    }
    // A window opened now starts at the common date.
    started.command(ID_OPEN_SATURN);
    EXPECT_EQ(dateEntryOf(placeholder(f.activeView())->date(), false),
              (DateEntry{11, 8, 1999, 21, 30, false}));
}

TEST(DateDialogWindow, MonthChangeRebuildsTheDaysAndCurrentTimeReadsTheClock) {
    FixedClock clock({2035, 2, 27, 6, 7, 0});
    DateSel d(0, DateEntry{31, 1, 2000, 10, 20, false}, true, 0, clock);
    EXPECT_EQ(d.field(DateSel::kDay)->count(), 31);
    d.field(DateSel::kMonth)->setCurrentIndex(1);
    EXPECT_EQ(d.field(DateSel::kDay)->count(), 28);
    EXPECT_EQ(d.field(DateSel::kDay)->currentText(), QStringLiteral("1"));
    d.field(DateSel::kMonth)->setCurrentIndex(3);
    EXPECT_EQ(d.field(DateSel::kDay)->count(), 30);
    EXPECT_EQ(d.field(DateSel::kDay)->currentText(), QStringLiteral("1"));

    // 2035 is not in the year list: the year is left empty.
    d.selectCurrentTime();
    EXPECT_EQ(d.entry(), (DateEntry{27, 2, 0, 6, 7, false}));
    EXPECT_EQ(d.field(DateSel::kYear)->currentIndex(), -1);
    clock.set({2029, 12, 31, 23, 59, 0});
    d.selectCurrentTime();
    EXPECT_EQ(d.entry(), (DateEntry{31, 12, 2029, 23, 59, false}));

    // Spanish captions, the year with a single colon.
    DateSel es(2, DateEntry{1, 1, 2000, 0, 0, false}, false, 0, clock);
    EXPECT_EQ(es.windowTitle(), QStringLiteral("Fecha - Hora"));
    bool found = false;
    for (QLabel* l : es.findChildren<QLabel*>()) found = found || l->text() == QString::fromUtf8("Año:");
    EXPECT_TRUE(found);
}
