#include "app/ui/CChildFrame.h"

#include "app/ui/CChildView.h"

namespace vantorel {

CChildFrame::CChildFrame(CChildView* view, QSize initialSize) : view_(view) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
    resize(initialSize);
}

}  // namespace vantorel
