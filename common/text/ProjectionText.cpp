#include "common/text/ProjectionText.h"

namespace vantorel {

const char* orientationText(int language, int code) {
    const bool english = safeLanguage(language) == kEnglish;
    switch (code) {
    case 1: return "N -- E";
    case 2: return english ? "S -- W" : "S -- O";
    case 3: return "S -- E";
    default: return english ? "N -- W" : "N -- O";
    }
}

std::string projectionPaneText(int language, int code) {
    return std::string(pickText(language, "Projection: ", "Projection: ", "Proyección: ")) +
           orientationText(language, code);
}

}  // namespace vantorel
