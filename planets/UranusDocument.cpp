#include "planets/UranusDocument.h"

#include "engine/Uranus.h"

namespace vantorel {

const PlanetDocProfile UranusDocument::kProfile = {
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

UranusDocument::UranusDocument(const DateTime& blank, Settings& settings)
    : PlanetDocument(blank, settings, std::make_unique<Uranus>(), kProfile) {}

Uranus& UranusDocument::planet() { return static_cast<Uranus&>(body()); }

}  // namespace vantorel
