#pragma once

#include <string>
#include <vector>

// The texts of the all-planets table as it is drawn: each line as cells
// joined by tabs, with the tab stops of its section (in average character
// widths), in the language of the table.

namespace vantorel {

class DataTableDocument;

struct TableLine {
    std::string name;                // what the line is: "title", "sun", "moon", "mercury" ...
    std::vector<std::string> cells;  // the texts between the tabs
    std::vector<int> tabStops;       // average character widths from the left margin
    bool header = false;             // a section's headings: a rule is drawn under it
    int row = 0;                     // the line's row, in line heights from the top
    // The tabbed text the line draws.
    std::string text() const;
};

// Every line of the table for its document, in drawing order: the title,
// the Sun's section, the Moon's, the planets' (with the System II line after
// Jupiter) and the Red Spot transits.
std::vector<TableLine> dataTableLines(const DataTableDocument& doc, int language, int dateFormat);

// Cell formats shared with the tests.
// "%c%02.1f" with '+' from zero up; "%03.1f" below zero: "+0.5", "-2.3".
std::string tableMagnitudeText(double magnitude);
// "%02.1f%" of the illuminated fraction.
std::string tableIlluminationText(double fraction);

}  // namespace vantorel
