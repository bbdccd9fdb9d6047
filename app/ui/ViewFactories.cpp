// The view (and where needed the frame) of every window kind. A kind left
// out here opens no window; docs/DEVELOPING.md names these files per kind,
// and its test reads this file to keep that map true.
#include "app/ui/Application.h"
#include "app/ui/DocumentTypeRegistry.h"
#include "app/ui/MainWindow.h"
#include "moon/ui/MoonView.h"
#include "planets/ui/DataTableView.h"
#include "planets/ui/JupiterViews.h"
#include "planets/ui/PlanetViews.h"
#include "planets/ui/SaturnView.h"
#include "satellites/ui/PhenomenaGeneratorDialog.h"
#include "sky/ui/HeliocentricFrame.h"
#include "sky/ui/HeliocentricView.h"
#include "sky/ui/SkyChartFrame.h"
#include "sky/ui/SkyChartView.h"
#include "sky/ui/SkyChartZoomView.h"
#include "tonight/ui/TonightView.h"

namespace vantorel {

void installViewFactories(DocumentTypeRegistry& registry) {
    registry.setViewFactory(DocTypeId::Moon, [](const ViewContext& c) { return new MoonView(c); });
    registry.setViewFactory(DocTypeId::Mercury,
                            [](const ViewContext& c) { return new MercuryView(c); });
    registry.setViewFactory(DocTypeId::Venus, [](const ViewContext& c) { return new VenusView(c); });
    registry.setViewFactory(DocTypeId::Mars, [](const ViewContext& c) { return new MarsView(c); });
    // The disc: twice as wide as high, so that at the level that opens it
    // the four moons stand beside a globe of some size.
    registry.setViewFactory(
        DocTypeId::Jupiter, [](const ViewContext& c) { return new JupiterView(c); },
        QSize(600, 300));
    // The strip: wide enough for Callisto's orbit on both sides.
    registry.setViewFactory(DocTypeId::JupiterSatellites,
                            [](const ViewContext& c) { return new JupiterSatellitesView(c); },
                            QSize(640, 140));
    registry.setPhenomenaGeneratorFactory(
        [](WindowHost& host) { return new PhenomenaGeneratorDialog(host, host.topWindow()); });
    registry.setViewFactory(
        DocTypeId::DataTable, [](const ViewContext& c) { return new DataTableView(c); },
        QSize(830, 450));
    registry.setViewFactory(DocTypeId::Uranus,
                            [](const ViewContext& c) { return new UranusView(c); });
    registry.setViewFactory(
        DocTypeId::Saturn, [](const ViewContext& c) { return new SaturnView(c); },
        QSize(SaturnView::kFrameWidth, SaturnView::kFrameHeight));
    registry.setViewFactory(DocTypeId::Sky, [](const ViewContext& c) { return new SkyChartView(c); });
    registry.setFrameFactory(DocTypeId::Sky, [](ChildView* view, WindowHost& host) {
        return new SkyChartFrame(view, host);
    });
    registry.setViewFactory(DocTypeId::Heliocentric,
                            [](const ViewContext& c) { return new HeliocentricView(c); });
    registry.setFrameFactory(DocTypeId::Heliocentric,
                             [](ChildView* view, WindowHost&) { return new HeliocentricFrame(view); });
    registry.setViewFactory(DocTypeId::ZoomedSky,
                            [](const ViewContext& c) { return new SkyChartZoomView(c); });
    registry.setViewFactory(
        DocTypeId::Tonight, [](const ViewContext& c) { return new TonightView(c); }, QSize(800, 600));
}

}  // namespace vantorel
