#pragma once

#include <string>

#include "common/text/LanguageText.h"

// The telescope projection code (bit 0 flips horizontally, bit 1 vertically)
// and how the status bar names it.

namespace vantorel {

inline int projectionFromFlips(bool horizontal, bool vertical) {
    return (horizontal ? 1 : 0) + (vertical ? 2 : 0);
}
inline bool flipsHorizontally(int code) { return (code & 1) != 0; }
inline bool flipsVertically(int code) { return (code & 2) != 0; }

// "N -- W", "N -- E", "S -- W", "S -- E" (O for west in French and Spanish);
// a code outside 0..3 names code 0.
const char* orientationText(int language, int code);
// "Projection: N -- W" ("Proyección: " in Spanish), the text of pane 2.
std::string projectionPaneText(int language, int code);

namespace projection {
constexpr TextTriple kCaption{"Set the projection of your telescope",
                              "Projection de l'instrument d'observation", "Proyección del instrumento"};
constexpr TextTriple kGroup{"", "Basculer", "Invertir"};
constexpr TextTriple kHorizontal{"flip horizontal", "horizontalement", "horizontalmente"};
constexpr TextTriple kVertical{"flip vertical", "verticalement", "verticalmente"};
// Which instrument shows the sky as each projection code draws it.
constexpr TextTriple kInstrumentNotes[4] = {
    {"As the naked eye or binoculars show the sky.", "Comme à l'œil nu ou aux jumelles.",
     "Como a simple vista o con prismáticos."},
    {"A refractor or reflector with a star diagonal.", "Lunette ou télescope avec un renvoi coudé.",
     "Refractor o reflector con espejo diagonal."},
    {"A star diagonal, the picture upside down.", "Un renvoi coudé, l'image tête en bas.",
     "Un espejo diagonal, la imagen cabeza abajo."},
    {"A straight-through telescope (Newtonian reflector).",
     "Un instrument à vision directe (télescope de Newton).",
     "Un instrumento de visión directa (reflector de Newton)."},
};
}  // namespace projection

}  // namespace vantorel
