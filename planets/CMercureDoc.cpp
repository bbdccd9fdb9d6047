#include "planets/CMercureDoc.h"

#include "engine/MERCURE.h"

namespace vantorel {

const PlanetDocProfile CMercureDoc::kProfile = {
    kTitleMercury, {"MERCURY", "MERCURE", "MERCURIO"}, {"        ", "        ", "        "}, "      ", 5, 4874.4, false, 12.5f, 4.0f, "        "};

CMercureDoc::CMercureDoc(const DATE_TIME& blank, Settings& settings)
    : CPlanetDoc(blank, settings, std::make_unique<MERCURE>(), kProfile) {}

MERCURE& CMercureDoc::planet() { return static_cast<MERCURE&>(body()); }

}  // namespace vantorel
