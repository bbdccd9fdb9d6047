#pragma once

#include <QRect>
#include <QSize>

#include <string>
#include <vector>

#include "tonight/NightPlan.h"
#include "tonight/NightPlanText.h"

class QPainter;

// The night drawn across: time from left to right over the span of the
// plan, the sky shaded by the Sun's depth (day, civil, nautical and
// astronomical twilight, night), one band per body (a thin line while it is
// up, a thick one while it is observable) and marks for its rise, transit,
// set and best moment, Jupiter's events and the Lunar X. Below the timeline,
// the plan's lists as text lines (for paper and the command line; the window
// shows them in its own list).

namespace vantorel {

struct TimelineSegment {
    int x0 = 0, x1 = 0;
};

struct TimelineShade {
    std::string sky;  // "day", "civil", "nautical", "astronomical", "night"
    TimelineSegment span;
};

struct TimelineBand {
    NightBody body = NightBody::Moon;
    QRect row;
    std::vector<TimelineSegment> up;
    std::vector<TimelineSegment> observable;
};

struct TimelineMark {
    NightEventKind kind = NightEventKind::Rise;
    NightBody body = NightBody::Moon;
    int x = 0, y = 0;
    bool observable = true;
    bool best = false;  // the highest point of the observable time
};

struct TimelineTick {
    int x = 0;
    std::string label;  // the local hour
};

struct NightTimelineDrawing {
    QRect plot;
    std::vector<TimelineShade> shades;
    std::vector<TimelineBand> bands;
    std::vector<TimelineMark> marks;
    std::vector<TimelineTick> ticks;
};

struct SheetRow {
    int y = 0;  // baseline
    std::string time;
    std::string text;
    bool title = false;
};

struct NightSheetDrawing {
    NightTimelineDrawing timeline;
    std::vector<SheetRow> rows;
};

// The timeline's own size for a plan: the width is the caller's.
int nightTimelineHeight(const NightPlan& plan);
constexpr int kNightTimelineWidth = 760;

// Draws the timeline into `area`.
NightTimelineDrawing paintNightTimeline(QPainter& painter, const QRect& area, const NightPlan& plan,
                                        int language);

// The whole sheet: the title, the timeline and the lists, black on white
// below it. `extent` gives the size the sheet needs for a width.
QSize nightSheetExtent(const NightPlan& plan, int language, int dateFormat, int width);
NightSheetDrawing paintNightSheet(QPainter& painter, const QRect& area, const NightPlan& plan,
                                  int language, int dateFormat);

}  // namespace vantorel
