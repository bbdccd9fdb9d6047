#include "tonight/paint/NightTimeline.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>

#include "tonight/NightClock.h"

namespace vantorel {

namespace {

constexpr int kMargin = 8;
constexpr int kTitleHeight = 20;
constexpr int kAxisHeight = 16;
constexpr int kRowHeight = 22;
constexpr int kLabelWidth = 84;
constexpr int kLegendHeight = 18;
constexpr int kLineHeight = 16;

QFont sheetFont(int pixels, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    return font;
}

// The sky's shades, from day to full night.
const char* const kSkyNames[5] = {"day", "civil", "nautical", "astronomical", "night"};
const QColor kSkyColours[5] = {QColor(135, 170, 215), QColor(72, 100, 160), QColor(40, 56, 112),
                               QColor(22, 28, 66), QColor(8, 10, 30)};

QColor bodyColour(NightBody body) {
    switch (body) {
    case NightBody::Moon: return QColor(240, 232, 170);
    case NightBody::Mercury: return QColor(200, 195, 190);
    case NightBody::Venus: return QColor(250, 240, 205);
    case NightBody::Mars: return QColor(235, 115, 75);
    case NightBody::Jupiter: return QColor(238, 205, 150);
    case NightBody::Saturn: return QColor(228, 208, 130);
    case NightBody::Uranus: return QColor(150, 222, 232);
    case NightBody::Neptune: return QColor(120, 150, 245);
    default: return QColor(255, 230, 120);
    }
}

// The depth of the sky after each of the Sun's events, and before it.
int skyAfter(NightEventKind kind) {
    switch (kind) {
    case NightEventKind::Sunset: return 1;
    case NightEventKind::CivilDusk: return 2;
    case NightEventKind::NauticalDusk: return 3;
    case NightEventKind::AstronomicalDusk: return 4;
    case NightEventKind::AstronomicalDawn: return 3;
    case NightEventKind::NauticalDawn: return 2;
    case NightEventKind::CivilDawn: return 1;
    default: return 0;
    }
}
int skyBefore(NightEventKind kind) {
    switch (kind) {
    case NightEventKind::Sunset: return 0;
    case NightEventKind::CivilDusk: return 1;
    case NightEventKind::NauticalDusk: return 2;
    case NightEventKind::AstronomicalDusk: return 3;
    case NightEventKind::AstronomicalDawn: return 4;
    case NightEventKind::NauticalDawn: return 3;
    case NightEventKind::CivilDawn: return 2;
    default: return 1;
    }
}
int skyOfAltitude(double altitudeDeg) {
    if (altitudeDeg > kSunRiseLevel) return 0;
    if (altitudeDeg > kCivilLevel) return 1;
    if (altitudeDeg > kNauticalLevel) return 2;
    if (altitudeDeg > kAstronomicalLevel) return 3;
    return 4;
}

struct TimeAxis {
    QRect plot;
    double begin = 0, end = 1;
    int x(double jd) const {
        const double f = (jd - begin) / (end - begin);
        return plot.left() + static_cast<int>(std::lround(std::clamp(f, 0.0, 1.0) * plot.width()));
    }
    bool inside(double jd) const { return jd >= begin && jd <= end; }
};

std::vector<TimelineSegment> segments(const std::vector<TimeInterval>& list, const TimeAxis& axis) {
    std::vector<TimelineSegment> out;
    for (const TimeInterval& i : list) {
        if (i.end < axis.begin || i.begin > axis.end) continue;
        out.push_back({axis.x(i.begin), axis.x(i.end)});
    }
    return out;
}

void drawTriangle(QPainter& p, int x, int y, bool up, const QColor& colour) {
    QPolygon t;
    if (up)
        t << QPoint(x - 4, y + 4) << QPoint(x + 4, y + 4) << QPoint(x, y - 4);
    else
        t << QPoint(x - 4, y - 4) << QPoint(x + 4, y - 4) << QPoint(x, y + 4);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(colour);
    p.drawPolygon(t);
}

void drawDiamond(QPainter& p, int x, int y, bool filled, const QColor& colour) {
    QPolygon d;
    d << QPoint(x, y - 5) << QPoint(x + 4, y) << QPoint(x, y + 5) << QPoint(x - 4, y);
    p.setPen(QPen(colour, 1));
    p.setBrush(filled ? QBrush(colour) : Qt::NoBrush);
    p.drawPolygon(d);
}

std::vector<NightBody> bandBodies(const NightPlan& plan) {
    std::vector<NightBody> out{NightBody::Moon};
    for (const BodyNight& b : plan.planets) out.push_back(b.body);
    return out;
}

}  // namespace

int nightTimelineHeight(const NightPlan& plan) {
    return kAxisHeight + static_cast<int>(bandBodies(plan).size()) * kRowHeight + 4 + kLegendHeight;
}

NightTimelineDrawing paintNightTimeline(QPainter& p, const QRect& area, const NightPlan& plan,
                                        int language) {
    NightTimelineDrawing d;
    const std::vector<NightBody> bodies = bandBodies(plan);
    const int rowsTop = area.top() + kAxisHeight;
    d.plot = QRect(area.left() + kLabelWidth, rowsTop, std::max(10, area.width() - kLabelWidth),
                   static_cast<int>(bodies.size()) * kRowHeight);
    const TimeAxis axis{d.plot, plan.spanBegin, plan.spanEnd > plan.spanBegin ? plan.spanEnd : plan.spanBegin + 1};
    const TimeZone& zone = plan.request.site.zone;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(area.left(), area.top(), area.width(), nightTimelineHeight(plan)), QColor(250, 250, 250));

    // The sky, from the Sun's events inside the span.
    std::vector<const NightEvent*> sunEvents;
    for (const NightEvent& e : plan.skyEvents)
        if (e.body == NightBody::Sun && axis.inside(e.jd)) sunEvents.push_back(&e);
    int sky = sunEvents.empty() ? skyOfAltitude(plan.sun.lowest.altitudeDeg) : skyBefore(sunEvents.front()->kind);
    int from = d.plot.left();
    auto shade = [&](int to) {
        if (to <= from) return;
        p.fillRect(QRect(from, d.plot.top(), to - from, d.plot.height()), kSkyColours[sky]);
        d.shades.push_back({kSkyNames[sky], {from, to}});
        from = to;
    };
    for (const NightEvent* e : sunEvents) {
        shade(axis.x(e->jd));
        sky = skyAfter(e->kind);
    }
    shade(d.plot.right() + 1);

    // Hours across the top, with faint lines down through the bands.
    p.setFont(sheetFont(11));
    const LocalMinute first = localClock(axis.begin, zone);
    LocalMinute hour{first.year, first.month, first.day, first.hour, 0};
    for (int guard = 0; guard < 40; ++guard) {
        hour = shiftClock(hour, 60);
        const double jd = universalJd(hour, zone);
        if (jd > axis.end) break;
        const int x = axis.x(jd);
        char label[8];
        std::snprintf(label, sizeof label, "%02d", hour.hour);
        d.ticks.push_back({x, label});
        p.setPen(QColor(60, 60, 60));
        p.drawText(QRect(x - 12, area.top(), 24, kAxisHeight - 2), Qt::AlignCenter, label);
        p.setPen(QPen(QColor(255, 255, 255, 40), 1));
        p.drawLine(x, d.plot.top(), x, d.plot.bottom());
    }

    // One band per body.
    for (size_t i = 0; i < bodies.size(); ++i) {
        TimelineBand band;
        band.body = bodies[i];
        band.row = QRect(d.plot.left(), rowsTop + static_cast<int>(i) * kRowHeight, d.plot.width(), kRowHeight);
        const BodyNight& b = bodies[i] == NightBody::Moon ? plan.moon.track : plan.planets[i - 1];
        band.up = segments(b.up, axis);
        band.observable = segments(b.observable, axis);
        const int cy = band.row.center().y();
        p.setPen(QColor(30, 30, 30));
        p.drawText(QRect(area.left(), band.row.top(), kLabelWidth - 6, kRowHeight),
                   Qt::AlignRight | Qt::AlignVCenter, QString::fromUtf8(nightBodyName(b.body, language)));
        const QColor colour = bodyColour(b.body);
        for (const TimelineSegment& s : band.up)
            p.fillRect(QRect(s.x0, cy - 1, std::max(1, s.x1 - s.x0), 3), colour.darker(170));
        for (const TimelineSegment& s : band.observable)
            p.fillRect(QRect(s.x0, cy - 5, std::max(1, s.x1 - s.x0), 11), colour);
        auto mark = [&](NightEventKind kind, const std::optional<double>& jd) {
            if (!jd || !axis.inside(*jd)) return;
            const int x = axis.x(*jd);
            if (kind == NightEventKind::Transit) {
                p.setPen(QPen(Qt::white, 2));
                p.drawLine(x, cy - 7, x, cy + 7);
            } else {
                drawTriangle(p, x, cy, kind == NightEventKind::Rise, colour);
            }
            d.marks.push_back({kind, b.body, x, cy, true, false});
        };
        mark(NightEventKind::Rise, b.rise);
        mark(NightEventKind::Transit, b.transit);
        mark(NightEventKind::Set, b.set);
        if (b.best && axis.inside(b.best->jd)) {
            const int x = axis.x(b.best->jd);
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::white);
            p.drawEllipse(QPoint(x, cy), 3, 3);
            d.marks.push_back({NightEventKind::Transit, b.body, x, cy, true, true});
        }
        d.bands.push_back(band);
    }

    // Jupiter's events on its band, the Lunar X on the Moon's.
    auto rowOf = [&](NightBody body) -> const TimelineBand* {
        for (const TimelineBand& band : d.bands)
            if (band.body == body) return &band;
        return nullptr;
    };
    const TimelineBand* jupiterRow = rowOf(NightBody::Jupiter);
    const int jupiterY = jupiterRow ? jupiterRow->row.center().y() : d.plot.bottom() - 4;
    for (const NightEvent& e : plan.jupiterEvents) {
        if (!axis.inside(e.jd)) continue;
        const int x = axis.x(e.jd);
        if (e.kind == NightEventKind::RedSpotTransit) {
            p.setPen(QPen(QColor(200, 40, 30), 2));
            p.setBrush(e.observable ? QBrush(QColor(230, 60, 40)) : Qt::NoBrush);
            p.drawEllipse(QPoint(x, jupiterY), 4, 4);
        } else {
            drawDiamond(p, x, jupiterY, e.observable, e.observable ? QColor(255, 255, 255) : QColor(150, 150, 150));
        }
        d.marks.push_back({e.kind, NightBody::Jupiter, x, jupiterY, e.observable, false});
    }
    const int moonY = d.bands.front().row.center().y();
    for (const NightEvent& e : plan.lunarX) {
        if (!axis.inside(e.jd)) continue;
        const int x = axis.x(e.jd);
        p.setPen(QPen(e.observable ? QColor(255, 60, 60) : QColor(150, 150, 150), 2));
        p.drawLine(x - 4, moonY - 4, x + 4, moonY + 4);
        p.drawLine(x - 4, moonY + 4, x + 4, moonY - 4);
        d.marks.push_back({e.kind, NightBody::Moon, x, moonY, e.observable, false});
    }
    for (const NightEvent& e : plan.nearby) {
        if (!axis.inside(e.jd)) continue;
        const TimelineBand* row = rowOf(e.body);
        if (!row) continue;
        const int x = axis.x(e.jd), y = row->row.center().y();
        p.setPen(QPen(QColor(255, 200, 0), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPoint(x, y), 6, 6);
        d.marks.push_back({e.kind, e.body, x, y, true, false});
    }
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(d.plot.adjusted(0, 0, -1, -1));

    // The legend.
    const int legendY = d.plot.bottom() + 4;
    int x = d.plot.left();
    p.setFont(sheetFont(10));
    for (int s = 0; s < 5; ++s) {
        static const TextTriple kSky[5] = {{"day", "jour", "d\u00eda"},
                                           {"civil", "civil", "civil"},
                                           {"nautical", "nautique", "n\u00e1utico"},
                                           {"astronomical", "astronomique", "astron\u00f3mico"},
                                           {"night", "nuit", "noche"}};
        p.fillRect(QRect(x, legendY + 3, 12, 10), kSkyColours[s]);
        p.setPen(QColor(40, 40, 40));
        const QString text = QString::fromUtf8(kSky[s](language));
        p.drawText(QPoint(x + 15, legendY + 12), text);
        x += 20 + QFontMetrics(p.font()).horizontalAdvance(text) + 8;
    }
    const QString keyText = QString::fromUtf8(pickText(
        language, "thin: up   thick: observable   \u25b2 rise  \u25bc set  | transit",
        "fin : lev\u00e9   \u00e9pais : observable   \u25b2 lever  \u25bc coucher  | passage",
        "fino: sobre el horizonte   grueso: observable   \u25b2 salida  \u25bc puesta  | tr\u00e1nsito"));
    p.drawText(QPoint(x + 8, legendY + 12), keyText);
    p.restore();
    return d;
}

QSize nightSheetExtent(const NightPlan& plan, int language, int dateFormat, int width) {
    int height = kMargin + kTitleHeight + nightTimelineHeight(plan) + 8;
    for (const NightTextSection& s : nightPlanSections(plan, language, dateFormat))
        height += kLineHeight + kLineHeight / 2 + static_cast<int>(s.rows.size()) * kLineHeight;
    return QSize(width, height + kLineHeight / 2 + kMargin);
}

NightSheetDrawing paintNightSheet(QPainter& p, const QRect& area, const NightPlan& plan, int language,
                                  int dateFormat) {
    NightSheetDrawing d;
    p.save();
    p.fillRect(area, Qt::white);
    p.setPen(Qt::black);
    p.setFont(sheetFont(13, true));
    const QRect inner = area.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    p.drawText(QRect(inner.left(), inner.top(), inner.width(), kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8(nightTitle(plan, language, dateFormat)));
    const QRect timeline(inner.left(), inner.top() + kTitleHeight, inner.width(), nightTimelineHeight(plan));
    d.timeline = paintNightTimeline(p, timeline, plan, language);
    int y = timeline.bottom() + 8;
    for (const NightTextSection& s : nightPlanSections(plan, language, dateFormat)) {
        y += kLineHeight + kLineHeight / 2;
        p.setFont(sheetFont(12, true));
        p.setPen(Qt::black);
        p.drawText(QPoint(inner.left(), y), QString::fromUtf8(s.title));
        d.rows.push_back({y, "", s.title, true});
        p.setFont(sheetFont(11));
        for (const NightTextRow& r : s.rows) {
            y += kLineHeight;
            p.setPen(r.dim ? QColor(120, 120, 120) : QColor(0, 0, 0));
            p.drawText(QPoint(inner.left() + 8, y), QString::fromUtf8(r.time));
            p.drawText(QPoint(inner.left() + 140, y), QString::fromUtf8(r.text));
            d.rows.push_back({y, r.time, r.text, false});
        }
    }
    p.restore();
    return d;
}

}  // namespace vantorel
