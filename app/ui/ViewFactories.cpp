// The views of the window types. A window kind whose view exists registers
// it here, e.g.
//   registry.setViewFactory(DocTypeId::Mars, [](const ViewContext& c) {
//       return new CMarsView(c); });
// Types left out open a placeholder window.
#include "app/ui/DocumentTypeRegistry.h"
#include "moon/ui/CLuneView.h"
#include "planets/ui/CPlanetViews.h"
#include "planets/ui/CVantorelView.h"
#include "satellites/ui/CSaturneSatView.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CVantorelApp.h"
#include "satellites/ui/CJupiterViews.h"
#include "satellites/ui/CSatPhenSet.h"
#include "sky/ui/CCielChild.h"
#include "sky/ui/CCielView.h"
#include "sky/ui/CCielZoomView.h"
#include "sky/ui/CHelioChild.h"
#include "sky/ui/CHelioView.h"

namespace vantorel {

void installViewFactories(DocumentTypeRegistry& registry) {
    registry.setViewFactory(DocTypeId::Moon, [](const ViewContext& c) { return new CLuneView(c); });
    registry.setViewFactory(DocTypeId::Mercury,
                            [](const ViewContext& c) { return new CMercureView(c); });
    registry.setViewFactory(DocTypeId::Venus, [](const ViewContext& c) { return new CVenusView(c); });
    registry.setViewFactory(DocTypeId::Mars, [](const ViewContext& c) { return new CMarsView(c); });
    registry.setViewFactory(DocTypeId::Jupiter,
                            [](const ViewContext& c) { return new CJupiterView(c); }, QSize(300, 280));
    // The strip: wide enough for Callisto's orbit on both sides.
    registry.setViewFactory(DocTypeId::JupiterSatellites,
                            [](const ViewContext& c) { return new CJupiterSatView(c); },
                            QSize(640, 140));
    registry.setPhenomenaGeneratorFactory(
        [](CVantorelApp& app) { return new CSatPhenSet(app, app.mainFrame()); });
    registry.setViewFactory(
        DocTypeId::DataTable, [](const ViewContext& c) { return new CVantorelView(c); },
        QSize(830, 450));
    registry.setViewFactory(DocTypeId::Uranus,
                            [](const ViewContext& c) { return new CUranusView(c); });
    registry.setViewFactory(
        DocTypeId::Saturn, [](const ViewContext& c) { return new CSaturneSatView(c); },
        QSize(CSaturneSatView::kFrameWidth, CSaturneSatView::kFrameHeight));
    registry.setViewFactory(DocTypeId::Sky, [](const ViewContext& c) { return new CCielView(c); });
    registry.setFrameFactory(DocTypeId::Sky, [](CChildView* view, CMainFrame& frame) {
        return new CCielChild(view, frame);
    });
    registry.setViewFactory(DocTypeId::Heliocentric,
                            [](const ViewContext& c) { return new CHelioView(c); });
    registry.setFrameFactory(DocTypeId::Heliocentric,
                             [](CChildView* view, CMainFrame&) { return new CHelioChild(view); });
    registry.setViewFactory(DocTypeId::ZoomedSky,
                            [](const ViewContext& c) { return new CCielZoomView(c); });
}

}  // namespace vantorel
