#include "common/paint/DataPanelLayout.h"

#include <QFontMetrics>
#include <QMap>

#include <algorithm>
#include <cstdlib>

#include "common/paint/DialogUnits.h"

namespace vantorel {

namespace {

constexpr int kRowHeight = 14;
constexpr int kGap = 4;     // between a text and the column right of it
constexpr int kMargin = 3;  // between the right edge and the texts
constexpr int kSameRow = 2;  // pixels between the tops of texts on one row

bool sameRows(const QRect& a, const QRect& b) { return a.top() <= b.bottom() && b.top() <= a.bottom(); }

bool isValue(const QString& text) {
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); });
}

}  // namespace

const std::vector<DataPanelLayout::Text>& DataPanelLayout::texts() {
    static const std::vector<Text> kTexts = {
        {1009, 29, 2, 44, kRowHeight, false},
        // Label and value rows: right ascension, declination, magnitude,
        // diameter, distance, illumination, pole inclination.
        {1027, 7, 26, 47, kRowHeight, false}, {1028, 63, 26, 40, kRowHeight, true},
        {1029, 7, 36, 47, kRowHeight, false}, {1030, 63, 36, 40, kRowHeight, true},
        {1031, 7, 47, 47, kRowHeight, false}, {1032, 63, 47, 40, kRowHeight, true},
        {1033, 7, 57, 47, kRowHeight, false}, {1034, 63, 57, 40, kRowHeight, true},
        {1035, 7, 68, 47, kRowHeight, false}, {1036, 63, 68, 40, kRowHeight, true},
        {1037, 7, 79, 47, kRowHeight, false}, {1038, 63, 79, 40, kRowHeight, true},
        {1042, 7, 90, 47, kRowHeight, false}, {1043, 63, 90, 40, kRowHeight, true},
        // Inside the central longitude's group: two rows of two.
        {1040, 24, 110, 30, 12, false}, {1041, 59, 110, 30, 12, true},
        {1044, 24, 118, 30, 12, false}, {1045, 59, 118, 30, 12, true},
        // The season (Mars) or the Red Spot's transits (Jupiter).
        {1046, 25, 136, 60, 12, false},
        {1047, 8, 146, 30, 12, false}, {1048, 41, 146, 38, 12, true}, {1049, 79, 146, 30, 12, true},
        // Inside the comparison: the discs' captions, the scale.
        {1103, 73, 166, 32, 9, true}, {1102, 73, 175, 32, 9, true}, {1104, 73, 184, 32, 9, true},
        {1101, 49, 211, 58, 9, true}, {1100, 49, 220, 58, 9, true},
    };
    return kTexts;
}

const std::vector<DataPanelLayout::Group>& DataPanelLayout::groups() {
    static const std::vector<Group> kGroups = {{1039, 7, 100, 96, 33}, {1140, 1, 158, 107, 73}};
    return kGroups;
}

DataPanelLayout::Fitted DataPanelLayout::fit(const std::function<int(int id)>& widthOf,
                                             int minimumWidth) {
    // The designed boxes in pixels; the texts at the right may use the room
    // up to the edge: figures such as a distance with its unit are wider in
    // today's fonts than the boxes were drawn for.
    QHash<int, QRect> designed;
    QHash<int, bool> toEdge;
    QMap<int, QList<int>> columns;  // texts that share a designed left edge keep a common one
    for (const Text& t : texts()) {
        QRect box = dialogRect(t.x, t.y, t.w, t.h);
        if (t.toEdge) box.setRight(dialogX(kWidthUnits) - kMargin);
        designed.insert(t.id, box);
        toEdge.insert(t.id, t.toEdge);
        columns[box.left()].push_back(t.id);
    }
    Fitted out;
    int widest = 0;
    for (auto col = columns.cbegin(); col != columns.cend(); ++col) {
        // Right of every text already placed on the same rows.
        int left = col.key();
        for (int id : col.value())
            for (auto done = out.texts.cbegin(); done != out.texts.cend(); ++done)
                if (sameRows(designed[id], designed[done.key()])) left = std::max(left, done->right() + 1 + kGap);
        for (int id : col.value()) {
            const QRect& box = designed[id];
            const int need = widthOf(id);
            out.texts.insert(id, QRect(left, box.top(), std::max(box.width(), need), box.height()));
            widest = std::max(widest, left + need);
        }
    }
    out.width = std::max({dialogX(kWidthUnits), widest + kMargin, minimumWidth});
    for (auto it = out.texts.begin(); it != out.texts.end(); ++it)
        if (toEdge[it.key()]) it->setRight(out.width - kMargin);
    for (const Group& g : groups()) {
        QRect box = dialogRect(g.x, g.y, g.w, g.h);
        const QRect designedBox = box;
        for (auto it = out.texts.cbegin(); it != out.texts.cend(); ++it)
            if (designedBox.contains(designed[it.key()].center()))
                box.setRight(std::max(box.right(), std::min(it->right() + kGap, out.width - kMargin)));
        out.groups.insert(g.id, box);
    }
    return out;
}

QFont DataPanelLayout::font(const QFont& base, int id) {
    QFont f = base;
    f.setPixelSize(10);
    if (id == 1009) f.setBold(true);
    return f;
}

int DataPanelLayout::textWidth(const QFont& font, const QString& text) {
    if (text.isEmpty()) return 0;
    return QFontMetrics(font)
        .boundingRect(QRect(0, 0, 4000, 4000), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextExpandTabs, text)
        .width();
}

std::vector<LabelValue> pairLabelsWithValues(const std::vector<PlacedText>& texts) {
    std::vector<const PlacedText*> shown;
    for (const PlacedText& t : texts)
        if (!t.text.trimmed().isEmpty()) shown.push_back(&t);
    std::vector<LabelValue> pairs;
    for (const PlacedText* label : shown) {
        if (isValue(label->text)) continue;
        LabelValue pair{*label, {}, LabelValue::Where::None};
        const PlacedText* right = nullptr;
        const PlacedText* above = nullptr;
        for (const PlacedText* t : shown) {
            if (t == label) continue;
            // The boxes of neighbouring rows overlap (rows 10 units apart,
            // boxes 14 high): a row is the texts of one top.
            if (std::abs(t->rect.top() - label->rect.top()) <= kSameRow && t->rect.left() > label->rect.left() &&
                (!right || t->rect.left() < right->rect.left()))
                right = t;
            if (t->rect.left() == label->rect.left() && t->rect.top() < label->rect.top() - kSameRow &&
                (!above || t->rect.top() > above->rect.top()))
                above = t;
        }
        if (right && isValue(right->text)) {
            pair.value = *right;
            pair.where = LabelValue::Where::Beside;
        } else if (above && isValue(above->text)) {
            pair.value = *above;
            pair.where = LabelValue::Where::Above;
        }
        pairs.push_back(pair);
    }
    return pairs;
}

}  // namespace vantorel
