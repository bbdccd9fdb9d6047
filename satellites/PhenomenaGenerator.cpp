#include "satellites/PhenomenaGenerator.h"

#include <algorithm>
#include <filesystem>

#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "satellites/JupiterMotion.h"
#include "satellites/JupiterSystem.h"
#include "satellites/RedSpotSearch.h"

namespace vantorel {

namespace {

TextFileRequest asYearly(const TextFileRequest& r) {
    TextFileRequest yearly = r;
    yearly.unit = PeriodUnit::Year;
    yearly.count = 1;
    return yearly;
}

}  // namespace

std::string validateGeneratorRequest(const GeneratorRequest& request) {
    return validateTextFileRequest(request.yearlyFile ? asYearly(request.text) : request.text);
}

int generatorDays(const GeneratorRequest& request) {
    LocalMinute first;
    const int days = requestDays(request.yearlyFile ? asYearly(request.text) : request.text, first);
    return request.yearlyFile ? days + 1 : days;
}

std::string generatorFileName(const GeneratorRequest& request) {
    return request.yearlyFile ? yearlyFileName(request.text.year) : request.text.path;
}

GeneratorPeriod generatorPeriod(const GeneratorRequest& request) {
    GeneratorPeriod period;
    const int days = requestDays(request.yearlyFile ? asYearly(request.text) : request.text, period.first);
    period.last = addMinutes(period.first.year, period.first.month, period.first.day,
                             static_cast<long>(std::max(days, 1) - 1) * 1440);
    return period;
}

bool generatorReplacesAFile(const GeneratorRequest& request) {
    if (request.yearlyFile) return false;
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(request.text.path, ec));
}

FileResult runGenerator(const GeneratorRequest& request, const GenerationProgress& progress,
                        const GenerationCancel* cancel) {
    FileResult result;
    result.message = validateGeneratorRequest(request);
    if (!result.message.empty()) return result;
    JupiterSystem jupiter;
    EarthSun earthSun;
    JupiterMotion motion(jupiter, earthSun);
    if (request.yearlyFile)
        return generateYearlyFile(request.text.year, jupiter, motion, request.mode,
                                  request.text.language, progress, cancel);
    const TextFileRequest& r = request.text;
    Jupiter spotPlanet;
    EarthSun spotSun;
    const int longitude =
        request.redSpotLongitude >= 0 && request.redSpotLongitude <= 359 ? request.redSpotLongitude : 0;
    return generateTextFile(
        r, jupiter, motion, request.mode,
        [&](const LocalMinute& day) {
            DateTime dt;
            dt.setLocal(day.year, day.month, day.day, 0, 0, 0, 0);
            dt.setZone(r.zone);
            return findRedSpotTransits(dt, spotSun, spotPlanet, longitude).slots;
        },
        progress, cancel);
}

}  // namespace vantorel
