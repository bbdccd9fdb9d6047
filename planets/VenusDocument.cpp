#include "planets/VenusDocument.h"

#include "engine/Venus.h"

namespace vantorel {

const PlanetDocProfile VenusDocument::kProfile = {
    kTitleVenus, {"   VENUS", "   VENUS", "   VENUS"}, {"        ", "        ", "        "}, "      ", 5, 12103.8, false, 63.0f, 9.65f, "        "};

VenusDocument::VenusDocument(const DateTime& blank, Settings& settings)
    : PlanetDocument(blank, settings, std::make_unique<Venus>(), kProfile) {}

Venus& VenusDocument::planet() { return static_cast<Venus&>(body()); }

}  // namespace vantorel
