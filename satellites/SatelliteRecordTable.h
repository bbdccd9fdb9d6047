#pragma once

#include <iosfwd>
#include <set>
#include <string>
#include <vector>

// Records of twenty coefficients that give a moon's two offsets from its
// planet (Phobos and Deimos, the five large moons of Uranus, Saturn's eight),
// each covering a week, or for Saturn's moons a longer span of its own. The
// records of a year are read from "data/mars%02d.dat", "data/uranus%02d.dat"
// or "data/saturn%02d.dat" (year modulo 100) under the working directory; a
// span that crosses a new year is in both years' files. Where no record
// covers a date there are no positions.

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
// malformed in any field: a byte that is not printable text (a NUL must not
// cut a coefficient short), a number that does not fill its field, a date
// that is no date, a phase of more than a hundred radians.
bool parseSatelliteRecord(const std::string& line, SatelliteRecord& record);

// Offsets (arc seconds) from one record at a Julian Day with mean motion n
// (rad/day): first = C1 + C2 dt + C3 sin(h + C7) + C4 dt sin(h + C8)
// + C5 dt^2 sin(h + C9) + C6 sin(2h + C10), the second from C11..C20, with
// dt = JD - (trunc(T0) + 0.5) and h = n dt.
void evaluateSatelliteRecord(const SatelliteRecord& record, double jd, double n, double& first,
                             double& second);

class SatelliteRecordTable {
public:
    // `baseName` "mars", "uranus" or "saturn"; `meanMotions` in rad/day for
    // bodies 1..N; `reachArcsec` the farthest each moon can be seen from its
    // planet (its greatest distance at the planet's closest approach to the
    // Earth), past which an offset can only come from a damaged record;
    // `spanDays` the days one record of each body covers (a week when not
    // given).
    SatelliteRecordTable(std::string baseName, std::vector<double> meanMotions,
                         std::vector<double> reachArcsec = {}, std::vector<int> spanDays = {});

    static SatelliteRecordTable mars();
    static SatelliteRecordTable uranus();
    // Mimas .. Iapetus as bodies 1..8.
    static SatelliteRecordTable saturn();

    // Offsets of body k (1..N) for a UT date and time: the first toward the
    // east and the second toward the north, in arc seconds of the sky. In the
    // second mode only the first offset is computed (second left at 0).
    // False when no record covers the date, or the record gives a place the
    // moon cannot reach.
    bool offsets(int body, int year, int month, int day, int hour, int minute, double& first,
                 double& second, bool firstOnly = false);

    int bodyCount() const { return static_cast<int>(meanMotions_.size()); }
    // Takes the records of a file's text (named `source` in the warning),
    // leaving out the malformed ones; returns how many were taken.
    int loadRecords(const std::string& bytes, const std::string& source);
    // Records of the year last loaded.
    const std::vector<SatelliteRecord>& records() const { return records_; }
    // Records of that year left out as malformed.
    int rejectedRecords() const { return rejected_; }
    double reachArcsec(int body) const { return reach_[static_cast<size_t>(body - 1)]; }
    // Where the one line about a file's malformed records goes (standard
    // error unless set; nullptr for silence).
    void setWarningStream(std::ostream* stream) { warnings_ = stream; }

private:
    void loadYear(int year);
    // Whether the record's offsets stay within the moon's reach over its week.
    bool withinReach(const SatelliteRecord& record) const;

    std::string baseName_;
    std::vector<double> meanMotions_;
    std::vector<double> reach_;
    std::vector<int> spanDays_;
    std::ostream* warnings_;
    std::set<std::string> warned_;
    int rejected_ = 0;
    int loadedYear_ = -1;
    std::string loadedPath_;
    std::vector<SatelliteRecord> records_;
};

}  // namespace vantorel
