// The views of the window types. A window kind whose view exists registers
// it here, e.g.
//   registry.setViewFactory(DocTypeId::Mars, [](const ViewContext& c) {
//       return new CMarsView(c); });
// Types left out open a placeholder window.
#include "app/ui/DocumentTypeRegistry.h"

namespace vantorel {

void installViewFactories(DocumentTypeRegistry& registry) { (void)registry; }

}  // namespace vantorel
