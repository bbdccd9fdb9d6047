#include "satellites/PhenomenonRows.h"

#include <cstdio>
#include <cstring>

namespace vantorel {

namespace {
constexpr const char* kTexts[8] = {"Ec.D.", "Ec.R.", "Oc.D.", "Oc.R.",
                                   "Tr.I.", "Tr.E.", "Sh.I.", "Sh.E."};
constexpr const char* kFrenchTexts[8] = {"Ec   ", "Ef   ", "Im   ", "Em   ",
                                         "Pc   ", "Pf   ", "Oc   ", "Of   "};
constexpr const char* kNames[4] = {"I  ", "II ", "III", "IV "};
}  // namespace

const char* phenomenonText(int code, bool french) {
    if (code < 1 || code > 8) return "     ";
    return french ? kFrenchTexts[code - 1] : kTexts[code - 1];
}

int phenomenonCodeOf(const char* text) {
    for (int i = 0; i < 8; ++i) {
        if (std::strncmp(text, kTexts[i], 5) == 0 || std::strncmp(text, kFrenchTexts[i], 5) == 0)
            return i + 1;
    }
    return 0;
}

const char* satelliteRowName(int satellite) {
    if (satellite < 1 || satellite > 4) return "   ";
    return kNames[satellite - 1];
}

void formatListRow(PhenomenonRow& row, const char* label, int satellite, const char* text) {
    const char* format = satellite == 4 ? " %s    %s     %.5s" : " %s    %s      %.5s";
    std::snprintf(row.text, sizeof row.text, format, label, satelliteRowName(satellite), text);
}

bool PhenomenonRows::add(const PhenomenonRow& row) {
    if (count_ >= kMaxPhenomenonRows) {
        ++dropped_;
        return false;
    }
    rows_[static_cast<std::size_t>(count_++)] = row;
    return true;
}

}  // namespace vantorel
