#pragma once

#include "common/text/LanguageText.h"

// Texts of the shell's smaller dialogs: language, find a central longitude,
// references, About, and the data dialog's fixed captions.

namespace vantorel {

namespace langue {
constexpr const char* kCaption = "Language -- Langue -- Lenguaje";
constexpr const char* kChoices[3] = {"English", "Français", "Español"};
}  // namespace langue

namespace cherclongi {
constexpr TextTriple kCaption{"Find a central longitude", "Recherche d'une longitude centrale",
                              "Búsqueda de una longitud central"};
constexpr TextTriple kPrompt{"Enter the central longitude wanted (0 - 359°)",
                             "Entrez la longitude centrale cherchée (0 - 359°)",
                             "Introduzca la longitud central buscada (0 - 359°)"};
constexpr TextTriple kInvalid{"The central longitude entered is not valid (0 - 359).",
                              "La longitude centrale entrée n'est pas valide (0 - 359).",
                              "Longitud central inválida (0 - 359)."};
}  // namespace cherclongi

namespace reference {
constexpr const char* kCaption = "REFERENCE -- REFERENCIA";
constexpr TextTriple kBooks[3] = {
    {"A handbook of astronomical algorithms: the computing methods for the Sun, the Moon and "
     "the planets, their places, phenomena and physical data.",
     "Un manuel d'algorithmes astronomiques : les méthodes de calcul pour le Soleil, la Lune et "
     "les planètes, leurs positions, phénomènes et données physiques.",
     "Un manual de algoritmos astronómicos: los métodos de cálculo para el Sol, la Luna y los "
     "planetas, sus posiciones, fenómenos y datos físicos."},
    {"A French-language astronomical yearbook: the yearly ephemerides of the Sun, the Moon, the "
     "planets and the satellites of Jupiter.",
     "Un annuaire astronomique de langue française : les éphémérides annuelles du Soleil, de la "
     "Lune, des planètes et des satellites de Jupiter.",
     "Un anuario astronómico en lengua francesa: las efemérides anuales del Sol, la Luna, los "
     "planetas y los satélites de Júpiter."},
    {"A national astronomical almanac: the official yearly tables of the places and physical "
     "data of the bodies of the solar system.",
     "Un almanach astronomique national : les tables annuelles officielles des positions et "
     "données physiques des corps du système solaire.",
     "Un almanaque astronómico nacional: las tablas anuales oficiales de las posiciones y datos "
     "físicos de los cuerpos del sistema solar."},
};
}  // namespace reference

namespace about {
constexpr TextTriple kCaption{"About Vantorel", "À propos de Vantorel", "Acerca de Vantorel"};
constexpr TextTriple kReleased{"Released 2026", "Publié en 2026", "Publicado en 2026"};
constexpr TextTriple kContact[3] = {
    {"Free software under the GNU General Public License,",
     "Logiciel libre sous la licence publique générale GNU,",
     "Software libre bajo la Licencia Pública General de GNU,"},
    {"version 3 or later.", "version 3 ou ultérieure.", "versión 3 o posterior."},
    {"Questions and reports: the project's issue tracker.",
     "Questions et rapports : le suivi des tickets du projet.",
     "Preguntas e informes: el gestor de incidencias del proyecto."},
};
constexpr TextTriple kCreditsGroup{"Translators and checkers", "Traducteurs et vérificateurs",
                                   "Traductores y revisores"};
constexpr TextTriple kCredits[3] = {
    {"English: the Vantorel team", "Anglais : l'équipe de Vantorel", "Inglés: el equipo de Vantorel"},
    {"French: the Vantorel team", "Français : l'équipe de Vantorel", "Francés: el equipo de Vantorel"},
    {"Spanish: the Vantorel team", "Espagnol : l'équipe de Vantorel",
     "Español: el equipo de Vantorel"},
};
// The sources of the body maps (resources/CREDITS.md).
constexpr TextTriple kMapCredits[5] = {
    {"Body maps from the Stellarium textures:", "Cartes des corps d'après les textures de Stellarium :",
     "Mapas de los cuerpos según las texturas de Stellarium:"},
    {"Moon: USGS Astrogeology, Celestia, Clementine data (public domain)",
     "Lune : USGS Astrogeology, Celestia, données Clementine (domaine public)",
     "Luna: USGS Astrogeology, Celestia, datos Clementine (dominio público)"},
    {"Mars: the Stellarium team (GPL-2.0+)", "Mars : l'équipe de Stellarium (GPL-2.0+)",
     "Marte: el equipo de Stellarium (GPL-2.0+)"},
    {"Mercury, Venus, Uranus: Oleg Pluton (CC BY 4.0)",
     "Mercure, Vénus, Uranus : Oleg Pluton (CC BY 4.0)",
     "Mercurio, Venus, Urano: Oleg Pluton (CC BY 4.0)"},
    {"Jupiter: James Hastings-Trew, from Cassini data",
     "Jupiter : James Hastings-Trew, d'après les données de Cassini",
     "Júpiter: James Hastings-Trew, según los datos de Cassini"},
};
}  // namespace about

namespace datadialog {
constexpr const char* kLayoutCaption = "Vantorel - Data";
constexpr TextTriple kCaption{"Vantorel - Data", "Vantorel - Données", "Vantorel - Datos"};
constexpr TextTriple kComparison{"Comparative diameter", "Diamètre comparatif",
                                 "Diámetros comparativos"};
constexpr TextTriple kMaximum{"Maximum", "Maximum", "Máximo"};
constexpr TextTriple kCurrent{"Current", "Actuel", "Actual"};
constexpr TextTriple kMinimum{"Minimum", "Minimum", "Mínimo"};
}  // namespace datadialog

}  // namespace vantorel
