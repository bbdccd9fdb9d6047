#pragma once

#include "common/ui/ChildFrame.h"

// The sky chart's frame: as wide as the main window's client area less 10
// pixels, 2.7 times wider than high, and of fixed size so that the chart's
// scale is the same in both directions.

namespace vantorel {

class WindowHost;

class SkyChartFrame : public ChildFrame {
    Q_OBJECT
public:
    SkyChartFrame(ChildView* view, WindowHost& host);
    // The frame's size for a main window client `clientWidth` pixels wide.
    static QSize sizeFor(int clientWidth);
};

}  // namespace vantorel
