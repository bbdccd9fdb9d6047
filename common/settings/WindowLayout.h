#pragma once

#include <vector>

#include "common/text/SettingsText.h"

// The windows open at the end of a run, so the next run opens them again:
// their kind, place, size and the date each showed. Kept in a section of
// its own, [Windows], of the settings file; the other sections and any
// unknown key come back as they were.

namespace vantorel {

struct WindowPlace {
    int kind = 0;  // a DocTypeId
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    bool operator==(const WindowPlace&) const = default;
};

inline constexpr const char* kWindowLayoutSection = "Windows";
inline constexpr int kMaxRestoredWindows = 24;

// The windows the text lists, in their order. Every number is checked; an
// entry with a value out of its range, a kind `reopenable` refuses or a
// date that is not in the calendar is left out, the others kept.
std::vector<WindowPlace> windowLayoutFromText(const SettingsText& text, bool (*reopenable)(int kind));
// Writes `places` (at most kMaxRestoredWindows) into the text.
void setWindowLayout(SettingsText& text, const std::vector<WindowPlace>& places);

}  // namespace vantorel
