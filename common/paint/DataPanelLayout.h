#pragma once

#include <QFont>
#include <QHash>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

// Where the data dialog's texts stand: the boxes they were designed in (in
// dialog units), fitted to the widths of the texts in today's fonts, and which
// label each figure belongs to. The dialog and its picture for the
// command-line tool place their texts through here, so both show the same.

namespace vantorel {

class DataPanelLayout {
public:
    // Client size in dialog units.
    static constexpr int kWidthUnits = 110;
    static constexpr int kHeightUnits = 233;

    // A text control (1009, 1027 .. 1049, 1100 .. 1104) and its designed
    // box; `toEdge` texts may use the room up to the right edge.
    struct Text {
        int id;
        int x, y, w, h;  // dialog units
        bool toEdge;
    };
    // The two group boxes: 1039 (central longitude, whose title is a text of
    // the record) and 1140 (the comparison of the diameters).
    struct Group {
        int id;
        int x, y, w, h;  // dialog units
    };
    static const std::vector<Text>& texts();
    static const std::vector<Group>& groups();

    struct Fitted {
        QHash<int, QRect> texts;   // pixels, by control
        QHash<int, QRect> groups;  // pixels, by control
        int width = 0;             // client width, pixels
    };
    // Places the texts from their designed places, moving columns right and
    // widening the panel until every text fits its width (`widthOf` a
    // control, pixels): the designed places were made for one small system
    // font, and the longer words of French and Spanish do not fit them. The
    // panel is never narrower than `minimumWidth`; the group boxes enclose
    // what they hold.
    static Fitted fit(const std::function<int(int id)>& widthOf, int minimumWidth);

    // The panel's font from a base font: 10 pixels, the body's name bold.
    static QFont font(const QFont& base, int id);
    // The width a one-line text needs in a font, as a label lays it out.
    static int textWidth(const QFont& font, const QString& text);
};

// A text as it stands in the panel.
struct PlacedText {
    int id = 0;
    QString text;
    QRect rect;
};

// A label with the figure it describes.
struct LabelValue {
    enum class Where { None, Beside, Above };
    PlacedText label;
    PlacedText value;  // id 0 when the label has none
    Where where = Where::None;
};

// Every label (a text without a digit) with its value (a text with one): the
// nearest text to its right on its row (the same top) when that is a value,
// else the nearest text above it in its column (the same left edge) when
// that is a value. Blank texts are neither.
std::vector<LabelValue> pairLabelsWithValues(const std::vector<PlacedText>& texts);

}  // namespace vantorel
