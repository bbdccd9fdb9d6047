#pragma once

#include "common/ui/ChildView.h"

// The zoomed sky's window kind exists, registered with its menu, but no
// command opens it and it draws nothing of its own.

namespace vantorel {

struct ViewContext;

class SkyChartZoomView : public ChildView {
    Q_OBJECT
public:
    explicit SkyChartZoomView(const ViewContext& context);
};

}  // namespace vantorel
