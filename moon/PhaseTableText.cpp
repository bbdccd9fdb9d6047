#include "moon/PhaseTableText.h"

#include <cstdio>

namespace vantorel {

PhaseTableText fillPhaseTable(const MoonPhaseRecord* monthPhases, int count, int dateFormat) {
    PhaseTableText table;
    int filled[4] = {0, 0, 0, 0};
    for (int i = 0; i < count; ++i) {
        const MoonPhaseRecord& r = monthPhases[i];
        if (r.kind < 0 || r.kind > 3) continue;
        const bool dayFirst = dateFormat == 1 || dateFormat == 2;
        char* date = table.fields[r.kind][filled[r.kind] == 0 ? PhaseTableText::kFirstDate
                                                              : PhaseTableText::kSecondDate];
        char* time = table.fields[r.kind][filled[r.kind] == 0 ? PhaseTableText::kFirstTime
                                                              : PhaseTableText::kSecondTime];
        std::snprintf(date, 8, "%02d/%02d", dayFirst ? r.day % 100 : r.month % 100,
                      dayFirst ? r.month % 100 : r.day % 100);
        std::snprintf(time, 8, "%02d:%02d", r.hour % 100, r.minute % 100);
        ++filled[r.kind];
    }
    return table;
}

}  // namespace vantorel
