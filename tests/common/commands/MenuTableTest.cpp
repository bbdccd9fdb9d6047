#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "common/commands/CommandPrompts.h"
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
        {32837, "&Site...", "&Site...", "&Sitio..."},
        {32784, "J&upiter's satellites", "Sa&tellites de Jupiter", "Sa&télites de Júpiter"},
        {59393, "&Status Bar", "Barre d'é&tat", "Barra de &estado"},
        {32794, "&Data dialog", "&Dialogue des données", "&Diálogo de datos"},
        {32819, "&Zoom in      +", "&Zoom  +", "&Zoom  +"},
        {32818, "Zoom o&ut    -", "Zoo&m   -", "Zoo&m   -"},
        {32814, "Jupiter's Red &Spot reference", "&Longitude de référence de la tache rouge",
         "&Longitud de referencia de la mancha roja"},
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
                          MenuKind::Jupiter, MenuKind::Saturn, MenuKind::Moon, MenuKind::Tables,
                          MenuKind::Tonight}) {
        const std::vector<MenuPopup> m = menuLayout(kind);
        EXPECT_EQ(ids(m[1]), ids(main[1]));  // Preference
        EXPECT_EQ(ids(m[2]), planet);
        // Window arranges, closes and walks the windows; Help the same as
        // the main menu's.
        EXPECT_EQ(ids(m[m.size() - 2]),
                  (std::vector<int>{ID_WINDOW_CASCADE, ID_WINDOW_TILE, ID_SEPARATOR, ID_WINDOW_CLOSE,
                                    ID_WINDOW_CLOSE_ALL, ID_SEPARATOR, ID_WINDOW_NEXT,
                                    ID_WINDOW_PREVIOUS}));
        EXPECT_EQ(ids(m.back()), ids(main.back()));
        // Every window prints and saves its picture; Exit everywhere.
        EXPECT_EQ(ids(m[0]), ids(main[0]));
        const std::vector<int> file = ids(m[0]);
        EXPECT_EQ(std::count(file.begin(), file.end(), ID_FILE_PRINT), 1);
        EXPECT_EQ(std::count(file.begin(), file.end(), ID_FILE_SAVE_PICTURE), 1);
        EXPECT_EQ(file.back(), ID_APP_EXIT);
        // Data dialog only for the body windows.
        const std::vector<int> view = ids(m[3]);
        const bool bodyWindow = kind != MenuKind::Tables && kind != MenuKind::Tonight;
        EXPECT_EQ(std::count(view.begin(), view.end(), ID_DATA_DIALOG), bodyWindow ? 1 : 0);
        // Every menu opens the Tonight window.
        EXPECT_EQ(std::count(view.begin(), view.end(), ID_OPEN_TONIGHT), 1);
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
    EXPECT_EQ(ids(jupiter[5]), (std::vector<int>{ID_OPEN_JUPITER_SATELLITES,
                                                 ID_PHENOMENON_OR_SATURN_ZOOM_IN,
                                                 ID_CONJUNCTION_OPPOSITION, ID_JUPITER_ZOOM_IN,
                                                 ID_JUPITER_ZOOM_OUT}));
    EXPECT_STREQ(jupiter[5].items[3].text(1), "&Zoom   +");
    EXPECT_STREQ(jupiter[5].items[4].text(2), "Zoo&m   -");
    const std::vector<MenuPopup> saturn = menuLayout(MenuKind::Saturn);
    EXPECT_STREQ(saturn[5].items[1].text(2), "&Zoom   +");
    // The table windows have no options popup.
    EXPECT_EQ(menuLayout(MenuKind::Tables).size(), 7u);
    // The Tonight window's own options: the calendar export.
    const std::vector<MenuPopup> tonight = menuLayout(MenuKind::Tonight);
    EXPECT_EQ(ids(tonight[4]), std::vector<int>{ID_DATE_TIME});
    EXPECT_EQ(ids(tonight[5]), std::vector<int>{ID_EXPORT_CALENDAR});
    EXPECT_STREQ(tonight[5].items[0].text(1), "&Exporter vers l'agenda...");
}

namespace {

// The letter after the single '&' of a text, lower case; 0 for none.
char mnemonic(const char* text) {
    for (const char* p = text; *p; ++p)
        if (p[0] == '&' && p[1] && p[1] != '&')
            return static_cast<char>(std::tolower(static_cast<unsigned char>(p[1])));
    return 0;
}

}  // namespace

// The keyboard reaches an item by its underlined letter: two items of one
// popup with the same letter make one of them unreachable that way.
TEST(MenuTable, JupiterOptionsKeepOneMnemonicEach) {
    const MenuPopup options = menuLayout(MenuKind::Jupiter)[5];
    for (int lang = 0; lang < 3; ++lang) {
        std::set<char> letters;
        for (const MenuItem& item : options.items) {
            const char m = mnemonic(item.text(lang));
            ASSERT_NE(m, 0) << item.text(lang);
            EXPECT_TRUE(letters.insert(m).second) << item.text(lang) << ", language " << lang;
        }
    }
}

TEST(DocumentTypes, RegisteredInOrderWithTheMenusOfEachLanguage) {
    const auto& types = documentTypes();
    ASSERT_EQ(types.size(), 13u);
    EXPECT_EQ(types.front().id, DocTypeId::DataTable);
    EXPECT_EQ(types.back().id, DocTypeId::Tonight);
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
    EXPECT_EQ(documentTypeForCommand(ID_OPEN_TONIGHT)->id, DocTypeId::Tonight);
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

// The key a menu text answers to with Alt or inside its open popup: the
// character after a single "&", folded to upper case (Latin-1 letters too);
// 0 when the text has none.
char32_t mnemonicOf(const char* utf8) {
    const std::string s = utf8;
    for (size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] != '&') continue;
        if (s[i + 1] == '&') {
            ++i;
            continue;
        }
        const auto c = static_cast<unsigned char>(s[i + 1]);
        char32_t code = c;
        if ((c & 0xE0) == 0xC0 && i + 2 < s.size())
            code = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(s[i + 2]) & 0x3Fu);
        if (code >= 'a' && code <= 'z') code -= 0x20;
        if (code >= 0xE0 && code <= 0xFE && code != 0xF7) code -= 0x20;
        return code;
    }
    return 0;
}

// One level's texts: each must carry a key, and no key may open two of them.
void expectOneKeyEach(const std::vector<std::string>& texts, const std::string& where) {
    std::set<char32_t> keys;
    for (const std::string& t : texts) {
        const char32_t key = mnemonicOf(t.c_str());
        EXPECT_NE(key, 0u) << where << ": \"" << t << "\" has no key";
        if (key != 0) EXPECT_TRUE(keys.insert(key).second) << where << ": \"" << t << "\" shares its key";
    }
}

}  // namespace

TEST(MenuTable, EveryLevelOfEveryMenuGivesEachItemItsOwnKeyInEachLanguage) {
    const char* const kinds[] = {"Main", "Mars", "MercuryVenus", "Uranus",
                                 "Jupiter", "Saturn", "Moon", "Tables"};
    for (int k = 0; k < 8; ++k) {
        const auto kind = static_cast<MenuKind>(k);
        for (int lang = 0; lang < 3; ++lang) {
            const std::string where = std::string(kinds[k]) + " menu, language " + std::to_string(lang);
            expectOneKeyEach(titles(kind, lang), where + ", menu bar");
            for (const MenuPopup& p : menuLayout(kind)) {
                std::vector<std::string> items;
                for (const MenuItem& i : p.items)
                    if (!i.isSeparator()) items.push_back(i.text(lang));
                expectOneKeyEach(items, where + ", " + p.title(lang));
            }
        }
    }
    EXPECT_EQ(mnemonicOf("Barre d'é&tat"), U'T');
    EXPECT_EQ(mnemonicOf("&À propos"), U'\u00C0');
    EXPECT_EQ(mnemonicOf("Sa&télites"), U'T');
    EXPECT_EQ(mnemonicOf("&écran"), U'\u00C9');
    EXPECT_EQ(mnemonicOf("A && B"), 0u);
}

TEST(MenuTable, EveryItemHasAStatusBarPromptInTheThreeLanguages) {
    for (int k = 0; k < 8; ++k) {
        for (const MenuPopup& p : menuLayout(static_cast<MenuKind>(k)))
            for (const MenuItem& i : p.items) {
                if (i.isSeparator()) continue;
                for (int lang = 0; lang < 3; ++lang) {
                    const std::string prompt = i.prompt(lang);
                    EXPECT_GT(prompt.size(), 10u) << i.id << " " << lang;
                    EXPECT_EQ(prompt.find('&'), std::string::npos) << prompt;
                    EXPECT_NE(prompt, i.text(lang)) << prompt;
                }
                // Each language has its own sentence.
                EXPECT_STRNE(i.prompt(0), i.prompt(1)) << i.id;
                EXPECT_STRNE(i.prompt(1), i.prompt(2)) << i.id;
            }
    }
    // The one number with two commands prompts for each.
    EXPECT_STRNE(commandPrompt(ID_PHENOMENON_OR_SATURN_ZOOM_IN, MenuKind::Saturn)(0),
                 commandPrompt(ID_PHENOMENON_OR_SATURN_ZOOM_IN, MenuKind::Jupiter)(0));
}
