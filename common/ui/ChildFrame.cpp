#include "common/ui/ChildFrame.h"

#include "common/ui/ChildView.h"

namespace vantorel {

ChildFrame::ChildFrame(ChildView* view, QSize initialSize)
    : view_(view), initialSize_(initialSize) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
    resize(initialSize);
}

void ChildFrame::fixSize(QSize size) {
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size);
}

}  // namespace vantorel
