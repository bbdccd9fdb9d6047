// The phenomena generator window: its texts and defaults, the refusals in
// order and in each language, a whole year generated while the window keeps
// answering, the read-only refusal of a second year and a cancelled run that
// leaves nothing.
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <filesystem>
#include <memory>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "common/commands/CommandIds.h"
#include "satellites/ui/PhenomenaGeneratorDialog.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/support/ModalDriver.h"

using namespace vantorel;
namespace fs = std::filesystem;

namespace {

PhenomenaGeneratorDialog* openGenerator(StartedApp& s) {
    s.command(ID_JUPITER_SATELLITES_GENERATOR);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* g = qobject_cast<PhenomenaGeneratorDialog*>(w); g && g->isVisible()) return g;
    return nullptr;
}

// Waits for the run to end, the event loop turning meanwhile.
bool waitForEnd(PhenomenaGeneratorDialog* g, int seconds = 240) {
    if (!g->running()) return true;
    QEventLoop loop;
    QObject::connect(g, &PhenomenaGeneratorDialog::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    return !g->running();
}

// The message the Start button gives, or empty.
QString startAndReadMessage(PhenomenaGeneratorDialog* g) {
    ModalDriver driver;
    driver.accept();
    g->startButton()->click();
    return driver.seen().isEmpty() ? QString() : driver.seen()[0];
}

}  // namespace

TEST(SatPhenSet, SpanishTexts) {
    StartedApp s(2);
    ASSERT_TRUE(s.start());
    PhenomenaGeneratorDialog* g = openGenerator(s);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->windowTitle(), QString::fromUtf8("Satélites de Júpiter (fenómenos geocéntricos)"));
    EXPECT_EQ(g->controlText(1134), QStringLiteral("Tipo de archivo de salida"));
    g->close();
}

TEST(SatPhenSet, TextsDefaultsAndOneWindowOnly) {
    StartedApp s(1);
    ASSERT_TRUE(s.start());
    PhenomenaGeneratorDialog* g = openGenerator(s);
    ASSERT_NE(g, nullptr);
    EXPECT_FALSE(g->isModal());
    EXPECT_EQ(g->windowTitle(), QStringLiteral("Satellites de Jupiter (ph\u00e9nom\u00e8nes g\u00e9ocentriques)"));
    EXPECT_EQ(g->controlText(1121), QStringLiteral("Date de d\u00e9part"));
    EXPECT_EQ(g->controlText(1136), QStringLiteral("Fichier utilis\u00e9 avec Vantorel."));
    EXPECT_EQ(g->controlText(1), QStringLiteral("Lancer"));
    EXPECT_EQ(g->controlText(2), QStringLiteral("Sortir"));
    // Today, the default name, one day, a text file.
    EXPECT_EQ(g->edit(1000)->text(), QStringLiteral("15"));
    EXPECT_EQ(g->edit(1001)->text(), QStringLiteral("1"));
    EXPECT_EQ(g->edit(1002)->text(), QStringLiteral("2024"));
    EXPECT_EQ(g->edit(1127)->text(), QStringLiteral("JupSat.txt"));
    EXPECT_EQ(g->edit(1133)->text(), QStringLiteral("1"));
    EXPECT_TRUE(g->radio(1129)->isChecked());
    EXPECT_TRUE(g->radio(1135)->isChecked());
    EXPECT_FALSE(g->cancelButton()->isEnabled());
    // The command again only brings the same window forward.
    EXPECT_EQ(openGenerator(s), g);
    int generators = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) generators += qobject_cast<PhenomenaGeneratorDialog*>(w) != nullptr;
    EXPECT_EQ(generators, 1);
}

TEST(SatPhenSet, RefusalsInOrderAndInEachLanguage) {
    const char* dayLimit[3] = {"The longest period in days is 60",
                               "La p\u00e9riode maximale en jours est 60",
                               "El per\u00edodo m\u00e1ximo en d\u00edas es 60"};
    const char* monthLimit[3] = {"The longest period in months is 11",
                                 "La p\u00e9riode maximale en mois est 11",
                                 "El per\u00edodo m\u00e1ximo en meses es 11"};
    const char* yearLimit[3] = {"The longest period in years is 1",
                                "La p\u00e9riode maximale en ann\u00e9es est 1",
                                "El per\u00edodo m\u00e1ximo en a\u00f1os es 1"};
    const char* yearRefused[3] = {"The year is not valid.", "L'ann\u00e9e entr\u00e9e n'est pas valide.",
                                  "A\u00f1o inv\u00e1lido."};
    for (int lang = 0; lang < 3; ++lang) {
        StartedApp s(lang);
        ASSERT_TRUE(s.start());
        PhenomenaGeneratorDialog* g = openGenerator(s);
        ASSERT_NE(g, nullptr);
        const auto message = [](const char* text) {
            return QStringLiteral("message: ") + QString::fromUtf8(text);
        };
        g->edit(1133)->setText(QStringLiteral("61"));
        EXPECT_EQ(startAndReadMessage(g), message(dayLimit[lang])) << lang;
        g->radio(1130)->setChecked(true);
        g->edit(1133)->setText(QStringLiteral("12"));
        EXPECT_EQ(startAndReadMessage(g), message(monthLimit[lang])) << lang;
        g->radio(1131)->setChecked(true);
        g->edit(1133)->setText(QStringLiteral("2"));
        EXPECT_EQ(startAndReadMessage(g), message(yearLimit[lang])) << lang;
        // The date is checked before the count.
        g->edit(1002)->setText(QStringLiteral("1984"));
        EXPECT_EQ(startAndReadMessage(g), message(yearRefused[lang])) << lang;
        g->edit(1002)->setText(QStringLiteral("two thousand"));
        EXPECT_EQ(startAndReadMessage(g), message(yearRefused[lang])) << lang;
        EXPECT_FALSE(g->running());
        EXPECT_FALSE(fs::exists("JupSat.txt"));
    }
}

TEST(SatPhenSet, YearlyFileOnceBarsReachTheirEndsThenTheReadOnlyRefusal) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    PhenomenaGeneratorDialog* g = openGenerator(s);
    ASSERT_NE(g, nullptr);
    g->edit(1002)->setText(QStringLiteral("2031"));
    g->radio(1136)->setChecked(true);
    int periodMax = 0, dayMax = 0, periodMoves = 0;
    QObject::connect(g->bar(1138), &QProgressBar::valueChanged, [&](int v) {
        periodMax = std::max(periodMax, v);
        ++periodMoves;
    });
    QObject::connect(g->bar(1140), &QProgressBar::valueChanged, [&](int v) { dayMax = std::max(dayMax, v); });
    // At the end the window says what it wrote and where.
    auto written = std::make_unique<ModalDriver>();
    written->accept();
    g->startButton()->click();
    EXPECT_TRUE(g->running());
    EXPECT_FALSE(g->startButton()->isEnabled());
    EXPECT_TRUE(g->cancelButton()->isEnabled());
    ASSERT_TRUE(waitForEnd(g));
    EXPECT_TRUE(g->lastResult().ok) << g->lastResult().message;
    ASSERT_EQ(written->seen().size(), 1);
    EXPECT_EQ(written->seen()[0],
              QStringLiteral("message: The phenomena of 2031 were written to\n%1\n(%2 rows).")
                  .arg(QString::fromStdString(fs::absolute("j2031.sat").string()))
                  .arg(g->lastResult().rows));
    written.reset();
    EXPECT_EQ(g->bar(1138)->maximum(), 366);
    EXPECT_EQ(periodMax, 366);
    EXPECT_EQ(dayMax, 24);
    EXPECT_GT(periodMoves, 10);  // it advanced during the run, not only at the end
    EXPECT_EQ(g->bar(1138)->value(), 0);
    EXPECT_TRUE(fs::exists("j2031.sat"));

    // The same year again: refused, the file untouched.
    const auto size = fs::file_size("j2031.sat");
    g->startButton()->click();
    ModalDriver driver;
    driver.accept();
    ASSERT_TRUE(waitForEnd(g));
    QCoreApplication::processEvents();
    EXPECT_FALSE(g->lastResult().ok);
    ASSERT_EQ(driver.seen().size(), 1);
    EXPECT_EQ(driver.seen()[0], QStringLiteral("message: The file j2031.sat  exists and Vantorel uses it. "
                                               "It cannot be overwritten."));
    EXPECT_EQ(fs::file_size("j2031.sat"), size);
}

TEST(SatPhenSet, CancelLeavesNoFileAndTheWindowGoesOn) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    PhenomenaGeneratorDialog* g = openGenerator(s);
    ASSERT_NE(g, nullptr);
    g->edit(1002)->setText(QStringLiteral("2032"));
    g->radio(1136)->setChecked(true);
    g->startButton()->click();
    ASSERT_TRUE(g->running());
    // Let a few days go by, then cancel.
    QEventLoop loop;
    QObject::connect(g->bar(1138), &QProgressBar::valueChanged, &loop, [&](int v) {
        if (v >= 3) loop.quit();
    });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    g->cancelButton()->click();
    ASSERT_TRUE(waitForEnd(g));
    EXPECT_TRUE(g->lastResult().cancelled);
    EXPECT_TRUE(g->startButton()->isEnabled());
    int files = 0;
    for (const auto& e : fs::directory_iterator(s.wd.path()))
        files += e.path().filename().string().rfind("j2032", 0) == 0;
    EXPECT_EQ(files, 0);

    // A listing of a few days from the same window then runs to its end.
    g->radio(1135)->setChecked(true);
    g->edit(1133)->setText(QStringLiteral("2"));
    ModalDriver written;
    written.accept();
    g->startButton()->click();
    ASSERT_TRUE(waitForEnd(g));
    EXPECT_TRUE(g->lastResult().ok) << g->lastResult().message;
    EXPECT_TRUE(fs::exists("JupSat.txt"));
    EXPECT_EQ(written.seen().size(), 1);
}

TEST(SatPhenSet, AsksBeforeReplacingAListingAndSaysWhatItWroteInEachLanguage) {
    const char* yes[3] = {"Yes", "Oui", "S\u00ed"};
    const char* no[3] = {"No", "Non", "No"};
    const char* question[3] = {"The file mine.txt already exists.\nReplace it?",
                               "Le fichier mine.txt existe d\u00e9j\u00e0.\nLe remplacer ?",
                               "El archivo mine.txt ya existe.\n\u00bfReemplazarlo?"};
    const char* written[3] = {"The phenomena from 2026/12/08 to 2026/12/09 were written to\n%1\n(%2 lines).",
                              "Les ph\u00e9nom\u00e8nes du 2026/12/08 au 2026/12/09 ont \u00e9t\u00e9 "
                              "\u00e9crits dans\n%1\n(%2 lignes).",
                              "Los fen\u00f3menos del 2026/12/08 al 2026/12/09 se escribieron en\n%1\n"
                              "(%2 l\u00edneas)."};
    for (int lang = 0; lang < 3; ++lang) {
        StartedApp s(lang);
        ASSERT_TRUE(s.start());
        PhenomenaGeneratorDialog* g = openGenerator(s);
        ASSERT_NE(g, nullptr);
        std::ofstream("mine.txt") << "my own notes\n";
        g->edit(1000)->setText(QStringLiteral("8"));
        g->edit(1001)->setText(QStringLiteral("12"));
        g->edit(1002)->setText(QStringLiteral("2026"));
        g->edit(1127)->setText(QStringLiteral("mine.txt"));
        g->edit(1133)->setText(QStringLiteral("2"));
        // No keeps the file and runs nothing.
        QStringList buttons;
        auto refuse = std::make_unique<ModalDriver>();
        refuse->then([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* b : box->buttons()) buttons << b->text();
            box->button(QMessageBox::No)->click();
        });
        g->startButton()->click();
        EXPECT_TRUE(refuse->finished());
        ASSERT_EQ(refuse->seen().size(), 1);
        EXPECT_EQ(refuse->seen()[0], QStringLiteral("message: ") + QString::fromUtf8(question[lang]));
        refuse.reset();
        EXPECT_TRUE(buttons.contains(QString::fromUtf8(yes[lang]))) << buttons.join('|').toStdString();
        EXPECT_TRUE(buttons.contains(QString::fromUtf8(no[lang]))) << buttons.join('|').toStdString();
        EXPECT_FALSE(g->running());
        std::ifstream kept("mine.txt");
        std::string line;
        std::getline(kept, line);
        EXPECT_EQ(line, "my own notes");

        // Yes replaces it, and the end says what was written, over which
        // days and where.
        ModalDriver replace;
        replace.then([](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click(); })
            .accept();
        g->startButton()->click();
        ASSERT_TRUE(waitForEnd(g));
        QCoreApplication::processEvents();
        ASSERT_TRUE(g->lastResult().ok) << g->lastResult().message;
        ASSERT_EQ(replace.seen().size(), 2);
        EXPECT_EQ(replace.seen()[1], QStringLiteral("message: ") +
                                         QString::fromUtf8(written[lang])
                                             .arg(QString::fromStdString(fs::absolute("mine.txt").string()))
                                             .arg(g->lastResult().rows));
        std::ifstream replaced("mine.txt");
        std::getline(replaced, line);
        EXPECT_NE(line, "my own notes");
    }
}

TEST(SatPhenSet, ShowsTheDaysARunCoversBeforeItStarts) {
    // A month starts on the 1st and a year on 1 January, whatever the day:
    // the window says so before anything is written.
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    PhenomenaGeneratorDialog* g = openGenerator(s);
    ASSERT_NE(g, nullptr);
    g->edit(1000)->setText(QStringLiteral("8"));
    g->edit(1001)->setText(QStringLiteral("12"));
    g->edit(1002)->setText(QStringLiteral("2026"));
    g->edit(1133)->setText(QStringLiteral("3"));
    EXPECT_EQ(g->controlText(1141), QStringLiteral("Period: 2026/12/08 to 2026/12/10"));
    g->radio(1130)->setChecked(true);
    g->edit(1133)->setText(QStringLiteral("2"));
    EXPECT_EQ(g->controlText(1141), QStringLiteral("Period: 2026/12/01 to 2027/01/31"));
    g->radio(1131)->setChecked(true);
    g->edit(1133)->setText(QStringLiteral("1"));
    EXPECT_EQ(g->controlText(1141), QStringLiteral("Period: 2026/01/01 to 2026/12/31"));
    // The yearly file covers its year whatever the unit says.
    g->radio(1129)->setChecked(true);
    g->radio(1136)->setChecked(true);
    EXPECT_EQ(g->controlText(1141), QStringLiteral("Period: 2026/01/01 to 2026/12/31"));
    // A refused entry shows no period.
    g->edit(1002)->setText(QStringLiteral("1984"));
    EXPECT_TRUE(g->controlText(1141).isEmpty());
}
