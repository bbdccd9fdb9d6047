// Any bytes as a yearly phenomena file: the reader accepts it only whole, and
// what it accepts is in range and in time order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "satellites/PhenomenaFiles.h"

using namespace vantorel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte picks the year the file is read for.
    const int year = 1985 + data[0] % 66;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto rows = parseYearlyFile(bytes, year);
    if (!rows) return 0;
    long previous = -1;
    for (const YearlyRow& r : *rows) {
        if (r.hour < 0 || r.hour > 23 || r.minute < 0 || r.minute > 59 || r.satellite < 1 ||
            r.satellite > 4 || r.code < 1 || r.code > 8)
            std::abort();
        const long minute = (r.day * 24 + r.hour) * 60 + r.minute;
        if (minute < previous) std::abort();
        previous = minute;
    }
    return 0;
}
