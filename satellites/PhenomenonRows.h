#pragma once

#include <array>
#include <cstddef>

// The rows one search or one generation step has found, in the form the list
// window shows them or the yearly file stores them.

namespace vantorel {

constexpr int kMaxPhenomenonRows = 25;
constexpr int kPhenomenonRowLength = 40;

enum PhenomenonCode : int {
    kEclipseDisappearance = 1,
    kEclipseReappearance = 2,
    kOccultationDisappearance = 3,
    kOccultationReappearance = 4,
    kTransitIngress = 5,
    kTransitEgress = 6,
    kShadowIngress = 7,
    kShadowEgress = 8,
};

// "Ec.D." .. "Sh.E.", or the French set padded to five characters ("Pc   ").
const char* phenomenonText(int code, bool french);
// The code of a five-character text of either set, 0 when unknown.
int phenomenonCodeOf(const char* text);
// "I  ", "II ", "III", "IV " for satellites 1..4.
const char* satelliteRowName(int satellite);

struct PhenomenonRow;
// A list row: " %s    %s      %s" of the label, the satellite name and the
// phenomenon text (one blank fewer before Callisto's text).
void formatListRow(PhenomenonRow& row, const char* label, int satellite, const char* text);

struct PhenomenonRow {
    char text[kPhenomenonRowLength + 1] = {};
    int day = -1;     // local day of month (list rows), -1 when unknown
    int hour = -1;    // for the jump to the phenomenon, -1 when unknown
    int minute = -1;
    int satellite = 0;  // 1..4
    int code = 0;       // 1..8
};

class PhenomenonRows {
public:
    // Appends a row; a row beyond the 25th is not kept but counted.
    bool add(const PhenomenonRow& row);
    void clear() { count_ = 0; }
    int count() const { return count_; }
    // Rows that did not fit since the last resetDropped.
    int dropped() const { return dropped_; }
    void resetDropped() { dropped_ = 0; }
    const PhenomenonRow& operator[](int i) const { return rows_[static_cast<std::size_t>(i)]; }

private:
    std::array<PhenomenonRow, kMaxPhenomenonRows> rows_{};
    int count_ = 0;
    int dropped_ = 0;
};

}  // namespace vantorel
