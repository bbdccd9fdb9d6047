#include "satellites/SatelliteRecordTable.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/Paths.h"

namespace vantorel {

namespace {

bool allDigits(const std::string& s, size_t at, size_t len) {
    for (size_t i = at; i < at + len; ++i)
        if (s[i] < '0' || s[i] > '9') return false;
    return true;
}

bool parseNumber(std::string field, double& out) {
    for (char& c : field)
        if (c == 'D' || c == 'd') c = 'E';
    const char* begin = field.c_str();
    char* end = nullptr;
    out = std::strtod(begin, &end);
    if (end == begin) return false;
    while (*end == ' ') ++end;
    return *end == '\0' && std::isfinite(out);
}

// Julian Day of a Gregorian date and time.
double julianDay(int year, int month, int day, int hour, int minute) {
    if (month < 3) {
        year -= 1;
        month += 12;
    }
    const int a = year / 100;
    const int b = 2 - a + a / 4;
    return std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) + day + b -
           1524.5 + hour / 24.0 + minute / 1440.0;
}

}  // namespace

bool parseSatelliteRecord(const std::string& text, SatelliteRecord& r) {
    std::string line = text;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    if (line.size() != static_cast<size_t>(kSatelliteRecordLength)) return false;
    if (!allDigits(line, 0, 1) || !allDigits(line, 4, 16)) return false;
    r.body = line[0] - '0';
    double v = 0;
    if (!parseNumber(line.substr(1, 3), v)) return false;
    r.number = static_cast<int>(v);
    r.firstDate = std::atoi(line.substr(4, 8).c_str());
    r.lastDate = std::atoi(line.substr(12, 8).c_str());
    if (!parseNumber(line.substr(20, 9), r.T0) || r.T0 < 2400000 || r.T0 > 2500000) return false;
    for (int i = 0; i < 20; ++i)
        if (!parseNumber(line.substr(29 + 17 * static_cast<size_t>(i), 17), r.C[i])) return false;
    return true;
}

void evaluateSatelliteRecord(const SatelliteRecord& r, double jd, double n, double& first,
                             double& second) {
    const double dt = jd - (std::trunc(r.T0) + 0.5);
    const double h = n * dt;
    auto offset = [&](const double* c) {
        return c[0] + c[1] * dt + c[2] * std::sin(h + c[6]) + c[3] * dt * std::sin(h + c[7]) +
               c[4] * dt * dt * std::sin(h + c[8]) + c[5] * std::sin(2 * h + c[9]);
    };
    first = offset(r.C);
    second = offset(r.C + 10);
}

SatelliteRecordTable::SatelliteRecordTable(std::string baseName, std::vector<double> meanMotions)
    : baseName_(std::move(baseName)), meanMotions_(std::move(meanMotions)) {}

SatelliteRecordTable SatelliteRecordTable::mars() {
    return SatelliteRecordTable("mars", {19.7027, 4.9788});
}

SatelliteRecordTable SatelliteRecordTable::uranus() {
    // Ariel, Umbriel, Titania, Oberon, Miranda: 2 pi / period in days.
    const double twoPi = 6.283185307179586;
    return SatelliteRecordTable(
        "uranus", {twoPi / 2.520, twoPi / 4.144, twoPi / 8.706, twoPi / 13.463, twoPi / 1.413});
}

void SatelliteRecordTable::loadYear(int year) {
    char name[32];
    std::snprintf(name, sizeof name, "%s%02d.dat", baseName_.c_str(), ((year % 100) + 100) % 100);
    const std::string path = Paths::dataFile(name).string();
    if (year == loadedYear_ && path == loadedPath_) return;
    loadedYear_ = year;
    loadedPath_ = path;
    records_.clear();
    std::ifstream in(path);
    std::string line;
    SatelliteRecord r;
    while (std::getline(in, line)) {
        if (parseSatelliteRecord(line, r) && r.body >= 1 && r.body <= bodyCount())
            records_.push_back(r);
    }
}

bool SatelliteRecordTable::offsets(int body, int year, int month, int day, int hour, int minute,
                                   double& first, double& second, bool firstOnly) {
    if (body < 1 || body > bodyCount() || month < 1 || month > 12) return false;
    loadYear(year);
    const double jd = julianDay(year, month, day, hour, minute);
    const double dayNumber = std::trunc(jd);
    for (const SatelliteRecord& r : records_) {
        if (r.body != body) continue;
        const double start = std::trunc(r.T0);
        if (start <= dayNumber && dayNumber < start + 7) {
            evaluateSatelliteRecord(r, jd, meanMotions_[static_cast<size_t>(body - 1)], first,
                                    second);
            if (firstOnly) second = 0;
            return true;
        }
    }
    return false;
}

}  // namespace vantorel
