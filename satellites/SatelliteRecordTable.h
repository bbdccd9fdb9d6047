#pragma once

#include <string>
#include <vector>

// Weekly records of twenty coefficients that give a moon's two offsets from
// its planet (Phobos and Deimos, the five large moons of Uranus). The records
// of a year are read from "data/mars%02d.dat" or "data/uranus%02d.dat" (year
// modulo 100) under the working directory; a week that spans a new year is in
// both years' files. Where no record covers a date there are no positions.

namespace vantorel {

// One fixed-width record of 370 characters.
struct SatelliteRecord {
    int body = 0;         // 1..9
    int number = 0;
    int firstDate = 0;    // YYYYMMDD
    int lastDate = 0;
    double T0 = 0;        // Julian Day; the week covers trunc(T0) <= trunc(JD) < trunc(T0) + 7
    double C[20] = {};    // C1..C20
};

constexpr int kSatelliteRecordLength = 370;

// Parses one record line (a trailing line end allowed); false when it is
// malformed in any field.
bool parseSatelliteRecord(const std::string& line, SatelliteRecord& record);

// Offsets (arc seconds) from one record at a Julian Day with mean motion n
// (rad/day): first = C1 + C2 dt + C3 sin(h + C7) + C4 dt sin(h + C8)
// + C5 dt^2 sin(h + C9) + C6 sin(2h + C10), the second from C11..C20, with
// dt = JD - (trunc(T0) + 0.5) and h = n dt.
void evaluateSatelliteRecord(const SatelliteRecord& record, double jd, double n, double& first,
                             double& second);

class SatelliteRecordTable {
public:
    // `baseName` "mars" or "uranus"; `meanMotions` in rad/day for bodies 1..N.
    SatelliteRecordTable(std::string baseName, std::vector<double> meanMotions);

    static SatelliteRecordTable mars();
    static SatelliteRecordTable uranus();

    // Offsets of body k (1..N) for a UT date and time: the first toward the
    // east and the second toward the north, in arc seconds of the sky. In the
    // second mode only the first offset is computed (second left at 0).
    // False when no record covers the date.
    bool offsets(int body, int year, int month, int day, int hour, int minute, double& first,
                 double& second, bool firstOnly = false);

    int bodyCount() const { return static_cast<int>(meanMotions_.size()); }
    // Records of the year last loaded.
    const std::vector<SatelliteRecord>& records() const { return records_; }

private:
    void loadYear(int year);

    std::string baseName_;
    std::vector<double> meanMotions_;
    int loadedYear_ = -1;
    std::string loadedPath_;
    std::vector<SatelliteRecord> records_;
};

}  // namespace vantorel
