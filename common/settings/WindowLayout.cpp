#include "common/settings/WindowLayout.h"

#include <algorithm>
#include <optional>
#include <string>

namespace vantorel {

namespace {

// Far beyond any desktop, yet small enough that sums stay within int.
constexpr int kMaxCoordinate = 100000;
constexpr int kMinSide = 20;

std::string keyOf(int index, const char* field) { return "Window" + std::to_string(index + 1) + field; }

std::optional<int> inRange(const SettingsText& text, int index, const char* field, int lo, int hi) {
    const std::optional<int> v = text.value(keyOf(index, field));
    if (v && *v >= lo && *v <= hi) return v;
    return std::nullopt;
}

bool leapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

std::vector<WindowPlace> windowLayoutFromText(const SettingsText& text, bool (*reopenable)(int kind)) {
    std::vector<WindowPlace> places;
    const int count = text.value("Count").value_or(0);
    if (count < 0 || count > kMaxRestoredWindows) return places;
    for (int i = 0; i < count; ++i) {
        const auto kind = inRange(text, i, "Kind", 0, 1000);
        const auto x = inRange(text, i, "X", -kMaxCoordinate, kMaxCoordinate);
        const auto y = inRange(text, i, "Y", -kMaxCoordinate, kMaxCoordinate);
        const auto width = inRange(text, i, "Width", kMinSide, kMaxCoordinate);
        const auto height = inRange(text, i, "Height", kMinSide, kMaxCoordinate);
        // The years the program computes.
        const auto year = inRange(text, i, "Year", 1985, 2050);
        const auto month = inRange(text, i, "Month", 1, 12);
        const auto day = inRange(text, i, "Day", 1, 31);
        const auto hour = inRange(text, i, "Hour", 0, 23);
        const auto minute = inRange(text, i, "Minute", 0, 59);
        if (!kind || !x || !y || !width || !height || !year || !month || !day || !hour || !minute) continue;
        if (*day > daysInMonth(*year, *month)) continue;
        if (reopenable && !reopenable(*kind)) continue;
        places.push_back(WindowPlace{*kind, *x, *y, *width, *height, *year, *month, *day, *hour, *minute});
    }
    return places;
}

void setWindowLayout(SettingsText& text, const std::vector<WindowPlace>& places) {
    const int count = static_cast<int>(std::min<size_t>(places.size(), kMaxRestoredWindows));
    text.set("Count", count);
    for (int i = 0; i < count; ++i) {
        const WindowPlace& p = places[static_cast<size_t>(i)];
        text.set(keyOf(i, "Kind"), p.kind);
        text.set(keyOf(i, "X"), p.x);
        text.set(keyOf(i, "Y"), p.y);
        text.set(keyOf(i, "Width"), p.width);
        text.set(keyOf(i, "Height"), p.height);
        text.set(keyOf(i, "Year"), p.year);
        text.set(keyOf(i, "Month"), p.month);
        text.set(keyOf(i, "Day"), p.day);
        text.set(keyOf(i, "Hour"), p.hour);
        text.set(keyOf(i, "Minute"), p.minute);
    }
}

}  // namespace vantorel
