#include "common/ui/ToolWindowPlacement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <climits>
#include <vector>

#include "common/ui/TitleWidthFitter.h"

namespace vantorel {

namespace {

constexpr int kGap = 10;
constexpr const char* kToolWindowProperty = "vantorelToolWindow";

QPoint inside(QPoint p, QSize frame, const QRect& available) {
    const int right = std::max(available.left(), available.right() + 1 - frame.width());
    const int bottom = std::max(available.top(), available.bottom() + 1 - frame.height());
    return {std::clamp(p.x(), available.left(), right), std::clamp(p.y(), available.top(), bottom)};
}

long long coveredArea(const QRect& placed, const QList<QRect>& avoid) {
    long long area = 0;
    for (const QRect& a : avoid) {
        const QRect common = placed.intersected(a);
        area += static_cast<long long>(common.width()) * common.height();
    }
    return area;
}

}  // namespace

QPoint toolWindowPosition(QSize frame, const QRect& available, const QList<QRect>& avoid, QPoint wanted) {
    QList<QRect> others;
    for (const QRect& a : avoid)
        if (!a.isEmpty()) others.push_back(a);
    const QPoint first = inside(wanted, frame, available);
    if (coveredArea(QRect(first, frame), others) == 0) return first;
    // Beside one window may be on another: every column and row that
    // touches one of them is tried, so windows already stacked on one edge
    // get the next one below them.
    std::vector<int> xs{first.x()};
    std::vector<int> ys{first.y()};
    for (const QRect& a : others) {
        xs.push_back(a.left() - kGap - frame.width());
        xs.push_back(a.right() + 1 + kGap);
        ys.push_back(a.top() - kGap - frame.height());
        ys.push_back(a.bottom() + 1 + kGap);
    }
    QPoint best = first;
    long long bestCovered = coveredArea(QRect(first, frame), others);
    int bestDistance = 0;
    for (int x : xs)
        for (int y : ys) {
            const QPoint p = inside(QPoint(x, y), frame, available);
            const long long covered = coveredArea(QRect(p, frame), others);
            const int distance = (p - first).manhattanLength();
            if (covered < bestCovered || (covered == bestCovered && distance < bestDistance)) {
                best = p;
                bestCovered = covered;
                bestDistance = distance;
            }
        }
    return best;
}

QPoint toolWindowPosition(QSize frame, const QRect& available, const QRect& avoid, QPoint wanted) {
    return toolWindowPosition(frame, available, QList<QRect>{avoid}, wanted);
}

void markToolWindow(QWidget* window) {
    if (window) window->setProperty(kToolWindowProperty, true);
}

QList<QRect> shownToolWindowFrames(const QWidget* except) {
    QList<QRect> frames;
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w != except && w->isVisible() && w->property(kToolWindowProperty).toBool())
            frames.push_back(w->frameGeometry());
    return frames;
}

void placeToolWindow(QWidget* window, const std::function<QPoint(QSize, QRect)>& wanted,
                     const QRect& avoid) {
    if (!window) return;
    markToolWindow(window);
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
    const QSize frame = window->isVisible() ? window->frameGeometry().size()
                                            : window->size() + decorations.expandedTo(QSize(0, 0));
    QList<QRect> others = shownToolWindowFrames(window);
    others.push_back(avoid);
    window->move(toolWindowPosition(frame, available, others, wanted(frame, screen ? screen->geometry() : available)));
}

}  // namespace vantorel
