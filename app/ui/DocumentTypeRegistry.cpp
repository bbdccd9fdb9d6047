#include "app/ui/DocumentTypeRegistry.h"


namespace vantorel {

void DocumentTypeRegistry::registerAll(int language) {
    std::vector<Registered> types;
    for (const DocumentType& t : documentTypes()) {
        Registered r;
        r.type = &t;
        r.menuResource = menuResourceFor(t, language);
        // Factories set before registration stay.
        for (const Registered& old : types_)
            if (old.type == &t) {
                r.factory = old.factory;
                r.frameSize = old.frameSize;
                r.frameFactory = old.frameFactory;
            }
        types.push_back(std::move(r));
    }
    types_ = std::move(types);
}

const DocumentTypeRegistry::Registered& DocumentTypeRegistry::entry(DocTypeId id) const {
    static const Registered none;
    for (const Registered& r : types_)
        if (r.type->id == id) return r;
    return none;
}

void DocumentTypeRegistry::setViewFactory(DocTypeId id, ViewFactory factory, QSize frameSize) {
    if (types_.empty()) registerAll(0);
    for (Registered& r : types_)
        if (r.type->id == id) {
            r.factory = std::move(factory);
            r.frameSize = frameSize;
            // A new view comes in the plain frame of that size unless a
            // frame factory is set again after it.
            r.frameFactory = nullptr;
        }
}

void DocumentTypeRegistry::setFrameFactory(DocTypeId id, FrameFactory factory) {
    if (types_.empty()) registerAll(0);
    for (Registered& r : types_)
        if (r.type->id == id) r.frameFactory = std::move(factory);
}

bool DocumentTypeRegistry::hasViewFactory(DocTypeId id) const {
    return static_cast<bool>(entry(id).factory);
}

ChildView* DocumentTypeRegistry::createView(DocTypeId id, const ViewContext& context) const {
    const Registered& r = entry(id);
    return r.factory ? r.factory(context) : nullptr;
}

}  // namespace vantorel
