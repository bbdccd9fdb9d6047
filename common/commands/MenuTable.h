#pragma once

#include <vector>

#include "common/commands/CommandIds.h"
#include "common/text/LanguageText.h"

// The menus of the main window and of each kind of child window, in the three
// languages. A child window's menu replaces the main menu while it is active.

namespace vantorel {

// Which menu a window shows. Windows with the same commands share one.
enum class MenuKind {
    Main,
    Mars,
    MercuryVenus,
    Uranus,
    Jupiter,
    Saturn,
    Moon,
    Tables,  // data table, sky and heliocentric windows
    Tonight,
};

struct MenuItem {
    int id = ID_SEPARATOR;  // ID_SEPARATOR draws a separator line
    TextTriple text{"", "", ""};
    // What the status bar says while the item is highlighted.
    TextTriple prompt{"", "", ""};
    bool isSeparator() const { return id == ID_SEPARATOR; }
};

struct MenuPopup {
    TextTriple title;
    std::vector<MenuItem> items;
};

// The popups of one menu, left to right.
std::vector<MenuPopup> menuLayout(MenuKind kind);

// The text of a command as the menus give it; 32821 reads differently in the
// Saturn window (zoom in) and in the Jupiter windows (phenomena).
TextTriple commandText(int id, MenuKind kind = MenuKind::Main);


// Every command that some menu carries.
std::vector<int> allMenuCommands();

}  // namespace vantorel
