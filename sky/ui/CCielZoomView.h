#pragma once

#include "app/ui/CChildView.h"

// The zoomed sky's window kind exists, registered with its menu, but no
// command opens it and it draws nothing of its own.

namespace vantorel {

struct ViewContext;

class CCielZoomView : public CChildView {
    Q_OBJECT
public:
    explicit CCielZoomView(const ViewContext& context);
};

}  // namespace vantorel
