#include "sky/ui/CCielZoomView.h"

#include "app/ui/DocumentTypeRegistry.h"

namespace vantorel {

CCielZoomView::CCielZoomView(const ViewContext& context)
    : CChildView(context.app, context.frame, DocTypeId::ZoomedSky) {}

}  // namespace vantorel
