#pragma once

#include "common/commands/MenuTable.h"

// The short sentence the status bar shows while a menu item is highlighted,
// in the three languages.

namespace vantorel {

// The prompt of a command as the menus of `kind` carry it; 32821 zooms in
// Saturn's window and lists the phenomena in Jupiter's. Empty texts for a
// number no menu carries.
TextTriple commandPrompt(int id, MenuKind kind = MenuKind::Main);

}  // namespace vantorel
