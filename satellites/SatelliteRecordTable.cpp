#include "satellites/SatelliteRecordTable.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "common/files/SafeFile.h"

#include "common/files/Paths.h"

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
    // The whole field, not just up to a stray NUL.
    return end == begin + field.size() && std::isfinite(out);
}

bool validDate(int yyyymmdd) {
    const int month = yyyymmdd / 100 % 100, day = yyyymmdd % 100;
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

// A record file holds a year's weeks: a few hundred lines of 370 bytes.
constexpr std::size_t kMaxRecordFileBytes = 1 << 20;
// Phases are angles in radians; a hundred is already absurd.
constexpr double kLargestPhase = 100.0;
constexpr double kArcsecPerRadian = 206264.80624709636;
constexpr double kKmPerAU = 149597870.7;

// Greatest distance seen from the planet, arc seconds: the orbit's greatest
// radius (km) at the planet's least distance from the Earth (AU), with a
// tenth more for the records' own fitting.
double reach(double apoapsisKm, double closestAU) {
    return 1.10 * apoapsisKm / (closestAU * kKmPerAU) * kArcsecPerRadian;
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
    for (char c : line)
        if (c < 0x20 || c > 0x7e) return false;
    if (!allDigits(line, 0, 1) || !allDigits(line, 4, 16)) return false;
    r.body = line[0] - '0';
    double v = 0;
    if (!parseNumber(line.substr(1, 3), v)) return false;
    r.number = static_cast<int>(v);
    r.firstDate = std::atoi(line.substr(4, 8).c_str());
    r.lastDate = std::atoi(line.substr(12, 8).c_str());
    if (!validDate(r.firstDate) || !validDate(r.lastDate) || r.lastDate < r.firstDate) return false;
    if (!parseNumber(line.substr(20, 9), r.T0) || r.T0 < 2400000 || r.T0 > 2500000) return false;
    if (r.number < 0 || r.number > 999) return false;
    for (int i = 0; i < 20; ++i) {
        if (!parseNumber(line.substr(29 + 17 * static_cast<size_t>(i), 17), r.C[i])) return false;
        const bool phase = (i >= 6 && i <= 9) || i >= 16;
        if (phase && std::fabs(r.C[i]) > kLargestPhase) return false;
    }
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

SatelliteRecordTable::SatelliteRecordTable(std::string baseName, std::vector<double> meanMotions,
                                           std::vector<double> reachArcsec, std::vector<int> spanDays)
    : baseName_(std::move(baseName)),
      meanMotions_(std::move(meanMotions)),
      reach_(std::move(reachArcsec)),
      spanDays_(std::move(spanDays)),
      warnings_(&std::cerr) {
    // A table given no reach for a moon bounds only by finiteness.
    reach_.resize(meanMotions_.size(), HUGE_VAL);
    spanDays_.resize(meanMotions_.size(), 7);
}

SatelliteRecordTable SatelliteRecordTable::mars() {
    // Phobos and Deimos at their apoapsides (9518 and 23471 km), Mars at
    // 0.3727 AU as in August 2003, its closest for millennia.
    return SatelliteRecordTable("mars", {19.7027, 4.9788},
                                {reach(9518, 0.3727), reach(23471, 0.3727)});
}

SatelliteRecordTable SatelliteRecordTable::uranus() {
    // Ariel, Umbriel, Titania, Oberon, Miranda: 2 pi / period in days; their
    // greatest distances (km) with Uranus 17.2 AU away, a little nearer than
    // its perihelion opposition brings it.
    const double twoPi = 6.283185307179586;
    const double closest = 17.2;
    return SatelliteRecordTable(
        "uranus", {twoPi / 2.520, twoPi / 4.144, twoPi / 8.706, twoPi / 13.463, twoPi / 1.413},
        {reach(191250, closest), reach(267040, closest), reach(436390, closest),
         reach(584340, closest), reach(130070, closest)});
}

bool SatelliteRecordTable::withinReach(const SatelliteRecord& r) const {
    const double n = meanMotions_[static_cast<size_t>(r.body - 1)];
    const double limit = reach_[static_cast<size_t>(r.body - 1)];
    const double start = std::trunc(r.T0);
    // Every half day of the span the record covers, both ends included.
    const int halfDays = 2 * spanDays_[static_cast<size_t>(r.body - 1)];
    for (int k = 0; k <= halfDays; ++k) {
        double first = 0, second = 0;
        evaluateSatelliteRecord(r, start + 0.5 * k, n, first, second);
        if (!(std::hypot(first, second) <= limit)) return false;
    }
    return true;
}

SatelliteRecordTable SatelliteRecordTable::saturn() {
    // The periods of the information box; the spans the records were fitted
    // over (tools/fit_satellite_records.py): the slower a moon's offsets
    // change, the longer one record lasts.
    // Their greatest distances (km; Hyperion's orbit is the most eccentric,
    // e = 0.12) with Saturn 7.95 AU away, nearer than its perihelion
    // opposition brings it.
    const double twoPi = 6.283185307179586;
    const double closest = 7.95;
    return SatelliteRecordTable(
        "saturn",
        {twoPi / 0.9424218, twoPi / 1.3702179, twoPi / 1.8878022, twoPi / 2.7369147,
         twoPi / 4.5175004, twoPi / 15.945421, twoPi / 21.276609, twoPi / 79.330183},
        {reach(189200, closest), reach(239200, closest), reach(294700, closest),
         reach(378300, closest), reach(527600, closest), reach(1257100, closest),
         reach(1664000, closest), reach(3662700, closest)},
        {28, 56, 56, 56, 56, 28, 14, 56});
}

void SatelliteRecordTable::loadYear(int year) {
    char name[32];
    std::snprintf(name, sizeof name, "%s%02d.dat", baseName_.c_str(), ((year % 100) + 100) % 100);
    const std::string path = Paths::dataFile(name).string();
    if (year == loadedYear_ && path == loadedPath_) return;
    loadedYear_ = year;
    loadedPath_ = path;
    records_.clear();
    rejected_ = 0;
    const FileRead file = readRegularFile(path, kMaxRecordFileBytes);
    if (!file.ok()) return;  // no file: no positions, nothing to say
    loadRecords(file.bytes, path);
}

int SatelliteRecordTable::loadRecords(const std::string& bytes, const std::string& source) {
    records_.clear();
    rejected_ = 0;
    int firstRejected = 0;
    size_t at = 0;
    int lineNumber = 0;
    SatelliteRecord r;
    while (at < bytes.size()) {
        size_t end = bytes.find('\n', at);
        if (end == std::string::npos) end = bytes.size();
        const std::string line = bytes.substr(at, end - at);
        at = end + 1;
        ++lineNumber;
        if (line.find_first_not_of(" \r") == std::string::npos) continue;  // blank
        if (parseSatelliteRecord(line, r) && r.body >= 1 && r.body <= bodyCount() && withinReach(r)) {
            records_.push_back(r);
            continue;
        }
        if (rejected_++ == 0) firstRejected = lineNumber;
    }
    if (rejected_ > 0 && warnings_ && warned_.insert(source).second) {
        *warnings_ << "vantorel: " << source << ": " << rejected_ << " malformed record"
                   << (rejected_ > 1 ? "s" : "") << " ignored (first at line " << firstRejected
                   << ")\n";
    }
    return static_cast<int>(records_.size());
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
        if (start <= dayNumber && dayNumber < start + spanDays_[static_cast<size_t>(body - 1)]) {
            evaluateSatelliteRecord(r, jd, meanMotions_[static_cast<size_t>(body - 1)], first,
                                    second);
            // Between the checked half days a damaged record could still
            // stray: no place rather than an absurd one.
            if (!(std::hypot(first, second) <= reachArcsec(body))) return false;
            if (firstOnly) second = 0;
            return true;
        }
    }
    return false;
}

}  // namespace vantorel
