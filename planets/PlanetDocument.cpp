#include "planets/PlanetDocument.h"

#include "common/settings/DateTimeCommand.h"
#include "common/settings/Settings.h"
#include "engine/BodySequence.h"
#include "engine/Clock.h"
#include "planets/PanelText.h"
#include "satellites/SatelliteRecordTable.h"

namespace vantorel {
namespace {

const TextTriple kRaLabel{"R.A. :", "Asc.D. :", "AR :"};
const TextTriple kDecLabel{"Declination :", "D\u00e9clinaison :", "Declinaci\u00f3n :"};
const TextTriple kDiameterLabel{"Diameter :", "Diam\u00e8tre :", "Di\u00e1metro :"};
const TextTriple kPoleLabel{"Pole incl. :", "Incl. p\u00f4le :", "Incl. polo :"};
const TextTriple kMagnitudeLabel{"Magnitude :", "Magnitude :", "Magnitud :"};
const TextTriple kDistanceLabel{"Distance :", "Distance :", "Distancia :"};
const TextTriple kIlluminationLabel{"Illumination :", "Illumination :", "Iluminaci\u00f3n :"};
const TextTriple kSurfaceLabel{"Detail on surface ", "D\u00e9tail de surface ",
                               "Detalles         "};
// The central meridian's longitude: ten characters with a blank either side,
// eleven in Spanish.
const TextTriple kCentralLongitudeLabel{" Meridian ", " M\u00e9ridien ", " Meridiano "};

}  // namespace

PlanetDocument::PlanetDocument(const DateTime& blank, Settings& settings, std::unique_ptr<Planet> body,
                       const PlanetDocProfile& profile)
    : dt(blank), settings_(settings), body_(std::move(body)), profile_(profile) {
    projection = settings_.projectionCode();
}

PlanetDocument::~PlanetDocument() = default;

int PlanetDocument::language() const { return settings_.languageIndex(); }

void PlanetDocument::initialise(const Clock& clock) {
    setInitialDate(dt, settings_, clock);
    refreshPanel = false;
    computeBody();
}

void PlanetDocument::computeBody() {
    settings_.placeSite(dt);
    computeBodyDocument(dt, earthSun, planetPlace(*body_), settings_.latitude);
    redrawDisc = true;
    computeExtras();
}

PanelContent PlanetDocument::fillDataPanel() {
    const int lang = language();
    PanelContent out;
    StatusTexts& st = out.status;
    st.date = labelledDateText(lang, settings_.dateFormatIndex(), dt.localYear, dt.localMonth,
                               dt.localDay);
    st.time = timeStatusText(lang, dt);
    st.rise = riseStatusText(lang, dt);
    st.transit = transitStatusText(lang, dt);
    st.set = setStatusText(lang, dt);
    st.altitude = altitudeStatusText(lang, dt);

    const Planet& b = *body_;
    BodyDataRecord& r = out.record;
    r.raValue = rightAscensionText(b.raHours, b.raMinutes, b.raSeconds);
    r.decValue = b.decText;
    r.magnitudeValue = magnitudeText(b.magnitude);
    r.diameterValue = vantorel::diameterText(b.diameterArcsec);
    r.distanceValue = distanceText(b.distanceAU, lang, profile_.distanceDecimals);
    r.illuminationValue = illuminationText(b.illumination);
    r.poleInclinationValue = poleInclinationText(b.poleInclination);
    r.centralLongitudeValue = centralLongitudeText(b.centralLongitudeDeg);
    r.centralLongitudeValue2 = "        ";
    r.seasonGroupLabel = profile_.seasonGroupLabel(lang);
    r.bodyName = profile_.name(lang);
    r.raLabel = kRaLabel(lang);
    r.decLabel = kDecLabel(lang);
    r.magnitudeLabel = kMagnitudeLabel(lang);
    r.diameterLabel = kDiameterLabel(lang);
    r.distanceLabel = kDistanceLabel(lang);
    r.illuminationLabel = kIlluminationLabel(lang);
    r.poleInclinationLabel = kPoleLabel(lang);
    r.centralLongitudeLabel = kCentralLongitudeLabel(lang);
    r.centralLongitudeLabel2 = profile_.centralLongitudeLabel2;
    r.centralLongitudeValue3 = "         ";
    r.seasonName = profile_.seasonFiller;
    r.seasonAngle = profile_.seasonFiller;
    r.seasonSpare = profile_.seasonFiller;
    r.scaleText = vantorel::scaleText(profile_.bodyKm, b.diameterArcsec, profile_.compactScale);
    r.surfaceDetailLabel = kSurfaceLabel(lang);
    r.maximumDiameter = profile_.maximumDiameter;
    r.minimumDiameter = profile_.minimumDiameter;
    fillExtras(r);
    diameterText = r.diameterValue;
    scaleText = r.scaleText;
    return out;
}

void PlanetDocument::computeSatellites(SatelliteRecordTable& table, int aheadMinutes) {
    const int count = table.bodyCount();
    satellites.assign(static_cast<size_t>(count), SatellitePlace{});
    DateTime ahead = dt;
    ahead.localMinute += aheadMinutes;
    ahead.carryLocalTime();
    ahead.computeDate();
    bool found = false;
    for (int k = 1; k <= count; ++k) {
        double first = 0.0;
        double second = 0.0;
        found = table.offsets(k, static_cast<int>(ahead.utYear), static_cast<int>(ahead.utMonth),
                              static_cast<int>(ahead.utDay), static_cast<int>(ahead.utHour),
                              static_cast<int>(ahead.utMinute), first, second, true) ||
                found;
    }
    satellitesAvailable = found;
    if (!found) return;
    for (int k = 1; k <= count; ++k) {
        SatellitePlace& p = satellites[static_cast<size_t>(k - 1)];
        p.present = table.offsets(k, static_cast<int>(dt.utYear), static_cast<int>(dt.utMonth),
                                  static_cast<int>(dt.utDay), static_cast<int>(dt.utHour),
                                  static_cast<int>(dt.utMinute), p.eastArcsec, p.northArcsec);
    }
}

void PlanetDocument::stepOneMinute() {
    if (dt.namedZone) {
        // By the minute of universal time: the clock's hour that the autumn
        // night repeats is followed, not jumped over.
        dt.setInstant(dt.JD + 1.0 / 1440.0);
    } else {
        dt.localMinute += 1;
        dt.carryLocalTime();
    }
    computeBody();
    redrawViews();
}

void PlanetDocument::recomputeAndRefresh() {
    computeBody();
    if (isActive) refreshPanel = true;
    redrawViews();
}

void PlanetDocument::takeCommonDate() {
    vantorel::takeCommonDate(dt, settings_);
    recomputeAndRefresh();
}

void PlanetDocument::applyTimeKey(const TimeStep& step, const Clock& clock) {
    if (step.unit == TimeStepUnit::None) return;
    applyTimeStep(dt, step, clock);
    recomputeAndRefresh();
}

void PlanetDocument::dateChanged() {
    computeBody();
    refreshPanel = true;
    redrawDisc = true;
    redrawViews();
}

}  // namespace vantorel
