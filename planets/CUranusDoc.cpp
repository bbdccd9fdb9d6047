#include "planets/CUranusDoc.h"

#include "engine/URANUS.h"

namespace vantorel {

const PlanetDocProfile CUranusDoc::kProfile = {
    kTitleUranus,
    {"  URANUS", "  URANUS", "  URANO"},
    {"                 ", "                 ", "                 "},
    "",
    5,
    51118.0,
    true,
    3.9f,
    3.3f,
    "        "};

CUranusDoc::CUranusDoc(const DATE_TIME& blank, Settings& settings)
    : CPlanetDoc(blank, settings, std::make_unique<URANUS>(), kProfile) {}

URANUS& CUranusDoc::planet() { return static_cast<URANUS&>(body()); }

}  // namespace vantorel
