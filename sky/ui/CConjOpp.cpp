#include "sky/ui/CConjOpp.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/LanguageText.h"
#include "app/ui/DialogHelpers.h"
#include "sky/ui/ResultListFont.h"
#include "app/ui/WindowServices.h"
#include "sky/PhenomenaSearch.h"

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

CConjListe::CConjListe(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("CConjListe"));
    setFont(resultListFont());
    setSelectionMode(QAbstractItemView::SingleSelection);
    const QFontMetrics fm(font());
    setMinimumSize(fm.horizontalAdvance(QString(kLineColumns, QLatin1Char('0'))) + 2 * frameWidth() + 8,
                   fm.height() * kVisibleLines + 2 * frameWidth() + 4);
}

CConjOpp::CConjOpp(int language, const QStringList& lines, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CConjOpp"));
    setWindowTitle(tr3(kTitle, language));

    list_ = new CConjListe(this);
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

QStringList CConjOpp::searchLines(const DATE_TIME& dt, int planetIndex, int language,
                                  int dateFormat) {
    PhenomenaSearch search(language, dateFormat);
    search.searchPhenomena(dt, planetIndex);
    QStringList lines;
    for (int i = 0; i < search.count && i < PhenomenaSearch::kLineCount; ++i)
        lines << QString::fromUtf8(search.lines[i]);
    return lines;
}

void CConjOpp::showForPlanet(QWidget* parent, const DATE_TIME& dt, int planetIndex, int language,
                             int dateFormat) {
    QStringList lines;
    {
        WaitCursor wait;
        lines = searchLines(dt, planetIndex, language, dateFormat);
    }
    CConjOpp dialog(language, lines, parent);
    dialog.exec();
}

}  // namespace vantorel
