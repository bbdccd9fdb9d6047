// Any bytes as a satellite record file: malformed records are left out, and
// every place the records that stay give lies within the moon's reach.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "satellites/SatelliteRecordTable.h"

using namespace vantorel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (bool mars : {true, false}) {
        SatelliteRecordTable table = mars ? SatelliteRecordTable::mars() : SatelliteRecordTable::uranus();
        table.setWarningStream(nullptr);
        table.loadRecords(bytes, "fuzz");
        for (const SatelliteRecord& r : table.records()) {
            for (int k = 0; k < 20; ++k)
                if (!std::isfinite(r.C[k])) std::abort();
            for (double jd = std::trunc(r.T0); jd < std::trunc(r.T0) + 7; jd += 0.37) {
                double east = 0, north = 0;
                evaluateSatelliteRecord(r, jd, 1.0, east, north);
                if (!std::isfinite(east) || !std::isfinite(north)) std::abort();
            }
        }
    }
    return 0;
}
