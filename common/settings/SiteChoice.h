#pragma once

#include <string>

#include "common/text/LanguageText.h"

// A place picked from the list of cities in the Site dialog: its coordinates
// and its zone, set together.

namespace vantorel {

struct City;

struct SiteChoice {
    double latitudeDeg = 0;   // north positive
    double longitudeDeg = 0;  // east positive
    std::string zoneName;     // IANA name; this computer may not know it
};

SiteChoice siteChoiceOf(const City& city);

enum class SiteAnswerKind {
    Cancelled,
    ByHand,  // the user asked to type the coordinates
    Picked,
};

struct SiteAnswer {
    SiteAnswerKind kind = SiteAnswerKind::Cancelled;
    SiteChoice site;
};

namespace site {
constexpr TextTriple kCaption{"Site", "Site", "Sitio"};
constexpr TextTriple kSearch{"City:", "Ville :", "Ciudad:"};
constexpr TextTriple kHint{"Type the start of a city's name; \"Name, Country\" narrows it.",
                           "Tapez le d\u00e9but du nom d'une ville ; \u00ab Nom, Pays \u00bb "
                           "pr\u00e9cise.",
                           "Escriba el principio del nombre de una ciudad; \"Nombre, Pa\u00eds\" "
                           "precisa."};
constexpr TextTriple kName{"City", "Ville", "Ciudad"};
constexpr TextTriple kRegion{"Region", "R\u00e9gion", "Regi\u00f3n"};
constexpr TextTriple kCountry{"Country", "Pays", "Pa\u00eds"};
constexpr TextTriple kLatitude{"Latitude", "Latitude", "Latitud"};
constexpr TextTriple kLongitude{"Longitude", "Longitude", "Longitud"};
constexpr TextTriple kZone{"Time zone", "Fuseau horaire", "Huso horario"};
constexpr TextTriple kByHand{"Enter the coordinates by hand", "Entrer les coordonn\u00e9es \u00e0 la main",
                             "Introducir las coordenadas a mano"};
constexpr TextTriple kNoMatch{"No city of the list matches.", "Aucune ville de la liste ne correspond.",
                              "Ninguna ciudad de la lista coincide."};
constexpr TextTriple kListMissing{
    "The list of cities %s is missing: the coordinates can still be entered by hand.",
    "La liste des villes %s est absente : les coordonn\u00e9es peuvent encore \u00eatre "
    "entr\u00e9es \u00e0 la main.",
    "Falta la lista de ciudades %s: las coordenadas se pueden introducir a mano."};
constexpr TextTriple kListDamaged{
    "The list of cities %s cannot be read: the coordinates can still be entered by hand.",
    "La liste des villes %s est illisible : les coordonn\u00e9es peuvent encore \u00eatre "
    "entr\u00e9es \u00e0 la main.",
    "No se puede leer la lista de ciudades %s: las coordenadas se pueden introducir a mano."};
}  // namespace site

}  // namespace vantorel
