#include "common/text/BodyDataRecord.h"

#include <cstdlib>

namespace vantorel {

namespace {
std::string* field(BodyDataRecord& r, int index) {
    std::string* fields[BodyDataRecord::kTextCount] = {
        &r.raValue, &r.decValue, &r.magnitudeValue, &r.diameterValue, &r.distanceValue,
        &r.illuminationValue, &r.poleInclinationValue, &r.centralLongitudeValue,
        &r.centralLongitudeValue2, &r.seasonGroupLabel, &r.bodyName, &r.raLabel, &r.decLabel,
        &r.magnitudeLabel, &r.diameterLabel, &r.distanceLabel, &r.illuminationLabel,
        &r.poleInclinationLabel, &r.centralLongitudeLabel, &r.centralLongitudeLabel2,
        &r.centralLongitudeValue3, &r.seasonName, &r.seasonAngle, &r.seasonSpare, &r.scaleText,
        &r.surfaceDetailLabel};
    if (index < 0 || index >= BodyDataRecord::kTextCount) return nullptr;
    return fields[index];
}
}  // namespace

const std::string& BodyDataRecord::text(int index) const {
    static const std::string empty;
    const std::string* f = field(const_cast<BodyDataRecord&>(*this), index);
    return f ? *f : empty;
}

std::string* BodyDataRecord::textField(int index) { return field(*this, index); }

float BodyDataRecord::currentDiameter() const {
    return std::strtof(diameterValue.c_str(), nullptr);
}

}  // namespace vantorel
