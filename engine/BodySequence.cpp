#include "engine/BodySequence.h"

#include "engine/Angles.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/Planet.h"

namespace vantorel {

BodyPlace planetPlace(Planet& planet) {
    return [&planet](DateTime& dt, EarthSun& es, double& raDeg, double& decDeg) {
        es.computeSun(dt.T);
        es.computeEarth(dt);
        planet.computePosition(dt, es);
        planet.computePhysical(dt, es);
        raDeg = planet.ra;
        decDeg = planet.dec;
    };
}

BodyPlace sunPlace() {
    return [](DateTime& dt, EarthSun& es, double& raDeg, double& decDeg) {
        es.computeSun(dt.T);
        es.computeEarth(dt);
        es.computeSunPhysical(dt);
        raDeg = es.sunRa;
        decDeg = es.sunDec;
    };
}

void computeInstant(DateTime& dt, EarthSun& es, const BodyPlace& place) {
    dt.computeDate();
    dt.computeNutation();
    double ra = 0, dec = 0;
    place(dt, es, ra, dec);
}

PlaceAtInstant placeAtInstant(const DateTime& like, EarthSun& es, const BodyPlace& place,
                              double h0) {
    return [like, &es, place, h0](double jdUt) {
        DateTime at = like;
        at.setJulianDay(jdUt);
        at.computeNutation();
        SkyPlace p;
        place(at, es, p.raDeg, p.decDeg);
        p.riseAltitudeRad = h0;
        return p;
    };
}

void computeRiseTransitSetDay(DateTime& dt, const PlaceAtInstant& place, double latitudeDeg,
                              bool refineAtOwnPlace) {
    const LocalDay day = localDayOf(dt);
    const DayEvents events =
        findDayEvents(day, place, latitudeDeg, -dt.longitudeWest(), refineAtOwnPlace);
    auto put = [&day](const std::optional<double>& jd, bool& onDate, int& hour, int& minute) {
        onDate = jd.has_value();
        const int clock = onDate ? day.clockMinute(*jd) : 0;
        hour = clock / 60;
        minute = clock % 60;
    };
    put(events.riseJd, dt.riseOnDate, dt.riseHour, dt.riseMinute);
    put(events.transitJd, dt.transitOnDate, dt.transitHour, dt.transitMinute);
    put(events.setJd, dt.setOnDate, dt.setHour, dt.setMinute);
    dt.riseHourAngle = static_cast<float>(events.riseHourAngleRad);
    dt.riseSetCondition = events.condition;
    dt.computeDate();
    dt.computeSiderealTime();
}

void computeRiseTransitSetDay(DateTime& dt, EarthSun& es, const BodyPlace& place,
                              double latitudeDeg, double h0) {
    computeRiseTransitSetDay(dt, placeAtInstant(dt, es, place, h0), latitudeDeg);
}

void computePlaceAndAltitude(DateTime& dt, EarthSun& es, const BodyPlace& place,
                             double latitudeDeg) {
    dt.computeNutation();
    double ra = 0, dec = 0;
    place(dt, es, ra, dec);
    dt.computeAltitude(ra, dec / kDegPerRad, latitudeDeg);
}

void computeBodyDocument(DateTime& dt, EarthSun& es, const BodyPlace& place, double latitudeDeg,
                         double h0) {
    computeRiseTransitSetDay(dt, es, place, latitudeDeg, h0);
    dt.computeDate();
    computePlaceAndAltitude(dt, es, place, latitudeDeg);
}

}  // namespace vantorel
