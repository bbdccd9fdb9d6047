#pragma once

#include <QSize>

#include <array>
#include <functional>
#include <vector>

#include "common/commands/DocumentTypes.h"
#include "common/ui/ViewContext.h"

class QWidget;

// The document types as the running program registered them: the menu
// resource of each in the program's language, and the factory that makes the
// view of its windows.

namespace vantorel {

class Application;
class MainWindow;
class ChildView;
class ChildFrame;
class DateTime;
class WindowHost;

using ViewFactory = std::function<ChildView*(const ViewContext&)>;
// Makes the frame around a new view, for the kinds whose frame is not the
// plain 260 x 260 child window (sizes taken from the main window, no
// sizing border).
using FrameFactory = std::function<ChildFrame*(ChildView*, WindowHost&)>;
// Makes the modeless phenomena generator window.
using ToolFactory = std::function<QWidget*(WindowHost&)>;

class DocumentTypeRegistry {
public:
    struct Registered {
        const DocumentType* type = nullptr;
        int menuResource = 0;
        ViewFactory factory;
        QSize frameSize{260, 260};
        FrameFactory frameFactory;
    };

    // Registers every type, in the order of documentTypes(), with the menus
    // of `language`.
    void registerAll(int language);
    const std::vector<Registered>& registered() const { return types_; }
    const Registered& entry(DocTypeId id) const;

    void setViewFactory(DocTypeId id, ViewFactory factory, QSize frameSize = QSize(260, 260));
    bool hasViewFactory(DocTypeId id) const;
    // After setViewFactory, which drops the frame factory a type had.
    void setFrameFactory(DocTypeId id, FrameFactory factory);
    // The view of a new window from the type's factory; null without one.
    ChildView* createView(DocTypeId id, const ViewContext& context) const;

    void setPhenomenaGeneratorFactory(ToolFactory factory) { generator_ = std::move(factory); }
    const ToolFactory& phenomenaGeneratorFactory() const { return generator_; }

private:
    std::vector<Registered> types_;
    ToolFactory generator_;
};

// Gives each window type the view that draws it. Every window kind adds its
// factory here.
void installViewFactories(DocumentTypeRegistry& registry);

}  // namespace vantorel
