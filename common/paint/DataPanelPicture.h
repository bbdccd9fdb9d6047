#pragma once

#include <vector>

#include "common/paint/DataPanelLayout.h"
#include "common/paint/DrawingSurface.h"

// The data dialog as a picture: its texts where the dialog places them, the
// frames of its two groups and the comparison of the diameters, for the
// command-line tool to draw and describe without a window.

namespace vantorel {

struct BodyDataRecord;

// Draws the panel showing `record` in the language over the whole surface
// and returns every text drawn with its box, the group's title 1039 among
// them. The panel takes the surface's width when that is wider than it
// needs; a narrower surface is made as wide as the panel, as the dialog
// widens itself.
std::vector<PlacedText> paintDataPanel(DrawingSurface& surface, const BodyDataRecord& record,
                                       int language);

}  // namespace vantorel
