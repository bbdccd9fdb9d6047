#include "planets/ui/ConjunctionDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "common/text/LanguageText.h"
#include "common/ui/DialogHelpers.h"
#include "common/ui/ResultListFont.h"
#include "common/ui/WindowServices.h"
#include "sky/ConjunctionSearch.h"

namespace vantorel {

namespace {

constexpr TextTriple kTitle{"Phenomena", "Ph\u00e9nom\u00e8ne", "Fen\u00f3menos"};
constexpr TextTriple kDateHeading{"Date/Time", "Date/Heure", "Fecha/Hora"};

// Characters before the event name in every line: the ten of the date, three
// blanks, the hour with its "h", four blanks.
constexpr int kNameColumn = 20;
// Wide enough for the longest line: a Spanish greatest elongation with its value.
constexpr int kLineColumns = 64;
constexpr int kVisibleLines = 6;

}  // namespace

ConjunctionListWidget::ConjunctionListWidget(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("ConjunctionListWidget"));
    setFont(resultListFont());
    setSelectionMode(QAbstractItemView::SingleSelection);
    const QFontMetrics fm(font());
    setMinimumSize(fm.horizontalAdvance(QString(kLineColumns, QLatin1Char('0'))) + 2 * frameWidth() + 8,
                   fm.height() * kVisibleLines + 2 * frameWidth() + 4);
}

ConjunctionDialog::ConjunctionDialog(int language, const QStringList& lines, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ConjunctionDialog"));
    setWindowTitle(tr3(kTitle, language));

    list_ = new ConjunctionListWidget(this);
    dateHeading_ = new QLabel(tr3(kDateHeading, language), this);
    eventHeading_ = new QLabel(tr3(kTitle, language), this);
    dateHeading_->setFont(list_->font());
    eventHeading_->setFont(list_->font());
    // The event heading stands over the first character of the event names.
    const QFontMetrics fm(list_->font());
    dateHeading_->setFixedWidth(fm.horizontalAdvance(QString(kNameColumn, QLatin1Char('0'))));

    auto* headings = new QHBoxLayout;
    headings->setSpacing(0);
    // The list's frame and item margin push its text right by this much.
    headings->setContentsMargins(list_->frameWidth() + 2, 0, 0, 0);
    headings->addWidget(dateHeading_);
    headings->addWidget(eventHeading_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(headings);
    layout->addWidget(list_);
    layout->addWidget(okCancelButtons(this, language, true));

    // On opening the list is emptied and the lines are added in order.
    list_->clear();
    list_->addItems(lines);
}

QStringList ConjunctionDialog::searchLines(const DateTime& dt, int planetIndex, int language,
                                  int dateFormat) {
    ConjunctionSearch search(language, dateFormat);
    search.searchPhenomena(dt, planetIndex);
    QStringList lines;
    for (int i = 0; i < search.count && i < ConjunctionSearch::kLineCount; ++i)
        lines << QString::fromUtf8(search.lines[i]);
    return lines;
}

void ConjunctionDialog::showForPlanet(QWidget* parent, const DateTime& dt, int planetIndex, int language,
                             int dateFormat) {
    QStringList lines;
    {
        WaitCursor wait;
        lines = searchLines(dt, planetIndex, language, dateFormat);
    }
    ConjunctionDialog dialog(language, lines, parent);
    dialog.exec();
}

}  // namespace vantorel
