#include "moon/MoonDocument.h"

#include <cstdio>

#include "common/text/LanguageText.h"
#include "engine/Angles.h"
#include "engine/Clock.h"
#include "moon/MoonPlace.h"
#include "planets/PanelText.h"

namespace vantorel {

namespace {

// Colongitudes from which the Lunar X still lies ahead: the search starts a
// day or two before the first quarter, some 3 to 30 degrees short of it.
constexpr double kBeforeLunarXFrom = 180.0;

std::string printf1(const char* fmt, double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, fmt, v);
    return buf;
}

}  // namespace

MoonDocument::MoonDocument(const Settings& settings) : settings_(settings) {}

void MoonDocument::newDocument(const Clock& clock) {
    if (settings_.useCommonDate) {
        const DateTime& c = settings_.commonDate;
        dateTime.setLocal(static_cast<int>(c.localYear), static_cast<int>(c.localMonth),
                          static_cast<int>(c.localDay), static_cast<int>(c.localHour),
                          static_cast<int>(c.localMinute), settings_.zoneHours,
                          settings_.zoneMinutes);
    } else {
        setFromClock(dateTime, clock);
    }
    imageDirty = panelDirty = phasesRefresh = lunarXRefresh = active = false;
    computeFull();
}

void MoonDocument::setDate(int year, int month, int day, int hour, int minute) {
    dateTime.setLocal(year, month, day, hour, minute, settings_.zoneHours, settings_.zoneMinutes);
    computeFull();
}

void MoonDocument::computeInstant(bool searchMode) {
    dateTime.computeDate();
    dateTime.computeNutation();
    earthSun.computeSun(dateTime.T);
    earthSun.computeSunPhysical(dateTime);
    earthSun.computeEarth(dateTime);
    moon.computeMoon(dateTime, earthSun.sunDiscLongitude, searchMode);
}

void MoonDocument::computeFull() {
    moon.resetPhaseSlots();
    settings_.placeSite(dateTime);
    computeInstant(false);
    moon.computeIlluminatedFraction(earthSun.sunRa, earthSun.sunDec, earthSun.sunDistance);
    computeEvents();
    imageDirty = true;
}

void MoonDocument::computeEvents() {
    events = dateTime;
    computeMoonRiseTransitSet(events, settings_.latitude);
    EarthSun sun;
    MoonTheory probe;
    computePlaceAndAltitude(events, sun, moonPlace(probe), settings_.latitude);
}

void MoonDocument::updateStep() {
    phasesRefresh = lunarXRefresh = true;
    computeFull();
    if (active) panelDirty = true;
}

int MoonDocument::applyDate(int day, int month, int year, int hour, int minute) {
    DateTime candidate = dateTime;
    candidate.localDay = day;
    candidate.localMonth = month;
    candidate.localYear = year;
    candidate.localHour = hour;
    candidate.localMinute = minute;
    if (const int code = candidate.validateDate(); code != kDateValid) return code;
    if (const int code = candidate.validateTime(); code != kDateValid) return code;
    if (month != static_cast<int>(dateTime.localMonth) ||
        year != static_cast<int>(dateTime.localYear))
        phasesRefresh = lunarXRefresh = true;
    const bool changed = day != static_cast<int>(dateTime.localDay) ||
                         month != static_cast<int>(dateTime.localMonth) ||
                         year != static_cast<int>(dateTime.localYear) ||
                         hour != static_cast<int>(dateTime.localHour) ||
                         minute != static_cast<int>(dateTime.localMinute);
    if (changed) {
        dateTime.setLocal(year, month, day, hour, minute, settings_.zoneHours,
                          settings_.zoneMinutes);
        computeFull();
        panelDirty = true;
    }
    return kDateValid;
}

void MoonDocument::addMinutes(int minutes) {
    dateTime.localMinute += minutes;
    // carryLocalTime moves at most one day per call.
    for (int guard = 0; guard < 64 && (dateTime.localMinute > 59 || dateTime.localHour > 23);
         ++guard)
        dateTime.carryLocalTime();
}

bool MoonDocument::stepToLunarX(int firstMinute, int lastMinute, int& minute) {
    for (minute = firstMinute; minute <= lastMinute; ++minute) {
        computeInstant(true);
        if (moon.lunarXFound) return true;
        addMinutes(1);
    }
    return false;
}

int MoonDocument::searchFirstQuarter(bool minuteByMinute, int boundMinutes) {
    const DateTime start = dateTime;
    int minute = 0;
    moon.clearLunarXFound();
    if (minuteByMinute) return stepToLunarX(0, boundMinutes - 1, minute) ? 1 : 0;

    // Whole hours with the test disarmed, while the colongitude stays short of
    // the window; it grows by about half a degree an hour and the window is
    // 0.6 degree wide, so the first minute inside it lies in the last hour.
    moon.lunarXFound = true;
    computeInstant(true);
    double c = moon.colongitude;
    int from = 0, to = boundMinutes - 1;
    if (c >= kBeforeLunarXFrom && c < MoonTheory::kLunarXLow) {
        int at = 0;
        for (;;) {
            const int next = at + 60 < boundMinutes - 1 ? at + 60 : boundMinutes - 1;
            if (next <= at) return 0;
            addMinutes(next - at);
            moon.lunarXFound = true;
            computeInstant(true);
            c = moon.colongitude;
            if (c >= MoonTheory::kLunarXLow || c < kBeforeLunarXFrom) {
                from = at + 1;
                to = next;
                break;
            }
            at = next;
        }
    }
    dateTime = start;
    addMinutes(from);
    moon.clearLunarXFound();
    return stepToLunarX(from, to, minute) ? 1 : 0;
}

int MoonDocument::searchLunarX(bool minuteByMinute, int boundMinutes) {
    const DateTime saved = dateTime;
    const double month = dateTime.localMonth, year = dateTime.localYear;
    moon.setLunarXCount(0);
    lunarXCount = 2;
    int bounded = 0;
    for (int i = 0; i < MoonTheory::kFirstQuarterCount; ++i) {
        const MoonPhaseRecord quarter = moon.firstQuarters[i];
        if (quarter.empty() || quarter.month < static_cast<int>(month) ||
            quarter.year != static_cast<int>(year))
            continue;
        if (searchQuarter(quarter, minuteByMinute, boundMinutes))
            ++lunarXCount;
        else
            ++bounded;
    }
    restoreInstant(saved);
    return bounded;
}

std::optional<CalendarTime> MoonDocument::searchLunarXOfQuarter(const MoonPhaseRecord& quarter) {
    if (quarter.empty() || quarter.kind != kFirstQuarter) return std::nullopt;
    const DateTime saved = dateTime;
    moon.setLunarXCount(0);
    moon.lunarXFilled[0] = false;
    const bool found = searchQuarter(quarter, false, kLunarXSearchMinutes) && moon.lunarXFilled[0];
    const CalendarTime at = moon.lunarXInstants[0];
    restoreInstant(saved);
    if (!found) return std::nullopt;
    return at;
}

bool MoonDocument::searchQuarter(const MoonPhaseRecord& quarter, bool minuteByMinute,
                                 int boundMinutes) {
    dateTime.localDay = quarter.day - 1;  // day 0 reads as the previous month's last
    dateTime.localMonth = quarter.month;
    dateTime.localYear = quarter.year;
    dateTime.localHour = 0;
    dateTime.localMinute = 0;
    dateTime.normaliseLocalDate();
    return searchFirstQuarter(minuteByMinute, boundMinutes) != 0;
}

void MoonDocument::restoreInstant(const DateTime& saved) {
    dateTime.localDay = saved.localDay;
    dateTime.localMonth = saved.localMonth;
    dateTime.localYear = saved.localYear;
    dateTime.localHour = saved.localHour;
    dateTime.localMinute = saved.localMinute;
    computeInstant(false);
    moon.computeIlluminatedFraction(earthSun.sunRa, earthSun.sunDec, earthSun.sunDistance);
}

BodyDataRecord MoonDocument::panel() const {
    const int lang = settings_.languageIndex();
    BodyDataRecord r;
    r.bodyName = pickText(lang, "    MOON", "    LUNE", "    LUNA");
    r.raLabel = pickText(lang, "R.A. :", "Asc.D. :", "AR :");
    r.decLabel = pickText(lang, "Declination :", "D\u00e9clinaison :", "Declinaci\u00f3n :");
    r.diameterLabel = pickText(lang, "Diameter :", "Diam\u00e8tre :", "Di\u00e1metro :");
    r.distanceLabel = pickText(lang, "Distance :", "Distance :", "Distancia :");
    r.illuminationLabel = pickText(lang, "Illumination :", "Illumination :", "Iluminaci\u00f3n :");
    r.poleInclinationLabel =
        pickText(lang, "Colongitude :", "Colongitude :", "Colongitud :");
    r.centralLongitudeLabel = pickText(lang, " Libration ", " Libration ", " Libraci\u00f3n ");
    r.centralLongitudeValue = "Longit.";
    r.centralLongitudeLabel2 = pickText(lang, "Latitude", "Latitude", "Latitud");
    r.seasonGroupLabel = pickText(lang, "  Age:", "  \u00c2ge :", "  Edad:");
    r.surfaceDetailLabel =
        pickText(lang, "Detail on surface ", "D\u00e9tail de surface ", "Detalles          ");

    r.raValue = rightAscensionText(moon.raHours, moon.raMinutes, moon.raSeconds);
    r.decValue = formatDeclination(toDeg(moon.declination));
    r.diameterValue = printf1("%02.1f'", moon.apparentDiameter);
    r.distanceValue = std::to_string(static_cast<int>(moon.displayDistance)) + " km";
    r.illuminationValue = illuminationText(moon.illuminatedFraction);
    r.poleInclinationValue = centralLongitudeText(moon.colongitude);
    r.centralLongitudeValue2 = printf1("%02.2f\u00b0", moon.librationLongitude);
    r.centralLongitudeValue3 = printf1("%02.2f\u00b0", toDeg(moon.librationLatitude));
    char age[32];
    if (moon.moonAge == 1)
        std::snprintf(age, sizeof age, pickText(lang, "%d day", "%d jour", "%d d\u00eda"), moon.moonAge);
    else
        std::snprintf(age, sizeof age, pickText(lang, "%d days", "%d jours", "%d d\u00edas"),
                      moon.moonAge);
    r.seasonName = age;
    r.scaleText = moon.apparentDiameter > 0
                      ? printf1("1\" = %.2f km", 3476.0 / (moon.apparentDiameter * 60.0))
                      : "1\" = -- km";
    r.maximumDiameter = 33.5f;
    r.minimumDiameter = 29.36f;
    return r;
}

StatusTexts MoonDocument::statusTexts() const {
    StatusTexts s;
    s.date = labelledDateText(settings_.languageIndex(), settings_.dateFormatIndex(),
                              dateTime.localYear, dateTime.localMonth, dateTime.localDay);
    s.time = timeStatusText(settings_.languageIndex(), dateTime);
    const int lang = settings_.languageIndex();
    s.rise = riseStatusText(lang, events);
    s.transit = transitStatusText(lang, events);
    s.set = setStatusText(lang, events);
    s.altitude = altitudeStatusText(lang, events);
    return s;
}

std::string MoonDocument::windowTitleText() const {
    return std::string(windowTitle(settings_.languageIndex(), kTitleMoon)) + " -- " +
           unlabelledDateText(settings_.dateFormatIndex(), dateTime.localYear, dateTime.localMonth,
                              dateTime.localDay) +
           "     ";
}

}  // namespace vantorel
