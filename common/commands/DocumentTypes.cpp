#include "common/commands/DocumentTypes.h"

#include <cstddef>

#include "common/text/LanguageText.h"

namespace vantorel {

namespace {

constexpr TextTriple kNoTitle{"", "", ""};
constexpr TextTriple kTonightTitle{"Tonight", "Cette nuit", "Esta noche"};
constexpr TextTriple kDataTitle{" Data", " Donn\u00e9es", " Datos"};
// The strip of the satellites is told apart from the disc's window.
constexpr TextTriple kJupiterSatellitesTitle{" Jupiter's satellites", " Satellites de Jupiter",
                                             " Sat\u00e9lites de J\u00fapiter"};

constexpr std::array<DocumentType, kDocTypeCount> kTypes = {{
    {DocTypeId::DataTable, {131, 159, 169},
     MenuKind::Tables, -1, ID_OPEN_DATA_TABLE, -1, kDataTitle, false, nullptr},
    {DocTypeId::Mars, {130, 162, 173}, MenuKind::Mars, -1,
     ID_OPEN_MARS, kTitleMars, kNoTitle, true, "MARS"},
    {DocTypeId::Jupiter, {146, 160, 171},
     MenuKind::Jupiter, -1, ID_OPEN_JUPITER, kTitleJupiter, kNoTitle, true, "JUPITER"},
    {DocTypeId::JupiterSatellites, {146, 160, 171}, MenuKind::Jupiter, -1, ID_OPEN_JUPITER_SATELLITES, -1,
     kJupiterSatellitesTitle, true, nullptr},
    {DocTypeId::Saturn, {153, 166, 176},
     MenuKind::Saturn, -1, ID_OPEN_SATURN, kTitleSaturn, kNoTitle, true, "SATURNE"},
    {DocTypeId::Venus, {155, 168, 178},
     MenuKind::MercuryVenus, -1, ID_OPEN_VENUS, kTitleVenus, kNoTitle, true, " VENUS"},
    {DocTypeId::Mercury, {132, 163, 174},
     MenuKind::MercuryVenus, -1, ID_OPEN_MERCURY, kTitleMercury, kNoTitle, true, "MERCURE"},
    {DocTypeId::Moon, {134, 161, 172}, MenuKind::Moon, -1,
     ID_OPEN_MOON, kTitleMoon, kNoTitle, true, " MOON"},
    {DocTypeId::Uranus, {195, 196, 198},
     MenuKind::Uranus, -1, ID_OPEN_URANUS, kTitleUranus, kNoTitle, true, "URANUS"},
    {DocTypeId::Sky, {157, 167, 177}, MenuKind::Tables, -1,
     ID_OPEN_SKY, kTitleSky, kNoTitle, false, nullptr},
    {DocTypeId::Heliocentric, {147, 158, 170},
     MenuKind::Tables, -1, ID_OPEN_HELIOCENTRIC, kTitleHeliocentric, kNoTitle, false, nullptr},
    {DocTypeId::ZoomedSky, {157, 157, 157},
     MenuKind::Tables, kEnglish, 0, kTitleSky, kNoTitle, false, nullptr},
    // Its view gives itself the title of its night in the program's language.
    {DocTypeId::Tonight, {199, 200, 201}, MenuKind::Tonight, -1, ID_OPEN_TONIGHT, -1, kTonightTitle,
     false, nullptr},
}};

}  // namespace

const std::array<DocumentType, kDocTypeCount>& documentTypes() { return kTypes; }

const DocumentType& documentType(DocTypeId id) { return kTypes[static_cast<std::size_t>(id)]; }

const DocumentType* documentTypeForCommand(int command) {
    if (command == 0) return nullptr;
    for (const DocumentType& t : kTypes)
        if (t.openCommand == command) return &t;
    return nullptr;
}

int menuResourceFor(const DocumentType& type, int language) {
    return type.menuResource[static_cast<std::size_t>(safeLanguage(language))];
}

int mainMenuResource(int language) {
    constexpr int kMain[3] = {129, 164, 175};
    return kMain[safeLanguage(language)];
}

int menuLanguageFor(const DocumentType& type, int language) {
    return type.fixedMenuLanguage >= 0 ? type.fixedMenuLanguage : safeLanguage(language);
}

}  // namespace vantorel
