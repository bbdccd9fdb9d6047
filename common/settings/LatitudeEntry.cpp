#include "common/settings/LatitudeEntry.h"

#include <cmath>

#include "common/settings/SettingsFile.h"

namespace vantorel {

LatitudeCheck checkLatitude(long long degrees, long long minutes) {
    if (degrees < 0 || degrees > 90) return LatitudeCheck::BadDegrees;
    if (minutes < 0 || minutes > 59 || (degrees == 90 && minutes > 0))
        return LatitudeCheck::BadMinutes;
    return LatitudeCheck::Valid;
}

LatitudeCheck checkSite(const LatitudeEntry& entry) {
    const LatitudeCheck latitude = checkLatitude(entry.degrees, entry.minutes);
    if (latitude != LatitudeCheck::Valid || !entry.longitude) return latitude;
    switch (checkLongitude(entry.longitude->degrees, entry.longitude->minutes)) {
    case LongitudeCheck::BadDegrees: return LatitudeCheck::BadLongitudeDegrees;
    case LongitudeCheck::BadMinutes: return LatitudeCheck::BadLongitudeMinutes;
    default: return LatitudeCheck::Valid;
    }
}

TextTriple latitudeMessage(LatitudeCheck check) {
    switch (check) {
    case LatitudeCheck::BadLongitudeDegrees: return longitudeMessage(LongitudeCheck::BadDegrees);
    case LatitudeCheck::BadLongitudeMinutes: return longitudeMessage(LongitudeCheck::BadMinutes);
    case LatitudeCheck::BadDegrees:
        return {"The latitude is not valid (0 - 90 degrees) ",
                "La latitude saisie n'est pas valide (0 - 90 degrés) ",
                "Latitud inválida (0 - 90 grados) "};
    case LatitudeCheck::BadMinutes:
        return {"The latitude is not valid (0 - 59 minutes) ",
                "La latitude saisie n'est pas valide (0 - 59 minutes) ",
                "Latitud inválida (0 - 59 minutos) "};
    default: return {"", "", ""};
    }
}

LatitudeEntry latitudeEntryOf(float latitude) {
    const double magnitude = std::fabs(static_cast<double>(latitude));
    long long degrees = static_cast<long long>(magnitude);
    long long minutes = std::llround((magnitude - static_cast<double>(degrees)) * 60.0);
    if (minutes >= 60) {
        ++degrees;
        minutes -= 60;
    }
    return {degrees, minutes, latitude < 0.0f, std::nullopt};
}

LatitudeEntry siteEntryOf(const Settings& s) {
    LatitudeEntry entry = latitudeEntryOf(s.latitude);
    if (s.longitude) entry.longitude = longitudeEntryOf(*s.longitude);
    return entry;
}

bool crossesHemisphere(float oldLatitude, float newLatitude) {
    return (oldLatitude <= 0.0f && newLatitude > 0.0f) || (oldLatitude > 0.0f && newLatitude < 0.0f);
}

bool applyLatitude(Settings& s, const LatitudeEntry& entry) {
    const float old = s.latitude;
    const bool written = SettingsFile::writeLatitude(s, static_cast<int>(entry.degrees),
                                                     static_cast<int>(entry.minutes), entry.south);
    if (crossesHemisphere(old, s.latitude)) s.hemisphereChanged = true;
    return applyLongitude(s, entry.longitude) && written;
}

}  // namespace vantorel
