#include "planets/CVenusDoc.h"

#include "engine/VENUS.h"

namespace vantorel {

const PlanetDocProfile CVenusDoc::kProfile = {
    kTitleVenus, {"   VENUS", "   VENUS", "   VENUS"}, {"        ", "        ", "        "}, "      ", 5, 12103.8, false, 63.0f, 9.65f, "        "};

CVenusDoc::CVenusDoc(const DATE_TIME& blank, Settings& settings)
    : CPlanetDoc(blank, settings, std::make_unique<VENUS>(), kProfile) {}

VENUS& CVenusDoc::planet() { return static_cast<VENUS&>(body()); }

}  // namespace vantorel
