#include "sky/SkyChartDocument.h"

#include <cmath>

#include "common/text/DateText.h"
#include "engine/Angles.h"
#include "engine/RiseTransitSet.h"

namespace vantorel {

namespace {

double turn(double deg) {
    const double r = std::fmod(deg, 360.0);
    return r < 0 ? r + 360.0 : r;
}

}  // namespace

void SkyChartDocument::compute() {
    ChartDocument::compute();
    earthSun.computeSunPhysical(dateTime);
    moon.computeMoon(dateTime, earthSun.sunDiscLongitude, false);
    moon.computeIlluminatedFraction(earthSun.sunRa, earthSun.sunDec, earthSun.sunDistance);
    redraw = true;
}

std::optional<DocTypeId> SkyChartDocument::bodyWindow(int index) {
    switch (index) {
    case 1: return DocTypeId::Mercury;
    case 2: return DocTypeId::Venus;
    case 3: return DocTypeId::Mars;
    case 4: return DocTypeId::Jupiter;
    case 5: return DocTypeId::Saturn;
    case 6: return DocTypeId::Moon;
    case 7: return DocTypeId::Uranus;
    default: return std::nullopt;
    }
}

double SkyChartDocument::localSiderealTimeDeg() const {
    return turn(greenwichMeanSiderealDeg(dateTime.JD) - dateTime.longitudeWest());
}

std::vector<SkyBody> SkyChartDocument::bodies() const {
    const int lang = settings().languageIndex();
    const auto planet = [](const char* label, int r, int g, int b, const Planet& p, bool above) {
        return SkyBody{label, {r, g, b}, turn(p.ra), p.dec, above};
    };
    const PlanetSet& ps = planets;
    return {
        SkyBody{pickText(lang, "Sun", "Soleil", "Sol"), {255, 255, 0}, turn(earthSun.sunRa),
                earthSun.sunDec, true},
        planet("M", 192, 192, 192, ps.mercury, true),
        planet("V", 0, 255, 255, ps.venus, true),
        planet("Ma", 255, 0, 0, ps.mars, true),
        planet("J", 255, 255, 0, ps.jupiter, true),
        planet("S", 255, 0, 255, ps.saturn, false),
        SkyBody{pickText(lang, "Moon", "Lune", "Luna"), {255, 255, 255},
                turn(toDeg(moon.rightAscension)), toDeg(moon.declination), false},
        planet("U", 128, 0, 128, ps.uranus, false),
        planet("N", 0, 128, 128, ps.neptune, false),
        planet("P", 128, 128, 128, ps.pluto, false),
    };
}

std::string SkyChartDocument::windowTitleText() const {
    return std::string(pickText(settings().languageIndex(), "Sky", "Ciel", "Cielo")) + " -- " +
           unlabelledDateText(settings().dateFormatIndex(), dateTime.localYear, dateTime.localMonth,
                              dateTime.localDay) +
           "     ";
}


}  // namespace vantorel
