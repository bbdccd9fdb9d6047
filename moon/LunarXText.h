#pragma once

#include <string>
#include <vector>

#include "engine/DateTime.h"

// The Lunar X list's lines, made from the moments the Moon's search found.

namespace vantorel {

class MoonTheory;

// "date  hh:mm": the date in the chosen order, then the local clock time.
std::string lunarXLine(const CalendarTime& local, int dateFormat);
// One line per slot of the search, empty where the slot holds no moment.
std::vector<std::string> lunarXLines(const MoonTheory& moon, int dateFormat);

}  // namespace vantorel
