#include "sky/ui/SkyChartFrame.h"

#include <algorithm>

#include <QAbstractScrollArea>

#include "common/ui/WindowHost.h"

namespace vantorel {

SkyChartFrame::SkyChartFrame(ChildView* view, WindowHost& host) : ChildFrame(view) {
    fixSize(sizeFor(host.workspace()->width()));
}

QSize SkyChartFrame::sizeFor(int clientWidth) {
    // A main window squeezed to nothing still gets a chart one can see.
    const int width = std::max(120, clientWidth - 10);
    return QSize(width, static_cast<int>(width / 2.7));
}

}  // namespace vantorel
