#include "common/ui/TitleWidthFitter.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QMainWindow>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vantorel {

namespace {
// Icon, the three buttons and the padding around the text in a title bar.
constexpr int kTitleBarExtras = 130;
}  // namespace

int titleWidthNeeded(const QString& title) {
    if (title.isEmpty()) return 0;
    QFont font = QApplication::font();
    font.setBold(true);
    // Title bar fonts run a little larger than the dialogs'.
    const double text = QFontMetrics(font).horizontalAdvance(title) * 1.15;
    return static_cast<int>(std::ceil(text)) + kTitleBarExtras;
}

void fitWidthToTitle(QWidget* window) {
    // Only a window on the screen has its real size: before it shows, its
    // layout has not sized it yet.
    if (!window || !window->isWindow() || !window->isVisible() || qobject_cast<QMainWindow*>(window))
        return;
    const int need = titleWidthNeeded(window->windowTitle());
    if (need <= 0 || window->width() >= need) return;
    if (window->minimumWidth() == window->maximumWidth()) {
        window->setFixedWidth(need);
        return;
    }
    // A plain resize: a minimum set here would take the place of the one the
    // layout keeps for the window's contents.
    window->resize(std::min(need, window->maximumWidth()), window->height());
}

bool TitleWidthFitter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowTitleChange) {
        if (watched->isWidgetType()) fitWidthToTitle(static_cast<QWidget*>(watched));
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vantorel
