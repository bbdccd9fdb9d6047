#include "common/settings/SiteChoice.h"

#include "common/site/CityCatalogue.h"

namespace vantorel {

SiteChoice siteChoiceOf(const City& city) {
    return SiteChoice{city.latitudeDeg, city.longitudeDeg, city.zoneName};
}

}  // namespace vantorel
