#pragma once

#include <cstddef>

// The date of an event in the user's date format, as the result lists print
// it: 0 (and any value outside 0..3) year/month/day, 1 year/day/month,
// 2 day/month/year, 3 month/day/year.

namespace vantorel {

// Writes the text into `out` (at most `size` bytes, always terminated).
void formatEventDate(char* out, std::size_t size, int dateFormat, int year, int month, int day);

}  // namespace vantorel
