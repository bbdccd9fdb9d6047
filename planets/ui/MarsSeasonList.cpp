#include "planets/ui/MarsSeasonList.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>

#include "common/ui/DialogHelpers.h"
#include "common/ui/ToolWindowPlacement.h"
#include "common/ui/ResultListFont.h"
#include "sky/MarsSeasonSearch.h"

namespace vantorel {

namespace {

QPointer<MarsSeasonList>& openList() {
    static QPointer<MarsSeasonList> list;
    return list;
}

// A line: the ten characters of the date, two blanks, "hh:mm", two blanks,
// the season.
constexpr int kTimeColumn = 12;
constexpr int kSeasonColumn = 19;
constexpr int kLineColumns = 32;
// Ten years give about 24 lines; two dozen show without scrolling on most screens.
constexpr int kVisibleLines = 12;

}  // namespace

MarsSeasonListWidget::MarsSeasonListWidget(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("MarsSeasonListWidget"));
    setFont(resultListFont());
    const QFontMetrics fm(font());
    setMinimumSize(fm.horizontalAdvance(QString(kLineColumns, QLatin1Char('0'))) + 2 * frameWidth() + 8 +
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                   fm.height() * kVisibleLines + 2 * frameWidth());
}

MarsSeasonList::MarsSeasonList(int language, QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("MarsSeasonList"));
    setWindowTitle(tr3(kSeasonListTitle, language));
    setModal(false);
    list_ = new MarsSeasonListWidget(this);
    // The heading's two words over the date and the time of the lines.
    const QStringList words =
        tr3(kSeasonListDateHeading, language).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    dateHeading_ = new QLabel(words.value(0).leftJustified(kTimeColumn) + words.value(1), this);
    seasonHeading_ = new QLabel(tr3(kSeasonListSeasonHeading, language), this);
    dateHeading_->setFont(list_->font());
    seasonHeading_->setFont(list_->font());
    const QFontMetrics fm(list_->font());

    dateHeading_->setFixedWidth(fm.horizontalAdvance(QString(kSeasonColumn, QLatin1Char('0'))));
    auto* headings = new QHBoxLayout;
    headings->setSpacing(0);
    headings->setContentsMargins(list_->frameWidth() + 2, 0, 0, 0);
    headings->addWidget(dateHeading_);
    headings->addWidget(seasonHeading_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(headings);
    layout->addWidget(list_);
    layout->addWidget(okCancelButtons(this, language, true));
}

QPoint MarsSeasonList::placement(int screenWidth, int clientWidth) {
    return QPoint(std::max(0, screenWidth - clientWidth - 10), 435);
}

MarsSeasonList* MarsSeasonList::current() { return openList().data(); }

void MarsSeasonList::fill(const QStringList& lines) {
    lines_ = lines;
    list_->clear();
    list_->addItems(lines);
}

MarsSeasonList* MarsSeasonList::showLines(QWidget* owner, int language, const QStringList& lines) {
    QPointer<MarsSeasonList>& open = openList();
    if (!open) {
        open = new MarsSeasonList(language, owner);
        open->adjustSize();
        placeToolWindow(open, [&open](QSize, QRect screen) {
            return screen.topLeft() + placement(screen.width(), open->width());
        });
    }
    open->fill(lines);
    open->show();
    open->raise();
    return open.data();
}

}  // namespace vantorel
