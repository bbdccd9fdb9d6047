#include "common/commands/MenuTable.h"

#include <algorithm>

#include "common/commands/CommandPrompts.h"

namespace vantorel {

namespace {

struct CommandText {
    int id;
    TextTriple text;
};

constexpr CommandText kCommands[] = {
    {ID_FILE_PRINT, {"&Print...\tCtrl+P", "&Impression...\tCtrl+P", "&Imprimir...\tCtrl+P"}},
    {ID_FILE_PRINT_DIRECT,
     {"Print &directly", "Imprimer &directement", "Imprimir &directamente"}},
    {ID_FILE_PRINT_PREVIEW, {"Print Pre&view", "Aperçu a&vant impression", "&Presentación preliminar"}},
    {ID_FILE_PRINT_SETUP,
     {"P&rint Setup...", "C&onfiguration de l'impression...", "&Configurar impresora..."}},
    {ID_FILE_SAVE_PICTURE,
     {"Save picture &as...", "&Enregistrer l'image sous...", "&Guardar la imagen como..."}},
    {ID_APP_EXIT, {"E&xit", "&Quitter", "&Salir"}},
    {ID_SITE, {"&Site...", "&Site...", "&Sitio..."}},
    {ID_LATITUDE, {"&Latitude", "&Latitude", "&Latitud"}},
    {ID_TIME_ZONE, {"T&ime zone", "&Fuseau horaire", "&Huso horario"}},
    {ID_PROJECTION, {"&Telescope projection", "Projection du &télescope", "&Proyección del telescopio"}},
    {ID_DATE_SETTING, {"&Date format", "&Affichage de la date", "&Formato de fecha"}},
    {ID_LANGUAGE, {"L&anguage", "La&ngue", "L&enguaje"}},
    {ID_OPEN_MOON, {"M&oon", "&Lune", "&Luna"}},
    {ID_OPEN_MERCURY, {"&Mercury", "&Mercure", "&Mercurio"}},
    {ID_OPEN_VENUS, {"&Venus", "&Vénus", "&Venus"}},
    {ID_OPEN_MARS, {"M&ars", "M&ars", "M&arte"}},
    {ID_OPEN_JUPITER, {"&Jupiter", "&Jupiter", "&Júpiter"}},
    {ID_OPEN_SATURN, {"&Saturn", "&Saturne", "&Saturno"}},
    // The names of the window title table, with a mnemonic no other Planet
    // item uses.
    {ID_OPEN_URANUS, {"U&ranus", "U&ranus", "U&rano"}},
    {ID_OPEN_DATA_TABLE, {"&Planets' data", "&Données sur les planètes", "&Datos de los planetas"}},
    {ID_JUPITER_SATELLITES_GENERATOR,
     {"J&upiter's satellites", "Sa&tellites de Jupiter", "Sa&télites de Júpiter"}},
    {ID_VIEW_STATUS_BAR, {"&Status Bar", "Barre d'é&tat", "Barra de &estado"}},
    {ID_DATA_DIALOG, {"&Data dialog", "&Dialogue des données", "&Diálogo de datos"}},
    {ID_OPEN_SKY, {"S&ky", "&Ciel", "&Cielo"}},
    {ID_OPEN_HELIOCENTRIC, {"&Heliocentric", "&Héliocentrique", "&Heliocéntrico"}},
    {ID_OPEN_TONIGHT, {"&Tonight", "Cette &nuit", "Esta &noche"}},
    {ID_EXPORT_CALENDAR,
     {"&Export to calendar...", "&Exporter vers l'agenda...", "&Exportar al calendario..."}},
    {ID_DATE_TIME, {"&Date - Time", "&Date - Heure", "&Fecha - Hora"}},
    {ID_TRACKING, {"T&racking", "&Suivi", "&Seguimiento"}},
    {ID_FIND_CENTRAL_LONGITUDE,
     {"&Find a central longitude...", "&Chercher une longitude centrale...",
      "&Buscar una longitud central..."}},
    {ID_SEASONS, {"&Seasons", "&Saisons", "&Estaciones"}},
    {ID_CONJUNCTION_OPPOSITION,
     {"Conjunction - &Opposition", "Conjonction - &Opposition", "Conjunción - &Oposición"}},
    {ID_CONJUNCTION, {"&Conjunction", "&Conjonction", "&Conjunción"}},
    {ID_MARS_ZOOM_IN, {"&Zoom in      +", "&Zoom  +", "&Zoom  +"}},
    {ID_MARS_ZOOM_OUT, {"Zoom o&ut    -", "Zoo&m   -", "Zoo&m   -"}},
    {ID_URANUS_ZOOM_IN, {"&Zoom in   +", "&Zoom   +", "&Zoom   +"}},
    {ID_URANUS_ZOOM_OUT, {"Zoom o&ut -", "Zoo&m   -", "Zoo&m   -"}},
    {ID_JUPITER_ZOOM_IN, {"&Zoom in   +", "&Zoom   +", "&Zoom   +"}},
    {ID_JUPITER_ZOOM_OUT, {"Zoom o&ut -", "Zoo&m   -", "Zoo&m   -"}},
    {ID_PHENOMENON_OR_SATURN_ZOOM_IN, {"&Phenomenon", "&Phénomènes", "&Fenómenos"}},
    {ID_SATURN_ZOOM_OUT, {"Zoom o&ut -", "Zoo&m   -", "Zoo&m   -"}},
    {ID_RED_SPOT_REFERENCE,
     {"Jupiter's Red &Spot reference", "&Longitude de référence de la tache rouge",
      "&Longitud de referencia de la mancha roja"}},
    {ID_OPEN_JUPITER_SATELLITES, {"&Satellites", "&Satellites", "&Satélites"}},
    {ID_MOON_PHASES, {"Moon's &phases", "&Phases de la Lune", "&Fases de la Luna"}},
    {ID_LUNAR_X, {"&Lunar X", "Le &X lunaire", "&X lunar"}},
    {ID_WINDOW_CASCADE, {"&Cascade", "&Cascade", "&Cascada"}},
    {ID_WINDOW_TILE, {"&Tile", "&Mosaïque", "&Mosaico"}},
    {ID_WINDOW_CLOSE, {"C&lose\tCtrl+F4", "&Fermer\tCtrl+F4", "Ce&rrar\tCtrl+F4"}},
    {ID_WINDOW_CLOSE_ALL, {"Close &All", "Fermer &tout", "Cerrar &todas"}},
    {ID_WINDOW_NEXT, {"&Next\tCtrl+Tab", "&Suivante\tCtrl+Tab", "&Siguiente\tCtrl+Tab"}},
    {ID_WINDOW_PREVIOUS,
     {"&Previous\tCtrl+Shift+Tab", "&Précédente\tCtrl+Shift+Tab", "&Anterior\tCtrl+Shift+Tab"}},
    {ID_APP_ABOUT, {"&About Vantorel...", "&À propos de Vantorel...", "&Acerca de Vantorel..."}},
    {ID_REFERENCE, {"&Reference", "&Références", "&Referencia"}},
};

constexpr TextTriple kSaturnZoomIn{"&Zoom in   +", "&Zoom   +", "&Zoom   +"};

constexpr TextTriple kFile{"&File", "&Fichier", "&Archivo"};
constexpr TextTriple kPreference{"P&references", "P&références", "P&referencias"};
constexpr TextTriple kPlanet{"&Planet", "&Planète", "&Planeta"};
constexpr TextTriple kView{"&View", "&Affichage", "&Ver"};
// Each title answers its own Alt key: Réglages and Ajustes would share R
// and A with Préférences and Archivo.
constexpr TextTriple kSetting{"&Setting", "Ré&glages", "A&justes"};
constexpr TextTriple kOption{"&Option", "&Option", "&Opción"};
constexpr TextTriple kWindow{"&Window", "F&enêtre", "V&entana"};
constexpr TextTriple kHelp{"&Help", "&?", "&?"};

MenuPopup popup(const TextTriple& title, MenuKind kind, std::initializer_list<int> ids) {
    MenuPopup p{title, {}};
    for (int id : ids) p.items.push_back(MenuItem{id, commandText(id, kind), commandPrompt(id, kind)});
    return p;
}

bool isBodyWindow(MenuKind kind) {
    return kind != MenuKind::Main && kind != MenuKind::Tables && kind != MenuKind::Tonight;
}

}  // namespace

TextTriple commandText(int id, MenuKind kind) {
    if (id == ID_PHENOMENON_OR_SATURN_ZOOM_IN && kind == MenuKind::Saturn) return kSaturnZoomIn;
    const auto* hit = std::find_if(std::begin(kCommands), std::end(kCommands),
                                   [id](const CommandText& c) { return c.id == id; });
    return hit != std::end(kCommands) ? hit->text : TextTriple{"", "", ""};
}

std::vector<MenuPopup> menuLayout(MenuKind kind) {
    std::vector<MenuPopup> menu;
    // Every window prints and saves its picture; the main window's items
    // stay greyed until one is open.
    menu.push_back(popup(kFile, kind,
                         {ID_FILE_PRINT, ID_FILE_PRINT_DIRECT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP,
                          ID_SEPARATOR, ID_FILE_SAVE_PICTURE, ID_SEPARATOR, ID_APP_EXIT}));
    menu.push_back(popup(kPreference, kind,
                         {ID_SITE, ID_LATITUDE, ID_TIME_ZONE, ID_PROJECTION, ID_DATE_SETTING,
                          ID_LANGUAGE}));
    menu.push_back(popup(kPlanet, kind,
                         {ID_OPEN_MOON, ID_OPEN_MERCURY, ID_OPEN_VENUS, ID_OPEN_MARS,
                          ID_OPEN_JUPITER, ID_OPEN_SATURN, ID_OPEN_URANUS, ID_SEPARATOR,
                          ID_OPEN_DATA_TABLE, ID_JUPITER_SATELLITES_GENERATOR}));
    if (isBodyWindow(kind))
        menu.push_back(popup(kView, kind,
                             {ID_VIEW_STATUS_BAR, ID_DATA_DIALOG, ID_SEPARATOR, ID_OPEN_SKY,
                              ID_OPEN_HELIOCENTRIC, ID_OPEN_TONIGHT}));
    else
        menu.push_back(popup(kView, kind,
                             {ID_VIEW_STATUS_BAR, ID_SEPARATOR, ID_OPEN_SKY, ID_OPEN_HELIOCENTRIC,
                              ID_OPEN_TONIGHT}));
    if (kind == MenuKind::Main) {
        menu.push_back(popup(kHelp, kind, {ID_APP_ABOUT, ID_REFERENCE}));
        return menu;
    }

    switch (kind) {
    case MenuKind::Mars:
        menu.push_back(popup(kSetting, kind, {ID_DATE_TIME, ID_TRACKING}));
        menu.push_back(popup(kOption, kind,
                             {ID_FIND_CENTRAL_LONGITUDE, ID_SEASONS, ID_CONJUNCTION_OPPOSITION,
                              ID_MARS_ZOOM_IN, ID_MARS_ZOOM_OUT}));
        break;
    case MenuKind::MercuryVenus:
        menu.push_back(popup(kSetting, kind, {ID_DATE_TIME}));
        menu.push_back(popup(kOption, kind, {ID_CONJUNCTION}));
        break;
    case MenuKind::Uranus:
        menu.push_back(popup(kSetting, kind, {ID_DATE_TIME, ID_TRACKING}));
        menu.push_back(popup(kOption, kind, {ID_URANUS_ZOOM_IN, ID_URANUS_ZOOM_OUT}));
        break;
    case MenuKind::Jupiter:
        menu.push_back(popup(kSetting, kind, {ID_DATE_TIME, ID_TRACKING, ID_RED_SPOT_REFERENCE}));
        menu.push_back(popup(kOption, kind,
                             {ID_OPEN_JUPITER_SATELLITES, ID_PHENOMENON_OR_SATURN_ZOOM_IN,
                              ID_CONJUNCTION_OPPOSITION, ID_JUPITER_ZOOM_IN,
                              ID_JUPITER_ZOOM_OUT}));
        break;
    case MenuKind::Saturn:
        menu.push_back(popup(kSetting, kind, {ID_DATE_TIME}));
        menu.push_back(popup(kOption, kind,
                             {ID_CONJUNCTION_OPPOSITION, ID_PHENOMENON_OR_SATURN_ZOOM_IN,
                              ID_SATURN_ZOOM_OUT}));
        break;
    case MenuKind::Moon:
        menu.push_back(popup(kSetting, kind, {ID_DATE_TIME}));
        menu.push_back(popup(kOption, kind,
                             {ID_MOON_PHASES, ID_LUNAR_X, ID_MARS_ZOOM_IN, ID_MARS_ZOOM_OUT}));
        break;
    case MenuKind::Tonight:
        menu.push_back(popup(kSetting, kind, {ID_DATE_TIME}));
        menu.push_back(popup(kOption, kind, {ID_EXPORT_CALENDAR}));
        break;
    default:  // the table windows have no options
        menu.push_back(popup(kSetting, kind, {ID_DATE_TIME}));
        break;
    }
    // The open windows are listed after these by the main window.
    menu.push_back(popup(kWindow, kind,
                         {ID_WINDOW_CASCADE, ID_WINDOW_TILE, ID_SEPARATOR, ID_WINDOW_CLOSE,
                          ID_WINDOW_CLOSE_ALL, ID_SEPARATOR, ID_WINDOW_NEXT, ID_WINDOW_PREVIOUS}));
    menu.push_back(popup(kHelp, kind, {ID_APP_ABOUT, ID_REFERENCE}));
    return menu;
}

std::vector<int> allMenuCommands() {
    std::vector<int> ids;
    for (const CommandText& c : kCommands) ids.push_back(c.id);
    return ids;
}

}  // namespace vantorel
