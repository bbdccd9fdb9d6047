#include "planets/MercuryDocument.h"

#include "engine/Mercury.h"

namespace vantorel {

const PlanetDocProfile MercuryDocument::kProfile = {
    kTitleMercury, {"MERCURY", "MERCURE", "MERCURIO"}, {"        ", "        ", "        "}, "      ", 5, 4874.4, false, 12.5f, 4.0f, "        "};

MercuryDocument::MercuryDocument(const DateTime& blank, Settings& settings)
    : PlanetDocument(blank, settings, std::make_unique<Mercury>(), kProfile) {}

Mercury& MercuryDocument::planet() { return static_cast<Mercury&>(body()); }

}  // namespace vantorel
