#include "satellites/CJupiterDoc.h"

#include <cstdio>

#include "app/Settings.h"
#include "app/SettingsFile.h"
#include "engine/JUPITER.h"
#include "planets/PanelText.h"
#include "satellites/JupiterMotion.h"
#include "satellites/PhenomenaFiles.h"

namespace vantorel {

namespace {
const TextTriple kSystem1Label{"Syst. I ", "Syst. I ", "Sist. I "};
const TextTriple kSystem2Label{"Syst. II ", "Syst. II ", "Sist. II "};
const TextTriple kRefused{"The longitude entered is not valid.", "La longitude entrée n'est pas valide.",
                          "La longitud introducida no es válida."};
}  // namespace

const PlanetDocProfile CJupiterDoc::kProfile = {
    kTitleJupiter,
    {"  JUPITER", "  JUPITER", "  JUPITER"},
    {"Red Spot transit", "Transit de la tache", "Mancha roja"},
    "        ",
    5,
    kPlanetDiameterKm,
    false,
    50.1f,
    29.8f,
    "Syst. II "};

CJupiterDoc::CJupiterDoc(const DATE_TIME& blank, Settings& settings)
    : CPlanetDoc(blank, settings, std::make_unique<JUPITER>(), kProfile) {
    const int g = settings.redSpotLongitude;
    redSpotLongitude_ = (g >= 0 && g <= 359) ? g : 0;
}

JUPITER& CJupiterDoc::planet() { return static_cast<JUPITER&>(body()); }
const JUPITER& CJupiterDoc::planet() const { return static_cast<const JUPITER&>(body()); }

const char* CJupiterDoc::redSpotRefusedMessage(int language) { return kRefused(language); }

bool CJupiterDoc::setRedSpotLongitude(int longitude) {
    if (longitude < 0 || longitude > 359) return false;
    redSpotLongitude_ = longitude;
    SettingsFile::writeRedSpotLongitude(settings(), longitude);
    computeBody();
    if (isActive) refreshPanel = true;
    redrawViews();
    return true;
}

void CJupiterDoc::computeExtras() {
    JUPITER& j = planet();
    settings().redSpotLongitude = redSpotLongitude_;
    j.frenchCodes = language() == kFrench;
    redSpot_ = findRedSpotTransits(dt, earthSun, j, redSpotLongitude_);
    satellitesRedraw = true;
    informationComputed = true;
}

void CJupiterDoc::fillExtras(BodyDataRecord& r) const {
    const JUPITER& j = planet();
    const int lang = language();
    r.centralLongitudeLabel2 = kSystem2Label(lang);
    r.centralLongitudeValue = centralLongitudeText(j.system1Deg);
    r.centralLongitudeValue2 = centralLongitudeText(j.system2Deg);
    r.centralLongitudeValue3 = kSystem1Label(lang);
    r.seasonName = redSpot_.slots[0];
    r.seasonAngle = redSpot_.slots[1];
    r.seasonSpare = redSpot_.slots[2];
}

void CJupiterDoc::computeSatellitesForDrawing() {
    JUPITER& j = planet();
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

bool CJupiterDoc::findDayPhenomena(SearchMode mode) {
    JUPITER& j = planet();
    JupiterMotion motion(j, earthSun);
    const LocalMinute day{static_cast<int>(dt.localYear), static_cast<int>(dt.localMonth),
                          static_cast<int>(dt.localDay), 0, 0};
    const bool fromFile =
        vantorel::findDayPhenomena(day, dt.zoneHours, dt.zoneMinutes, j, motion, mode);
    // The search moved the planet; bring it back to the document's instant.
    computeBody();
    return fromFile;
}

}  // namespace vantorel
