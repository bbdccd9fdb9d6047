#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QStatusBar>

#include "common/commands/CommandIds.h"
#include "common/ui/ChildView.h"
#include "tests/app/ui/AppFixture.h"

using namespace vantorel;

namespace {

QStringList popupTitles(const MainWindow& f) {
    QStringList t;
    for (QAction* a : f.menuBar()->actions()) t << a->text();
    return t;
}

// Texts and command numbers of one popup, separators as "-".
QStringList items(const QMenu* menu) {
    QStringList t;
    for (QAction* a : menu->actions())
        t << (a->isSeparator() ? QStringLiteral("-")
                               : QStringLiteral("%1 %2").arg(a->data().toInt()).arg(a->text()));
    return t;
}

QMenu* popupTitled(const MainWindow& f, const QString& title) {
    for (QMenu* m : f.currentMenus())
        if (m->title() == title) return m;
    return nullptr;
}

}  // namespace

TEST(MenuWindow, MainMenusInEnglishFrenchAndSpanish) {
    const QStringList expectedTitles[3] = {
        {"&File", "P&references", "&Planet", "&View", "&Help"},
        {"&Fichier", "P&références", "&Planète", "&Affichage", "&?"},
        {"&Archivo", "P&referencias", "&Planeta", "&Ver", "&?"},
    };
    const QStringList expectedPlanet[3] = {
        {"32788 M&oon", "32776 &Mercury", "32777 &Venus", "32778 M&ars", "32779 &Jupiter",
         "32780 &Saturn", "32823 U&ranus", "-", "32771 &Planets' data",
         "32784 J&upiter's satellites"},
        {"32788 &Lune", "32776 &Mercure", "32777 &Vénus", "32778 M&ars", "32779 &Jupiter",
         "32780 &Saturne", "32823 U&ranus", "-", "32771 &Données sur les planètes",
         "32784 Sa&tellites de Jupiter"},
        {"32788 &Luna", "32776 &Mercurio", "32777 &Venus", "32778 M&arte", "32779 &Júpiter",
         "32780 &Saturno", "32823 U&rano", "-", "32771 &Datos de los planetas",
         "32784 Sa&télites de Júpiter"},
    };
    const QStringList expectedPreference[3] = {
        {"32837 &Site...", "32824 &Latitude", "32809 T&ime zone", "32791 &Telescope projection",
         "32815 &Date format", "32799 L&anguage"},
        {"32837 &Site...", "32824 &Latitude", "32809 &Fuseau horaire", "32791 Projection du &télescope",
         "32815 &Affichage de la date", "32799 La&ngue"},
        {"32837 &Sitio...", "32824 &Latitud", "32809 &Huso horario", "32791 &Proyección del telescopio",
         "32815 &Formato de fecha", "32799 L&enguaje"},
    };
    for (int lang = 0; lang < 3; ++lang) {
        SCOPED_TRACE(lang);
        StartedApp started(lang);
        ASSERT_TRUE(started.start());
        MainWindow& f = started.frame();
        EXPECT_EQ(popupTitles(f), expectedTitles[lang]);
        EXPECT_EQ(items(f.currentMenus()[2]), expectedPlanet[lang]);
        EXPECT_EQ(items(f.currentMenus()[1]), expectedPreference[lang]);
        EXPECT_EQ(f.windowTitle(), QStringLiteral("VANTOREL"));
    }
}

TEST(MenuWindow, TheActiveChildsMenuReplacesTheMainMenu) {
    StartedApp started(1);
    ASSERT_TRUE(started.start());
    MainWindow& f = started.frame();
    // Nothing prints yet: the main menu's Print is greyed, Print Setup not.
    f.updateCommandStates();
    EXPECT_FALSE(f.currentAction(ID_FILE_PRINT)->isEnabled());
    EXPECT_TRUE(f.currentAction(ID_FILE_PRINT_SETUP)->isEnabled());
    EXPECT_EQ(f.currentAction(ID_DATE_TIME), nullptr);

    started.command(ID_OPEN_MARS);
    ChildView* mars = f.activeView();
    ASSERT_NE(mars, nullptr);
    EXPECT_EQ(popupTitles(f), (QStringList{"&Fichier", "P&références", "&Planète", "&Affichage",
                                           "Ré&glages", "&Option", "F&enêtre", "&?"}));
    EXPECT_EQ(items(popupTitled(f, "&Fichier")),
              (QStringList{"57607 &Impression...\tCtrl+P", "57608 Imprimer &directement",
                           "57609 Aper\u00e7u a&vant impression",
                           "57606 C&onfiguration de l'impression...", "-",
                           "57604 &Enregistrer l'image sous...", "-", "57665 &Quitter"}));
    EXPECT_EQ(items(popupTitled(f, "Ré&glages")),
              (QStringList{"32781 &Date - Heure", "32774 &Suivi"}));
    EXPECT_EQ(items(popupTitled(f, "&Option")),
              (QStringList{"32775 &Chercher une longitude centrale...", "32804 &Saisons",
                           "32806 Conjonction - &Opposition", "32819 &Zoom  +",
                           "32818 Zoo&m   -"}));
    EXPECT_EQ(items(popupTitled(f, "F&enêtre")),
              (QStringList{"57650 &Cascade", "57651 &Mosaïque", "-", "57602 &Fermer\tCtrl+F4",
                           "57603 Fermer &tout", "-", "57680 &Suivante\tCtrl+Tab",
                           "57681 &Précédente\tCtrl+Shift+Tab"}));
    EXPECT_TRUE(items(popupTitled(f, "&Affichage")).contains("32794 &Dialogue des données"));
    EXPECT_EQ(mars->documentTitle(), QStringLiteral(" Mars"));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("VANTOREL - Mars"));
    f.updateCommandStates();
    EXPECT_TRUE(f.currentAction(ID_DATE_TIME)->isEnabled());
    EXPECT_TRUE(f.currentAction(ID_LATITUDE)->isEnabled());
    EXPECT_TRUE(f.currentAction(ID_DATA_DIALOG)->isEnabled());

    // A sky window brings its own menu, printing included; going back to
    // Mars brings Mars's.
    started.command(ID_OPEN_SKY);
    EXPECT_EQ(items(popupTitled(f, "&Fichier")).first(), QStringLiteral("57607 &Impression...\tCtrl+P"));
    EXPECT_EQ(popupTitled(f, "&Option"), nullptr);
    started.activate(mars);
    EXPECT_NE(popupTitled(f, "&Option"), nullptr);

    // The last window gone, the main menu returns.
    for (ChildView* v : f.views()) started.closeWindow(v);
    EXPECT_EQ(popupTitles(f), (QStringList{"&Fichier", "P&références", "&Planète", "&Affichage", "&?"}));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("VANTOREL"));
}

TEST(MenuWindow, StatusBarItemTogglesWithItsCheckMark) {
    StartedApp started(0);
    ASSERT_TRUE(started.start());
    MainWindow& f = started.frame();
    f.updateCommandStates();
    EXPECT_TRUE(f.currentAction(ID_VIEW_STATUS_BAR)->isChecked());
    started.command(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(f.statusBar()->isVisibleTo(&f));
    f.updateCommandStates();
    EXPECT_FALSE(f.currentAction(ID_VIEW_STATUS_BAR)->isChecked());
    started.command(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(f.statusBar()->isVisibleTo(&f));
}

TEST(MenuWindow, EveryItemOfEveryMenuPromptsInTheStatusBarInItsLanguage) {
    for (int lang = 0; lang < 3; ++lang) {
        SCOPED_TRACE(lang);
        StartedApp started(lang);
        ASSERT_TRUE(started.start());
        MainWindow& f = started.frame();
        QSet<QString> prompts;
        const auto check = [&] {
            for (QMenu* menu : f.currentMenus())
                for (QAction* a : menu->actions()) {
                    if (a->isSeparator()) continue;
                    EXPECT_FALSE(a->statusTip().isEmpty()) << a->text().toStdString();
                    prompts.insert(a->statusTip());
                }
        };
        check();
        for (int id : {ID_OPEN_MARS, ID_OPEN_MOON, ID_OPEN_JUPITER, ID_OPEN_SATURN, ID_OPEN_URANUS,
                       ID_OPEN_VENUS, ID_OPEN_SKY}) {
            started.command(id);
            check();
        }
        // One sentence per kind of command: the zooms share theirs, nothing
        // else does.
        EXPECT_EQ(prompts.size(), 49);
        // Highlighting an item of the menu bar's popups shows its prompt.
        QAction* dateTime = f.currentAction(ID_DATE_TIME);
        ASSERT_NE(dateTime, nullptr);
        dateTime->showStatusText(f.menuBar());
        EXPECT_EQ(f.statusBar()->currentMessage(), dateTime->statusTip());
        const char* expected[3] = {"Set the date and time of this window",
                                   "Régler la date et l'heure de cette fenêtre",
                                   "Ajustar la fecha y la hora de esta ventana"};
        EXPECT_EQ(dateTime->statusTip(), QString::fromUtf8(expected[lang]));
    }
}
