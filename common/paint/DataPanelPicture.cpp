#include "common/paint/DataPanelPicture.h"

#include <QHash>

#include "common/paint/ComparativeDiscs.h"
#include "common/text/BodyDataRecord.h"
#include "common/text/DialogTexts.h"

namespace vantorel {

namespace {

constexpr Rgb kBackground{240, 240, 240};
constexpr Rgb kText{0, 0, 0};
constexpr Rgb kFrame{160, 160, 160};
// Where a group's title starts right of its frame's left edge.
constexpr int kTitleIndent = 8;

}  // namespace

std::vector<PlacedText> paintDataPanel(DrawingSurface& s, const BodyDataRecord& record, int language) {
    QHash<int, QString> text;
    for (int i = 0; i < BodyDataRecord::kTextCount; ++i)
        text.insert(BodyDataRecord::kControlIds[i], QString::fromStdString(record.text(i)));
    text.insert(1103, QString::fromUtf8(datadialog::kMaximum(language)));
    text.insert(1102, QString::fromUtf8(datadialog::kCurrent(language)));
    text.insert(1104, QString::fromUtf8(datadialog::kMinimum(language)));
    const QString groupTitle[2] = {text.value(1039), QString::fromUtf8(datadialog::kComparison(language))};

    const QFont base;
    const DataPanelLayout::Fitted fitted = DataPanelLayout::fit(
        [&](int id) { return DataPanelLayout::textWidth(DataPanelLayout::font(base, id), text.value(id)); },
        s.width());
    if (fitted.width > s.width()) s = DrawingSurface(fitted.width, s.height());

    s.fill(kBackground);
    paintComparativeDiscs(s, 0, fitted.width, s.height(),
                          ComparativeDiameters{record.maximumDiameter, record.currentDiameter(),
                                               record.minimumDiameter});
    std::vector<PlacedText> placed;
    s.setBackgroundMode(BackgroundMode::Transparent);
    s.setTextColour(kText);
    const QFont font = DataPanelLayout::font(base, 0);
    s.setFont(font);
    for (std::size_t g = 0; g < DataPanelLayout::groups().size(); ++g) {
        const int id = DataPanelLayout::groups()[g].id;
        const QRect box = fitted.groups.value(id);
        const int half = s.fontHeight() / 2;
        s.setPen(PenStyle::Solid, 1, kFrame);
        s.setHollowBrush();
        s.rectangle(box.left(), box.top() + half, box.right() + 1, box.bottom() + 1);
        const QString& title = groupTitle[g];
        if (title.trimmed().isEmpty()) continue;
        const QRect titleBox(box.left() + kTitleIndent, box.top(), DataPanelLayout::textWidth(font, title),
                             s.fontHeight());
        s.fillRect(titleBox.left() - 2, titleBox.top(), titleBox.right() + 3, titleBox.bottom() + 1,
                   kBackground);
        s.textOut(titleBox.left(), titleBox.top(), title);
        if (id == 1039) placed.push_back({id, title, titleBox});
    }
    for (const DataPanelLayout::Text& t : DataPanelLayout::texts()) {
        const QRect box = fitted.texts.value(t.id);
        const QString& value = text[t.id];
        s.setFont(DataPanelLayout::font(base, t.id));
        // Left-aligned and centred on its box's height, as a label shows it.
        s.textOut(box.left(), box.top() + (box.height() - s.fontHeight()) / 2, value);
        placed.push_back({t.id, value, box});
    }
    return placed;
}

}  // namespace vantorel
