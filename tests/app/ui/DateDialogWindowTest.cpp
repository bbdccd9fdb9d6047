#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QApplication>
#include <QTest>

#include "common/commands/CommandIds.h"
#include "common/settings/DateTimeCommand.h"
#include "common/ui/DateTimeDialog.h"
#include "planets/ui/DataTableView.h"
#include "sky/ui/HeliocentricView.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/app/ui/PlaceholderView.h"
#include "tests/support/ModalDriver.h"

using namespace vantorel;

namespace {

PlaceholderView* placeholder(ChildView* v) { return qobject_cast<PlaceholderView*>(v); }

DateTimeDialog* dateSel(QWidget* w) {
    auto* d = qobject_cast<DateTimeDialog*>(w);
    EXPECT_NE(d, nullptr);
    return d;
}

void type(DateTimeDialog* d, DateTimeDialog::Control c, const QString& text) { d->field(c)->setEditText(text); }

bool focusOn(DateTimeDialog* d, DateTimeDialog::Control c) {
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
    PlaceholderView* mars = placeholder(started.frame().activeView());
    ASSERT_NE(mars, nullptr);
    const DateEntry before = dateEntryOf(mars->date(), false);
    EXPECT_EQ(before, (DateEntry{15, 1, 2024, 21, 30, false}));

    ModalDriver driver;
    driver
        .then([](QWidget* w) {
            DateTimeDialog* d = dateSel(w);
            EXPECT_EQ(d->windowTitle(), QStringLiteral("Date - Time"));
            EXPECT_EQ(d->field(DateTimeDialog::kDay)->currentText(), QStringLiteral("15"));
            EXPECT_EQ(d->field(DateTimeDialog::kHour)->currentText(), QStringLiteral("21"));
            d->field(DateTimeDialog::kMonth)->setCurrentIndex(1);
            // The February list stops at 28; 31 is typed all the same.
            EXPECT_EQ(d->field(DateTimeDialog::kDay)->count(), 28);
            type(d, DateTimeDialog::kDay, "31");
            d->accept();
        })
        .accept()  // the message
        .then([](QWidget* w) {
            DateTimeDialog* d = dateSel(w);
            EXPECT_EQ(d->entry(), (DateEntry{15, 1, 2024, 21, 30, false}));
            EXPECT_TRUE(focusOn(d, DateTimeDialog::kDay));
            d->reject();
        });
    started.command(ID_DATE_TIME);
    EXPECT_EQ(driver.seen(), (QStringList{"DateTimeDialog", "message: The day is not valid.", "DateTimeDialog"}));
    EXPECT_EQ(dateEntryOf(mars->date(), false), before);
    EXPECT_EQ(mars->computeCount(), 1);
}

TEST(DateDialogWindow, YearAfter2050IsRefusedWithTheFocusOnTheYear) {
    StartedApp started(2);
    ASSERT_TRUE(started.start());
    started.usePlaceholder(DocTypeId::Jupiter);
    started.command(ID_OPEN_JUPITER);
    PlaceholderView* venus = placeholder(started.frame().activeView());
    ASSERT_NE(venus, nullptr);
    ModalDriver driver;
    driver
        .then([](QWidget* w) {
            DateTimeDialog* d = dateSel(w);
            type(d, DateTimeDialog::kYear, "2051");
            d->accept();
        })
        .accept()
        .then([](QWidget* w) {
            DateTimeDialog* d = dateSel(w);
            EXPECT_TRUE(focusOn(d, DateTimeDialog::kYear));
            EXPECT_EQ(d->field(DateTimeDialog::kYear)->currentText(), QStringLiteral("2024"));
            d->reject();
        });
    started.command(ID_DATE_TIME);
    EXPECT_EQ(driver.seen(),
              (QStringList{"DateTimeDialog", QString::fromUtf8("message: Año inválido (1985 - 2050)."),
                           "DateTimeDialog"}));
    EXPECT_EQ(venus->date().localYear, 2024);
}

TEST(DateDialogWindow, UnchangedValuesAreNotAChangeAndANewDateIs) {
    StartedApp started(0);
    ASSERT_TRUE(started.start());
    started.usePlaceholder(DocTypeId::Saturn);
    started.command(ID_OPEN_SATURN);
    PlaceholderView* saturn = placeholder(started.frame().activeView());
    {
        ModalDriver driver;
        driver.accept();
        started.command(ID_DATE_TIME);
        EXPECT_EQ(saturn->computeCount(), 1);
    }

    ModalDriver change;
    change.then([](QWidget* w) {
        DateTimeDialog* d = dateSel(w);
        d->field(DateTimeDialog::kMinute)->setCurrentIndex(45);
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
    MainWindow& f = started.frame();
    started.command(ID_OPEN_SATURN);
    ChildView* saturn = f.activeView();
    started.command(ID_OPEN_JUPITER);
    started.command(ID_OPEN_HELIOCENTRIC);
    started.command(ID_OPEN_DATA_TABLE);
    ChildView* table = f.activeView();
    ASSERT_NE(qobject_cast<DataTableView*>(table), nullptr);

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
        DateTimeDialog* d = dateSel(w);
        EXPECT_TRUE(d->allWindowsBox()->isEnabled());
        EXPECT_FALSE(d->allWindowsBox()->isChecked());
        type(d, DateTimeDialog::kYear, "1999");
        d->field(DateTimeDialog::kMonth)->setCurrentIndex(7);
        d->field(DateTimeDialog::kDay)->setCurrentIndex(10);
        d->allWindowsBox()->setChecked(true);
        d->accept();
    });
    started.command(ID_DATE_TIME);
    EXPECT_TRUE(started.app->settings().useCommonDate);
    EXPECT_EQ(dateEntryOf(started.app->settings().commonDate, false),
              (DateEntry{11, 8, 1999, 21, 30, false}));
    for (ChildView* v : f.views()) {
        const int expectedYear = v == table ? 2024 : 1999;
        const auto* helio = qobject_cast<HeliocentricView*>(v);
        const auto* tableView = qobject_cast<DataTableView*>(v);
        const double year = helio ? helio->document().dateTime.localYear
                            : tableView ? const_cast<DataTableView*>(tableView)->document().dt.localYear
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
    DateTimeDialog d(0, DateEntry{31, 1, 2000, 10, 20, false}, true, 0, clock);
    EXPECT_EQ(d.field(DateTimeDialog::kDay)->count(), 31);
    d.field(DateTimeDialog::kMonth)->setCurrentIndex(1);
    // The day list follows the month but the day shown stays the day.
    EXPECT_EQ(d.field(DateTimeDialog::kDay)->count(), 28);
    EXPECT_EQ(d.field(DateTimeDialog::kDay)->currentText(), QStringLiteral("31"));
    d.field(DateTimeDialog::kMonth)->setCurrentIndex(3);
    EXPECT_EQ(d.field(DateTimeDialog::kDay)->count(), 30);
    EXPECT_EQ(d.field(DateTimeDialog::kDay)->currentText(), QStringLiteral("31"));

    // The year list holds every year the program computes, no more.
    QComboBox* years = d.field(DateTimeDialog::kYear);
    EXPECT_EQ(years->itemText(0), QStringLiteral("1985"));
    EXPECT_EQ(years->itemText(years->count() - 1), QStringLiteral("2050"));
    // 2035 is listed; 2061 is not, so the year is left empty.
    d.selectCurrentTime();
    EXPECT_EQ(d.entry(), (DateEntry{27, 2, 2035, 6, 7, false}));
    clock.set({2061, 2, 27, 6, 7, 0});
    d.selectCurrentTime();
    EXPECT_EQ(d.entry(), (DateEntry{27, 2, 0, 6, 7, false}));
    EXPECT_EQ(d.field(DateTimeDialog::kYear)->currentIndex(), -1);
    clock.set({2029, 12, 31, 23, 59, 0});
    d.selectCurrentTime();
    EXPECT_EQ(d.entry(), (DateEntry{31, 12, 2029, 23, 59, false}));

    // Spanish captions, the year with a single colon.
    DateTimeDialog es(2, DateEntry{1, 1, 2000, 0, 0, false}, false, 0, clock);
    EXPECT_EQ(es.windowTitle(), QStringLiteral("Fecha - Hora"));
    bool found = false;
    for (QLabel* l : es.findChildren<QLabel*>()) found = found || l->text() == QString::fromUtf8("Año:");
    EXPECT_TRUE(found);
}

namespace {

// Types into a field as a user does: select what it shows, type the keys,
// then leave the field with Tab so the list takes the typed entry.
void typeAsUser(DateTimeDialog& d, DateTimeDialog::Control c, const char* keys) {
    QComboBox* field = d.field(c);
    field->setFocus(Qt::TabFocusReason);
    field->lineEdit()->selectAll();
    QTest::keyClicks(field->lineEdit(), QString::fromLatin1(keys));
    QTest::keyClick(field->lineEdit(), Qt::Key_Tab);
}

DateEntry typedThenRead(const DateEntry& start, const char* day, const char* month, const char* year) {
    FixedClock clock({2024, 1, 1, 0, 0, 0});
    DateTimeDialog d(0, start, true, 0, clock);
    d.show();
    QApplication::setActiveWindow(&d);
    typeAsUser(d, DateTimeDialog::kDay, day);
    typeAsUser(d, DateTimeDialog::kMonth, month);
    if (year) typeAsUser(d, DateTimeDialog::kYear, year);
    return d.entry();
}

}  // namespace

// Whatever order the fields are typed in, the dialog hands on exactly what
// the user typed; the check on OK alone refuses an impossible day.
TEST(DateDialogWindow, TypedDayIsNeverReplacedWhenTheMonthChanges) {
    // From a February date, 31/12/2024 is 31/12/2024 (not the 1st).
    EXPECT_EQ(typedThenRead(DateEntry{10, 2, 2024, 20, 0, false}, "31", "12", "2024"),
              (DateEntry{31, 12, 2024, 20, 0, false}));
    // From 15/10, 31/2 stays 31/2 so that OK refuses it.
    EXPECT_EQ(typedThenRead(DateEntry{15, 10, 2024, 20, 0, false}, "31", "2", nullptr),
              (DateEntry{31, 2, 2024, 20, 0, false}));
    // From 10/04, 31/05 is 31/05 (not the 10th).
    EXPECT_EQ(typedThenRead(DateEntry{10, 4, 2024, 20, 0, false}, "31", "5", nullptr),
              (DateEntry{31, 5, 2024, 20, 0, false}));
    // The month typed first, then the day.
    FixedClock clock({2024, 1, 1, 0, 0, 0});
    DateTimeDialog d(0, DateEntry{10, 4, 2024, 20, 0, false}, true, 0, clock);
    d.show();
    QApplication::setActiveWindow(&d);
    typeAsUser(d, DateTimeDialog::kMonth, "12");
    EXPECT_EQ(d.field(DateTimeDialog::kDay)->count(), 31);
    typeAsUser(d, DateTimeDialog::kDay, "31");
    EXPECT_EQ(d.entry(), (DateEntry{31, 12, 2024, 20, 0, false}));
}

TEST(DateDialogWindow, ThirtyFirstOfFebruaryTypedByKeysIsRefusedWithItsMessage) {
    StartedApp started(1);
    ASSERT_TRUE(started.start());
    started.usePlaceholder(DocTypeId::Saturn);
    started.command(ID_OPEN_SATURN);
    PlaceholderView* view = placeholder(started.frame().activeView());
    ASSERT_NE(view, nullptr);
    const DateEntry before = dateEntryOf(view->date(), false);
    ModalDriver driver;
    driver
        .then([](QWidget* w) {
            DateTimeDialog* d = dateSel(w);
            EXPECT_FALSE(d->allWindowsBox()->isChecked());
            typeAsUser(*d, DateTimeDialog::kDay, "31");
            typeAsUser(*d, DateTimeDialog::kMonth, "2");
            d->accept();
        })
        .accept()
        .then([](QWidget* w) { dateSel(w)->reject(); });
    started.command(ID_DATE_TIME);
    EXPECT_EQ(driver.seen(), (QStringList{"DateTimeDialog", QString::fromUtf8("message: Le jour entré n'est pas valide."),
                                          "DateTimeDialog"}));
    EXPECT_EQ(dateEntryOf(view->date(), false), before);
}
