// vantorel-cli cities: the cities of the list matching a name, with their
// coordinates and time zones.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliOptions.h"
#include "common/files/Paths.h"
#include "common/site/CityCatalogue.h"

namespace vantorel::cli {
namespace {

std::string degrees(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.4f", v);
    return buf;
}

// The shortest text that reads back as the same double (the list's own
// digits, not 42.969999999999999).
std::string shortest(double v) {
    char buf[32];
    const auto result = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, result.ptr);
}

// Characters as a terminal shows them: one per code point for the Latin
// names of the list.
size_t shownWidth(const std::string& s) {
    size_t shown = 0;
    for (const char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++shown;
    return shown;
}

std::string padded(const std::string& s, size_t width) {
    return s + std::string(width > shownWidth(s) ? width - shownWidth(s) : 0, ' ');
}

std::string statusText(CityCatalogue::Status status) {
    switch (status) {
    case CityCatalogue::Status::Ok: break;
    case CityCatalogue::Status::Missing: return "is missing";
    case CityCatalogue::Status::Unreadable: return "cannot be read";
    case CityCatalogue::Status::NotACityList: return "is not a list of cities";
    case CityCatalogue::Status::NoCities: return "holds no valid city";
    }
    return "";
}

int runCities(const CliValues& values, std::ostream& out, std::ostream& err) {
    const std::filesystem::path path = Paths::dataFile(CityCatalogue::kFileName);
    const CityCatalogue list = CityCatalogue::load(path);
    if (!list.ok()) {
        err << "vantorel-cli cities: the city list "
            << (path.empty() ? std::string(CityCatalogue::kFileName) : path.string()) << " "
            << statusText(list.status()) << "\n";
        return 1;
    }
    if (const int n = list.skippedLines(); n > 0)
        err << "vantorel-cli cities: skipped " << n << (n == 1 ? " damaged line" : " damaged lines")
            << " of " << path.string() << "\n";

    const std::string& text = values.text("match");
    const std::vector<const City*> found =
        list.search(text, static_cast<size_t>(values.integer("limit")));
    if (found.empty()) {
        err << "vantorel-cli cities: argument --match: no city matches " << cli::quoted(text) << "\n";
        return kUsageError;
    }

    if (values.flag("json")) {
        out << "{\"match\":" << jsonString(text) << ",\"cities\":[";
        for (size_t i = 0; i < found.size(); ++i) {
            const City& c = *found[i];
            out << (i ? "," : "") << "{\"name\":" << jsonString(c.name)
                << ",\"ascii_name\":" << jsonString(c.asciiName)
                << ",\"region\":" << jsonString(c.region)
                << ",\"country\":" << jsonString(c.country) << ",\"iso2\":" << jsonString(c.iso2)
                << ",\"latitude_deg\":" << shortest(c.latitudeDeg)
                << ",\"longitude_east_deg\":" << shortest(c.longitudeDeg)
                << ",\"zone_name\":" << jsonString(c.zoneName) << ",\"population\":" << c.population
                << "}";
        }
        out << "]}\n";
        return 0;
    }
    // Columns as wide as their widest entry.
    size_t nameWidth = shownWidth("name"), regionWidth = shownWidth("region"),
           countryWidth = shownWidth("country");
    for (const City* c : found) {
        nameWidth = std::max(nameWidth, shownWidth(c->name));
        regionWidth = std::max(regionWidth, shownWidth(c->region));
        countryWidth = std::max(countryWidth, shownWidth(c->country));
    }
    out << padded("name", nameWidth + 2) << padded("region", regionWidth + 2)
        << padded("country", countryWidth + 2) << "latitude  longitude  zone\n";
    for (const City* c : found) {
        char coordinates[40];
        std::snprintf(coordinates, sizeof coordinates, "%8s  %9s  ",
                      degrees(c->latitudeDeg).c_str(), degrees(c->longitudeDeg).c_str());
        out << padded(c->name, nameWidth + 2) << padded(c->region, regionWidth + 2)
            << padded(c->country, countryWidth + 2) << coordinates << c->zoneName << "\n";
    }
    return 0;
}

const CommandSyntax kSyntax{
    "cities",
    "The cities of the list whose name matches, most populous first, with their coordinates and "
    "zones.",
    {},
    {
        stringOption("match", "a city's name or its beginning, case and accents ignored; "
                              "\"Name, Country\" narrows it")
            .required(),
        intOption("limit", 1, 10000, "the most cities to list").byDefault("20"),
        jsonFlag(),
    },
    "cities --match \"Paris, France\""};
const CliCommandRegistrar registrar(kSyntax, runCities);

}  // namespace
}  // namespace vantorel::cli
