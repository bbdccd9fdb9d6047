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

void computeRiseTransitSetDay(DateTime& dt, EarthSun& es, const BodyPlace& place,
                              double latitudeDeg, double h0, int corrections) {
    const double day = dt.localDay, month = dt.localMonth, year = dt.localYear;
    const double hour = dt.localHour, minute = dt.localMinute;
    const int zoneH = dt.zoneHours, zoneM = dt.zoneMinutes;

    // A day 0 or one beyond the month is left to the Julian-day formula.
    double places[6];
    dt.zoneHours = dt.zoneMinutes = 0;
    dt.localHour = dt.localMinute = 0;
    DateTime dayStart;
    for (int k = 0; k < 3; ++k) {
        dt.localDay = day + (k - 1);
        dt.computeDate();
        dt.computeNutation();
        if (k == 1) dayStart = dt;
        place(dt, es, places[k], places[k + 3]);
    }
    // Repeated corrections take the body's own place at each trial instant.
    PlaceAtDayFraction exactPlace;
    if (corrections > 1) {
        exactPlace = [&](double m, double& raDeg, double& decDeg) {
            DateTime at = dayStart;
            at.setJulianDay(dayStart.JD + m);
            at.computeNutation();
            place(at, es, raDeg, decDeg);
        };
    }

    dt.localDay = day;
    dt.localMonth = month;
    dt.localYear = year;
    dt.localHour = hour;
    dt.localMinute = minute;
    dt.zoneHours = zoneH;
    dt.zoneMinutes = zoneM;
    dt.computeDate();
    dt.computeSiderealTime();
    dt.computeRiseTransitSet(places, h0, dt.longitudeWest(), latitudeDeg, corrections, exactPlace);
    dt.riseSetToLocal();
}

void computePlaceAndAltitude(DateTime& dt, EarthSun& es, const BodyPlace& place,
                             double latitudeDeg) {
    dt.computeNutation();
    double ra = 0, dec = 0;
    place(dt, es, ra, dec);
    dt.computeAltitude(ra, dec / kDegPerRad, latitudeDeg);
}

void computeBodyDocument(DateTime& dt, EarthSun& es, const BodyPlace& place, double latitudeDeg,
                         double h0, int corrections) {
    computeRiseTransitSetDay(dt, es, place, latitudeDeg, h0, corrections);
    dt.computeDate();
    computePlaceAndAltitude(dt, es, place, latitudeDeg);
}

}  // namespace vantorel
