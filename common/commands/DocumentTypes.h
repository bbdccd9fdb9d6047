#pragma once

#include <array>

#include "common/commands/MenuTable.h"

// The kinds of window the program opens, in the order they are registered:
// each with its document, frame and view classes, its menu resource in each
// language, the menu it shows and the command that opens it.

namespace vantorel {

enum class DocTypeId : int {
    DataTable,
    Mars,
    Jupiter,
    JupiterSatellites,
    Saturn,
    Venus,
    Mercury,
    Moon,
    Uranus,
    Sky,
    Heliocentric,
    ZoomedSky,
    Tonight,
};
constexpr int kDocTypeCount = 13;

struct DocumentType {
    DocTypeId id;
    std::array<int, 3> menuResource;  // English, French, Spanish
    MenuKind menu;
    // The language whose texts the menu shows; -1 for the program's language.
    // The zoomed sky keeps the English sky menu in every language.
    int fixedMenuLanguage;
    int openCommand;         // 0 when no main-window command opens it directly
    int titleIndex;          // into the window title table; -1 for a fixed title
    TextTriple fixedTitle;   // used when titleIndex is -1
    // Counted in windowCount: the body windows, whose closing empties the
    // status bar and closes the data dialog when the last goes.
    bool counted;
    // The name the data dialog shows when the opener shows it; null for none.
    const char* dataDialogName;
};

const std::array<DocumentType, kDocTypeCount>& documentTypes();
const DocumentType& documentType(DocTypeId id);
// The type a main-window command opens; nullptr for any other command.
const DocumentType* documentTypeForCommand(int command);

// The menu resource a type registers with in `language`.
int menuResourceFor(const DocumentType& type, int language);
// The menu resource of the main window: 129, 164, 175.
int mainMenuResource(int language);
// The language whose texts a type's menu shows.
int menuLanguageFor(const DocumentType& type, int language);

}  // namespace vantorel
