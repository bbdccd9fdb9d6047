#include "sky/EventDateText.h"

#include <cstdio>

namespace vantorel {

void formatEventDate(char* out, std::size_t size, int dateFormat, int year, int month, int day) {
    switch (dateFormat) {
    case 1: std::snprintf(out, size, "%04d/%02d/%02d", year, day, month); break;
    case 2: std::snprintf(out, size, "%02d/%02d/%04d", day, month, year); break;
    case 3: std::snprintf(out, size, "%02d/%02d/%04d", month, day, year); break;
    default: std::snprintf(out, size, "%04d/%02d/%02d", year, month, day); break;
    }
}

}  // namespace vantorel
