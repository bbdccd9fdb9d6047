#include "sky/ui/CCielChild.h"

#include <algorithm>

#include "app/ui/CMainFrame.h"
#include "app/ui/CMdiClient.h"

namespace vantorel {

CCielChild::CCielChild(CChildView* view, CMainFrame& frame) : CChildFrame(view) {
    fixSize(sizeFor(frame.mdiClient()->width()));
}

QSize CCielChild::sizeFor(int clientWidth) {
    // A main window squeezed to nothing still gets a chart one can see.
    const int width = std::max(120, clientWidth - 10);
    return QSize(width, static_cast<int>(width / 2.7));
}

}  // namespace vantorel
