#include "satellites/JupiterDocument.h"

#include <cstdio>

#include "common/settings/Settings.h"
#include "common/settings/SettingsFile.h"
#include "planets/PanelText.h"
#include "satellites/JupiterMotion.h"
#include "satellites/JupiterSystem.h"
#include "satellites/PhenomenaFiles.h"

namespace vantorel {

namespace {
const TextTriple kSystem1Label{"Syst. I ", "Syst. I ", "Sist. I "};
const TextTriple kSystem2Label{"Syst. II ", "Syst. II ", "Sist. II "};
const TextTriple kRefused{"The longitude entered is not valid.", "La longitude entrée n'est pas valide.",
                          "La longitud introducida no es válida."};
}  // namespace

const PlanetDocProfile JupiterDocument::kProfile = {
    kTitleJupiter,
    {"  JUPITER", "  JUPITER", "  J\u00daPITER"},
    {"Red Spot transit", "Transit de la tache rouge", "Mancha roja"},
    "        ",
    5,
    kPlanetDiameterKm,
    false,
    50.1f,
    29.8f,
    "Syst. I "};

JupiterDocument::JupiterDocument(const DateTime& blank, Settings& settings)
    : PlanetDocument(blank, settings, std::make_unique<JupiterSystem>(), kProfile) {
    const int g = settings.redSpotLongitude;
    redSpotLongitude_ = (g >= 0 && g <= 359) ? g : 0;
}

JupiterSystem& JupiterDocument::planet() { return static_cast<JupiterSystem&>(body()); }
const JupiterSystem& JupiterDocument::planet() const { return static_cast<const JupiterSystem&>(body()); }

const char* JupiterDocument::redSpotRefusedMessage(int language) { return kRefused(language); }

bool JupiterDocument::setRedSpotLongitude(int longitude) {
    if (longitude < 0 || longitude > 359) return false;
    redSpotLongitude_ = longitude;
    SettingsFile::writeRedSpotLongitude(settings(), longitude);
    computeBody();
    if (isActive) refreshPanel = true;
    redrawViews();
    return true;
}

void JupiterDocument::computeExtras() {
    JupiterSystem& j = planet();
    settings().redSpotLongitude = redSpotLongitude_;
    j.frenchCodes = language() == kFrench;
    redSpot_ = findRedSpotTransits(dt, earthSun, j, redSpotLongitude_);
    satellitesRedraw = true;
    informationComputed = true;
}

void JupiterDocument::fillExtras(BodyDataRecord& r) const {
    const JupiterSystem& j = planet();
    const int lang = language();
    // Two columns, each system's longitude above its name: System I on the
    // left (1040 over 1044), System II on the right (1041 over 1045).
    r.centralLongitudeValue = centralLongitudeText(j.system1Deg);
    r.centralLongitudeLabel2 = kSystem1Label(lang);
    r.centralLongitudeValue2 = centralLongitudeText(j.system2Deg);
    r.centralLongitudeValue3 = kSystem2Label(lang);
    r.seasonName = redSpot_.slots[0];
    r.seasonAngle = redSpot_.slots[1];
    r.seasonSpare = redSpot_.slots[2];
}

void JupiterDocument::computeSatellitesForDrawing() {
    JupiterSystem& j = planet();
    char label[32];
    std::snprintf(label, sizeof label, "%02.0f    %02.0f  %02.0f", dt.localDay,
                  dt.localHour - 24, dt.localMinute);
    const bool wasQuery = j.queryMode, wasRecording = j.recording;
    // The lasting states of an earlier instant must not hide a satellite
    // that has since come round in front of the disc: every state is taken
    // from this instant alone.
    j.resetDetector();
    j.queryMode = true;
    j.recording = false;
    j.computeSatellites(dt, label, earthSun);
    j.queryMode = wasQuery;
    j.recording = wasRecording;
}

bool JupiterDocument::findDayPhenomena(SearchMode mode) {
    JupiterSystem& j = planet();
    JupiterMotion motion(j, earthSun);
    const LocalMinute day{static_cast<int>(dt.localYear), static_cast<int>(dt.localMonth),
                          static_cast<int>(dt.localDay), 0, 0};
    const bool fromFile =
        vantorel::findDayPhenomena(day, dt.timeZone(), j, motion, mode);
    // The search moved the planet; bring it back to the document's instant.
    computeBody();
    return fromFile;
}

}  // namespace vantorel
