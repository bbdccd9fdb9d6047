#include "common/text/LanguageText.h"

namespace vantorel {

const char* const titleTable[30] = {
    " Moon", " Mercury", " Venus", " Mars", " Jupiter",
    " Saturn", " Sky", " Heliocentric", " Uranus", "",
    " Lune", " Mercure", " Vénus", " Mars", " Jupiter",
    " Saturne", " Ciel", " Héliocentrique", " Uranus", "",
    " Luna", " Mercurio", " Venus", " Marte", " Júpiter",
    " Saturno", " Cielo", " Heliocéntrico", " Urano", "",
};

}  // namespace vantorel
