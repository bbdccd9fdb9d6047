#include "moon/LunarXText.h"

#include <cstdio>

#include "common/text/DateText.h"
#include "moon/MoonTheory.h"

namespace vantorel {

std::string lunarXLine(const CalendarTime& c, int dateFormat) {
    char time[8];
    std::snprintf(time, sizeof time, "%02d:%02d", c.hours % 100, c.minutes % 100);
    return unlabelledDateText(dateFormat, c.year, c.month, c.day) + "  " + time;
}

std::vector<std::string> lunarXLines(const MoonTheory& moon, int dateFormat) {
    std::vector<std::string> lines(MoonTheory::kLunarXLineCount);
    for (int i = 0; i < MoonTheory::kLunarXLineCount; ++i)
        if (moon.lunarXFilled[i]) lines[static_cast<size_t>(i)] = lunarXLine(moon.lunarXInstants[i], dateFormat);
    return lines;
}

}  // namespace vantorel
