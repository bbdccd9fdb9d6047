#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "common/commands/DocumentTypes.h"
#include "common/commands/MenuTable.h"

using namespace vantorel;

namespace {

std::vector<std::string> titles(MenuKind kind, int language) {
    std::vector<std::string> t;
    for (const MenuPopup& p : menuLayout(kind)) t.push_back(p.title(language));
    return t;
}

std::vector<int> ids(const MenuPopup& p) {
    std::vector<int> v;
    for (const MenuItem& i : p.items) v.push_back(i.id);
    return v;
}

const MenuPopup& popupAt(const std::vector<MenuPopup>& menu, size_t i) { return menu.at(i); }

}  // namespace

TEST(MenuTable, MainMenuHasFivePopupsInEachLanguage) {
    using V = std::vector<std::string>;
    EXPECT_EQ(titles(MenuKind::Main, 0), (V{"&File", "P&references", "&Planet", "&View", "&Help"}));
    EXPECT_EQ(titles(MenuKind::Main, 1),
              (V{"&Fichier", "P&références", "&Planète", "&Affichage", "&?"}));
    EXPECT_EQ(titles(MenuKind::Main, 2), (V{"&Archivo", "P&referencias", "&Planeta", "&Ver", "&?"}));
    EXPECT_EQ(titles(MenuKind::Mars, 1),
              (V{"&Fichier", "P&références", "&Planète", "&Affichage", "Ré&glages", "&Option",
                 "F&enêtre", "&?"}));
    EXPECT_EQ(titles(MenuKind::Moon, 2),
              (V{"&Archivo", "P&referencias", "&Planeta", "&Ver", "A&justes", "&Opción",
                 "V&entana", "&?"}));
}

TEST(MenuTable, CommandTextsInTheThreeLanguages) {
    struct Row {
        int id;
        const char* en;
        const char* fr;
        const char* es;
    };
    const Row rows[] = {
        {57607, "&Print...\tCtrl+P", "&Impression...\tCtrl+P", "&Imprimir...\tCtrl+P"},
        {57606, "P&rint Setup...", "C&onfiguration de l'impression...", "&Configurar impresora..."},
        {32809, "T&ime zone", "&Fuseau horaire", "&Huso horario"},
        {32799, "L&anguage", "La&ngue", "L&enguaje"},
        {32830, "&Site...", "&Site...", "&Sitio..."},
        {32784, "J&upiter's satellites", "Sa&tellites de Jupiter", "Sa&télites de Júpiter"},
        {59393, "&Status Bar", "Barre d'é&tat", "Barra de &estado"},
        {32794, "&Data dialog", "&Dialogue des données", "&Diálogo de datos"},
        {32819, "&Zoom in      +", "&Zoom  +", "&Zoom  +"},
        {32818, "Zoom o&ut    -", "Zoo&m   -", "Zoo&m   -"},
        {32814, "Jupiter's Red Spot reference", "&Longitude de référence de la tache rouge",
         "Longitud de referencia de la mancha roja"},
        {57664, "&About Vantorel...", "&À propos de Vantorel...", "&Acerca de Vantorel..."},
    };
    for (const Row& r : rows) {
        const TextTriple t = commandText(r.id);
        EXPECT_STREQ(t(0), r.en) << r.id;
        EXPECT_STREQ(t(1), r.fr) << r.id;
        EXPECT_STREQ(t(2), r.es) << r.id;
    }
    // One number, two commands: phenomena in the Jupiter windows, zoom in
    // Saturn's.
    EXPECT_STREQ(commandText(32821, MenuKind::Jupiter)(1), "&Phénomènes");
    EXPECT_STREQ(commandText(32821, MenuKind::Saturn)(0), "&Zoom in   +");
    for (int id : allMenuCommands())
        for (int lang = 0; lang < 3; ++lang) EXPECT_STRNE(commandText(id)(lang), "") << id;
}

TEST(MenuTable, ChildMenusRepeatTheMainItemsAndAddTheirOwn) {
    const std::vector<MenuPopup> main = menuLayout(MenuKind::Main);
    const std::vector<int> planet = ids(popupAt(main, 2));
    // Uranus, which no other menu offers, follows Saturn.
    const auto saturnItem = std::find(planet.begin(), planet.end(), ID_OPEN_SATURN);
    ASSERT_NE(saturnItem, planet.end());
    EXPECT_EQ(*(saturnItem + 1), ID_OPEN_URANUS);

    for (MenuKind kind : {MenuKind::Mars, MenuKind::MercuryVenus, MenuKind::Uranus,
                          MenuKind::Jupiter, MenuKind::Saturn, MenuKind::Moon, MenuKind::Tables}) {
        const std::vector<MenuPopup> m = menuLayout(kind);
        EXPECT_EQ(ids(m[1]), ids(main[1]));  // Preference
        EXPECT_EQ(ids(m[2]), planet);
        // Window holds only Cascade; Help the same as the main menu's.
        EXPECT_EQ(ids(m[m.size() - 2]), std::vector<int>{ID_WINDOW_CASCADE});
        EXPECT_EQ(ids(m.back()), ids(main.back()));
        // Print only where something prints; Exit everywhere.
        const std::vector<int> file = ids(m[0]);
        const bool prints = std::count(file.begin(), file.end(), ID_FILE_PRINT) == 1;
        EXPECT_EQ(prints, kind == MenuKind::Tables);
        EXPECT_EQ(file.back(), ID_APP_EXIT);
        // Data dialog only for the body windows.
        const std::vector<int> view = ids(m[3]);
        EXPECT_EQ(std::count(view.begin(), view.end(), ID_DATA_DIALOG), kind != MenuKind::Tables ? 1 : 0);
        // No command twice in one menu.
        std::set<int> seen;
        for (const MenuPopup& p : m)
            for (int id : ids(p))
                EXPECT_TRUE(id == ID_SEPARATOR || seen.insert(id).second) << id;
    }
    const std::vector<MenuPopup> mars = menuLayout(MenuKind::Mars);
    EXPECT_EQ(ids(mars[4]), (std::vector<int>{ID_DATE_TIME, ID_TRACKING}));
    EXPECT_EQ(ids(mars[5]), (std::vector<int>{ID_FIND_CENTRAL_LONGITUDE, ID_SEASONS,
                                              ID_CONJUNCTION_OPPOSITION, ID_MARS_ZOOM_IN,
                                              ID_MARS_ZOOM_OUT}));
    const std::vector<MenuPopup> jupiter = menuLayout(MenuKind::Jupiter);
    EXPECT_EQ(ids(jupiter[4]), (std::vector<int>{ID_DATE_TIME, ID_TRACKING, ID_RED_SPOT_REFERENCE}));
    const std::vector<MenuPopup> saturn = menuLayout(MenuKind::Saturn);
    EXPECT_STREQ(saturn[5].items[1].text(2), "&Zoom   +");
    // The table windows have no options popup.
    EXPECT_EQ(menuLayout(MenuKind::Tables).size(), 7u);
}

TEST(DocumentTypes, RegisteredInOrderWithTheMenusOfEachLanguage) {
    const auto& types = documentTypes();
    ASSERT_EQ(types.size(), 12u);
    EXPECT_EQ(types.front().id, DocTypeId::DataTable);
    EXPECT_EQ(types.back().id, DocTypeId::ZoomedSky);
    EXPECT_EQ(menuResourceFor(documentType(DocTypeId::Mars), 0), 130);
    EXPECT_EQ(menuResourceFor(documentType(DocTypeId::Mars), 1), 162);
    EXPECT_EQ(menuResourceFor(documentType(DocTypeId::Uranus), 2), 198);
    EXPECT_EQ(menuResourceFor(documentType(DocTypeId::ZoomedSky), 2), 157);
    EXPECT_EQ(mainMenuResource(1), 164);
    EXPECT_EQ(mainMenuResource(2), 175);
    // The zoomed sky shows the English sky menu in every language.
    EXPECT_EQ(menuLanguageFor(documentType(DocTypeId::ZoomedSky), 2), 0);
    EXPECT_EQ(menuLanguageFor(documentType(DocTypeId::Sky), 2), 2);

    EXPECT_EQ(documentTypeForCommand(ID_OPEN_URANUS)->id, DocTypeId::Uranus);
    EXPECT_EQ(documentTypeForCommand(ID_OPEN_JUPITER_SATELLITES)->id, DocTypeId::JupiterSatellites);
    EXPECT_EQ(documentTypeForCommand(ID_LATITUDE), nullptr);
    // Counted: the seven bodies and the satellites window.
    int counted = 0;
    for (const DocumentType& t : types) counted += t.counted ? 1 : 0;
    EXPECT_EQ(counted, 8);
    EXPECT_FALSE(documentType(DocTypeId::Sky).counted);
    EXPECT_STREQ(documentType(DocTypeId::Moon).dataDialogName, " MOON");
    EXPECT_STREQ(documentType(DocTypeId::Saturn).dataDialogName, "SATURNE");
}

namespace {

// The letter after '&' folded to lower case ('É' and 'é' alike); 0 without one.
std::string mnemonicOf(const std::string& text) {
    const size_t amp = text.find('&');
    if (amp == std::string::npos || amp + 1 >= text.size()) return {};
    const unsigned char c = static_cast<unsigned char>(text[amp + 1]);
    if (c < 0x80) return std::string(1, static_cast<char>(std::tolower(c)));
    // A two-byte Latin letter: upper and lower case differ by 0x20 in the second byte.
    if (amp + 2 < text.size()) return {text[amp + 1], static_cast<char>(text[amp + 2] | 0x20)};
    return {};
}

}  // namespace

// Alt and a letter reach one item: every popup's items, and the titles of
// every menu bar, each have their own letter in every language.
TEST(MenuTable, EachMenuLevelHasItsOwnMnemonics) {
    for (const MenuKind kind : {MenuKind::Main, MenuKind::Mars, MenuKind::MercuryVenus,
                                MenuKind::Uranus, MenuKind::Jupiter, MenuKind::Saturn,
                                MenuKind::Moon, MenuKind::Tables}) {
        for (int lang = 0; lang < 3; ++lang) {
            const std::vector<MenuPopup> menu = menuLayout(kind);
            std::set<std::string> titlesSeen;
            for (const MenuPopup& popup : menu) {
                const std::string title = popup.title(lang);
                const std::string t = mnemonicOf(title);
                if (!t.empty()) EXPECT_TRUE(titlesSeen.insert(t).second) << title << " in " << lang;
                std::set<std::string> seen;
                for (const MenuItem& item : popup.items) {
                    if (item.isSeparator()) continue;
                    const std::string text = item.text(lang);
                    const std::string m = mnemonicOf(text);
                    if (!m.empty())
                        EXPECT_TRUE(seen.insert(m).second)
                            << text << " in " << title << ", language " << lang;
                }
            }
        }
    }
}
