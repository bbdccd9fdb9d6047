#include "common/ui/ToolWindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <array>
#include <climits>

#include "common/ui/TitleWidthFitter.h"

namespace vantorel {

namespace {

constexpr int kGap = 10;

QPoint inside(QPoint p, QSize frame, const QRect& available) {
    const int right = std::max(available.left(), available.right() + 1 - frame.width());
    const int bottom = std::max(available.top(), available.bottom() + 1 - frame.height());
    return {std::clamp(p.x(), available.left(), right), std::clamp(p.y(), available.top(), bottom)};
}

}  // namespace

QPoint toolWindowPosition(QSize frame, const QRect& available, const QRect& avoid, QPoint wanted) {
    const QPoint first = inside(wanted, frame, available);
    if (avoid.isEmpty() || !QRect(first, frame).intersects(avoid)) return first;
    const std::array<QPoint, 4> beside = {
        QPoint(first.x(), avoid.bottom() + 1 + kGap),
        QPoint(first.x(), avoid.top() - kGap - frame.height()),
        QPoint(avoid.left() - kGap - frame.width(), first.y()),
        QPoint(avoid.right() + 1 + kGap, first.y()),
    };
    QPoint best = first;
    int bestDistance = INT_MAX;
    for (const QPoint& candidate : beside) {
        const QPoint p = inside(candidate, frame, available);
        if (QRect(p, frame).intersects(avoid)) continue;
        const int distance = (p - first).manhattanLength();
        if (distance < bestDistance) {
            best = p;
            bestDistance = distance;
        }
    }
    return best;
}

void placeToolWindow(QWidget* window, const std::function<QPoint(QSize, QRect)>& wanted,
                     const QRect& avoid) {
    if (!window) return;
    // Shown, the window is widened to its title (TitleWidthFitter): widened
    // now, it is placed at the size it will have.
    if (window->minimumWidth() != window->maximumWidth())
        window->resize(std::max(window->width(), titleWidthNeeded(window->windowTitle())), window->height());
    const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    const QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    // A window not yet shown has no frame: the owner's decorations stand in.
    QSize decorations;
    if (owner) decorations = owner->frameGeometry().size() - owner->geometry().size();
    const QSize frame = window->size() + decorations.expandedTo(QSize(0, 0));
    window->move(toolWindowPosition(frame, available, avoid, wanted(frame, screen ? screen->geometry() : available)));
}

}  // namespace vantorel
