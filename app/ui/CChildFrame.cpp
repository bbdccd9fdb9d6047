#include "app/ui/CChildFrame.h"

#include "app/ui/CChildView.h"

namespace vantorel {

CChildFrame::CChildFrame(CChildView* view, QSize initialSize)
    : view_(view), initialSize_(initialSize) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
    resize(initialSize);
}

void CChildFrame::fixSize(QSize size) {
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size);
}

}  // namespace vantorel
