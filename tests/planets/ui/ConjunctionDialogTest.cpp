// The phenomena dialog: its lines in every date format and language, its
// texts, and the command that opens it from each planet window.
#include <QLabel>

#include <gtest/gtest.h>

#include "common/commands/CommandIds.h"
#include "engine/DateTime.h"
#include "planets/ui/ConjunctionDialog.h"
#include "sky/ConjunctionSearch.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/support/ModalDriver.h"

using namespace vantorel;

namespace {

DateTime startOf(int year, int month, int day, int zoneHours = 0) {
    DateTime dt;
    dt.setLocal(year, month, day, 0, 0, zoneHours, 0);
    dt.computeDate();
    return dt;
}

QStringList listed(QWidget* w) {
    QStringList lines;
    auto* dialog = qobject_cast<ConjunctionDialog*>(w);
    if (!dialog) return lines;
    for (int i = 0; i < dialog->list()->count(); ++i) lines << dialog->list()->item(i)->text();
    return lines;
}

}  // namespace

TEST(ConjunctionDialog, ListsTheSearchLinesInEveryDateFormatAndLanguage) {
    // The handbook's inferior conjunction of Mercury, 1993 November 6.1449 TD.
    const DateTime dt = startOf(1993, 10, 1);
    const char* dates[4] = {"1993/11/06", "1993/06/11", "06/11/1993", "11/06/1993"};
    for (int format = 0; format < 4; ++format) {
        const QStringList lines = ConjunctionDialog::searchLines(dt, kPhenomenaMercury, 0, format);
        ASSERT_EQ(lines.size(), 4);
        // In date order: the eastern elongation of 14 October comes first.
        EXPECT_EQ(lines[1], QString::fromUtf8(dates[format]) +
                                QStringLiteral("   03h    Inferior conjunction"));
    }
    const char* names[3][4] = {
        {"Greatest elongation East", "Inferior conjunction", "Greatest elongation West",
         "Superior conjunction"},
        {"Plus grande \u00e9longation Est", "Conjonction inf\u00e9rieure",
         "Plus grande \u00e9longation Ouest", "Conjonction sup\u00e9rieure"},
        {"M\u00e1xima elongaci\u00f3n Este", "Conjunci\u00f3n inferior",
         "M\u00e1xima elongaci\u00f3n Oeste", "Conjunci\u00f3n superior"},
    };
    for (int language = 0; language < 3; ++language) {
        const QStringList lines = ConjunctionDialog::searchLines(dt, kPhenomenaMercury, language, 2);
        ASSERT_EQ(lines.size(), 4);
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(lines[i].contains(QString::fromUtf8(names[language][i])))
                << lines[i].toStdString();
        // The elongations carry their angle.
        EXPECT_TRUE(lines[2].endsWith(QStringLiteral("(19.8\u00b0)"))) << lines[2].toStdString();
    }
    // Mars lists its opposition, then its conjunction.
    const QStringList mars = ConjunctionDialog::searchLines(startOf(2024, 1, 15, 1), kPhenomenaMars, 1, 0);
    ASSERT_EQ(mars.size(), 2);
    EXPECT_TRUE(mars[0].startsWith(QStringLiteral("2025/01/16"))) << mars[0].toStdString();
    EXPECT_TRUE(mars[0].endsWith(QStringLiteral("Opposition")));
    EXPECT_TRUE(mars[1].endsWith(QStringLiteral("Conjonction")));
    // Anything that is not a planet's first row lists nothing.
    EXPECT_TRUE(ConjunctionDialog::searchLines(dt, 5, 0, 0).isEmpty());
    EXPECT_TRUE(ConjunctionDialog::searchLines(dt, -3, 0, 0).isEmpty());
}

TEST(ConjunctionDialog, TitleAndHeadingsInTheThreeLanguages) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    const char* titles[3] = {"Phenomena", "Ph\u00e9nom\u00e8ne", "Fen\u00f3menos"};
    const char* headings[3] = {"Date/Time", "Date/Heure", "Fecha/Hora"};
    const QStringList lines{QStringLiteral("first"), QStringLiteral("second")};
    for (int language = 0; language < 3; ++language) {
        ConjunctionDialog dialog(language, lines);
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(titles[language]));
        EXPECT_EQ(dialog.dateHeading()->text(), QString::fromUtf8(headings[language]));
        EXPECT_EQ(dialog.eventHeading()->text(), QString::fromUtf8(titles[language]));
        ASSERT_EQ(dialog.list()->count(), 2);
        EXPECT_EQ(dialog.list()->item(0)->text(), lines[0]);
        EXPECT_EQ(dialog.list()->item(1)->text(), lines[1]);
        // The event heading starts over the event names of the lines.
        dialog.show();
        QCoreApplication::processEvents();
        const QFontMetrics fm(dialog.list()->font());
        EXPECT_GE(dialog.eventHeading()->x(), fm.horizontalAdvance(QString(20, QLatin1Char('0'))));
        // The longest line fits the list without a scroll bar.
        EXPECT_GE(dialog.list()->viewport()->width(),
                  fm.horizontalAdvance(QString::fromUtf8("01/02/2024   03h    M\u00e1xima "
                                                       "elongaci\u00f3n Oeste  (47.0\u00b0)")));
    }
}

TEST(ConjunctionDialog, EveryPlanetWindowOpensItWithItsPlanetsEvents) {
    StartedApp s(2);
    ASSERT_TRUE(s.start());
    struct Case {
        int open;
        int command;
        int lines;
        const char* event;  // one of the planet's kinds, listed once
    };
    const Case cases[] = {
        {ID_OPEN_MERCURY, ID_CONJUNCTION, 4, "Conjunci\u00f3n inferior"},
        {ID_OPEN_VENUS, ID_CONJUNCTION, 4, "Conjunci\u00f3n inferior"},
        {ID_OPEN_MARS, ID_CONJUNCTION_OPPOSITION, 2, "Oposici\u00f3n"},
        {ID_OPEN_JUPITER, ID_CONJUNCTION_OPPOSITION, 2, "Oposici\u00f3n"},
        {ID_OPEN_JUPITER_SATELLITES, ID_CONJUNCTION_OPPOSITION, 2, "Oposici\u00f3n"},
        {ID_OPEN_SATURN, ID_CONJUNCTION_OPPOSITION, 2, "Oposici\u00f3n"},
    };
    QStringList previousFirst;
    for (const Case& c : cases) {
        s.command(c.open);
        s.frame().updateCommandStates();
        QAction* action = s.frame().currentAction(c.command);
        ASSERT_NE(action, nullptr) << c.open;
        EXPECT_TRUE(action->isEnabled()) << c.open;
        QStringList lines;
        QString title;
        ModalDriver driver;
        driver.then([&](QWidget* w) {
            lines = listed(w);
            title = w->windowTitle();
            ModalDriver::close(w, true);
        });
        s.command(c.command);
        EXPECT_TRUE(driver.finished()) << c.open;
        EXPECT_EQ(title, QStringLiteral("Fen\u00f3menos"));
        ASSERT_EQ(lines.size(), c.lines) << c.open;
        EXPECT_EQ(lines.filter(QString::fromUtf8(c.event)).size(), 1) << lines.join('|').toStdString();
        // Each planet has its own dates (the two Jupiter windows share one).
        if (c.open != ID_OPEN_JUPITER_SATELLITES) {
            EXPECT_NE(lines, previousFirst);
        }
        previousFirst = lines;
    }
}
