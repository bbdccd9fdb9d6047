#pragma once

#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "tonight/NightPlan.h"

// The site options the night commands share (tonight, calendar): --lat,
// --lon, --zone and the Red Spot's longitude, turned into a night request.

namespace vantorel::cli {

std::vector<CliOption> nightSiteOptions();
// The site and zone of a checked line.
NightSite nightSiteFrom(const CliValues& values);
NightRequest nightRequestFrom(const CliValues& values, const CivilDate& date);

// {"jd":..., "local":"YYYY-MM-DDTHH:MM"}, or null.
std::string instantJson(double jd, const TimeZone& zone);
// One event with its kind, body, instant, local time and text.
std::string nightEventJson(const NightEvent& e, int language);

}  // namespace vantorel::cli
