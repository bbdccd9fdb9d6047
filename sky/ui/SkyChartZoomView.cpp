#include "sky/ui/SkyChartZoomView.h"

#include "common/ui/ViewContext.h"
#include "common/ui/WindowHost.h"

namespace vantorel {

SkyChartZoomView::SkyChartZoomView(const ViewContext& context)
    : ChildView(context.host, DocTypeId::ZoomedSky) {}

}  // namespace vantorel
