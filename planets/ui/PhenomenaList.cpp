#include "planets/ui/PhenomenaList.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "common/text/LanguageText.h"
#include "common/ui/DialogHelpers.h"
#include "common/ui/ToolWindowPlacement.h"
#include "common/ui/WindowServices.h"
#include "satellites/PhenomenonRows.h"

namespace vantorel {

namespace {

constexpr TextTriple kCaption{"Phenomena of the satellites", "Ph\u00e9nom\u00e8nes des satellites",
                              "Fen\u00f3menos de los sat\u00e9lites"};
constexpr TextTriple kHeader{"  Day   H    M     Sat.   phe", "  Jour   H    M     Sat.   phe",
                             "  D\u00eda   H    M     Sat.   Fen"};
constexpr TextTriple kSatellites{"I  : Io,  II : Europa,\nIII: Ganymede,  IV: Callisto",
                                 "I  : Io,  II : Europe,\nIII: Ganym\u00e8de,  IV: Callisto",
                                 "I  : Io,  II : Europa,\nIII: Gan\u00edmedes,  IV: Calisto"};
constexpr TextTriple kUpperGroup{"Phenomenon", "Ph\u00e9nom\u00e8nes", "Fen\u00f3menos"};
constexpr TextTriple kLowerGroup{"Description", "Description", "Descripci\u00f3n"};
constexpr TextTriple kLegend{
    "Ec: eclipse\nOc: occultation\nTr: transit\nSh: shadow",
    "Ec: commencement d'\u00e9clipse.\nEf: fin d'\u00e9clipse.\nIm: immersion.\nEm: "
    "\u00e9mersion.\nPc: passage devant le globe.\nPf: fin du passage devant le globe.\nOc: "
    "d\u00e9but de l'ombre sur le globe.\nOf: fin de l'ombre sur le globe.",
    // The Spanish rows carry the English codes.
    "Ec.D.: desaparici\u00f3n por eclipse.\nEc.R.: reaparici\u00f3n tras el eclipse.\n"
    "Oc.D.: desaparici\u00f3n por ocultaci\u00f3n.\nOc.R.: reaparici\u00f3n tras la "
    "ocultaci\u00f3n.\nTr.I.: comienzo del tr\u00e1nsito del sat\u00e9lite.\nTr.E.: fin del "
    "tr\u00e1nsito del sat\u00e9lite.\nSh.I.: comienzo del tr\u00e1nsito de la sombra.\nSh.E.: "
    "fin del tr\u00e1nsito de la sombra."};
constexpr const char* kEnglishLegend2 = "I: ingress\nE: egress\nD: disappearance\nR: reappearance";

// Control numbers of the fixed texts.
enum : int { kHeaderId = 1050, kSatellitesId = 1051, kLegendId = 1052, kLegend2Id = 1053 };

QLabel* fixedText(QWidget* parent, const QString& text, int id) {
    auto* label = new QLabel(text, parent);
    nameControl(label, id);
    return label;
}

}  // namespace

PhenomenaListWidget::PhenomenaListWidget(QWidget* parent) : QListWidget(parent) {
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setSelectionMode(QAbstractItemView::SingleSelection);
}

PhenomenaList::PhenomenaList(int language, QWidget* parent) : QDialog(parent), language_(language) {
    setObjectName(QStringLiteral("PhenomenaList"));
    setModal(false);
    setWindowTitle(tr3(kCaption, language));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    auto* layout = new QVBoxLayout(this);
    auto* upper = new QGroupBox(tr3(kUpperGroup, language), this);
    auto* upperLayout = new QVBoxLayout(upper);
    QLabel* header = fixedText(upper, tr3(kHeader, language), kHeaderId);
    header->setFont(fixed);
    upperLayout->addWidget(header);
    list_ = new PhenomenaListWidget(upper);
    nameControl(list_, 1049);
    upperLayout->addWidget(list_, 1);
    layout->addWidget(upper, 1);

    auto* lower = new QGroupBox(tr3(kLowerGroup, language), this);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->addWidget(fixedText(lower, tr3(kSatellites, language), kSatellitesId));
    if (safeLanguage(language) == kEnglish) {
        // The English layout shows the two halves of the codes side by side.
        auto* row = new QHBoxLayout;
        row->addWidget(fixedText(lower, tr3(kLegend, language), kLegendId));
        row->addWidget(fixedText(lower, QString::fromLatin1(kEnglishLegend2), kLegend2Id));
        lowerLayout->addLayout(row);
    } else {
        lowerLayout->addWidget(fixedText(lower, tr3(kLegend, language), kLegendId));
    }
    layout->addWidget(lower);

    // 128 x 166 dialog units in English, 128 x 204 for the eight-line legends;
    // wide enough for the 40-character rows.
    const int rowWidth = QFontMetrics(fixed).horizontalAdvance(QString(42, QLatin1Char('M')));
    resize(std::max(dialogX(128), rowWidth + 40),
           dialogY(safeLanguage(language) == kEnglish ? 166 : 204) + 120);
    // A row the user selects moves the time; the current row alone does not:
    // the list makes its first row current when it gets the focus, and that
    // is nobody's choice.
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> picked = list_->selectedItems();
        if (!picked.isEmpty()) rowPicked(list_->row(picked.front()));
    });
}

void PhenomenaList::setRows(const PhenomenonRows& rows) {
    const QList<QListWidgetItem*> picked = list_->selectedItems();
    const int selected = picked.isEmpty() ? -1 : list_->row(picked.front());
    const QSignalBlocker quiet(list_);
    list_->clear();
    times_.clear();
    for (int i = 0; i < rows.count() && i < kMaxPhenomenonRows; ++i) {
        list_->addItem(QString::fromLatin1(rows[i].text));
        times_.emplace_back(rows[i].hour, rows[i].minute);
    }
    if (selected >= 0 && selected < list_->count()) list_->setCurrentRow(selected);
}

int PhenomenaList::rowHour(int row) const {
    return row >= 0 && row < static_cast<int>(times_.size()) ? times_[static_cast<size_t>(row)].first
                                                             : -1;
}

int PhenomenaList::rowMinute(int row) const {
    return row >= 0 && row < static_cast<int>(times_.size()) ? times_[static_cast<size_t>(row)].second
                                                             : -1;
}

void PhenomenaList::rowPicked(int row) {
    if (row < 0) return;
    emit phenomenonChosen(rowHour(row), rowMinute(row));
}

QString PhenomenaList::controlText(int id) const {
    if (id == 0) return windowTitle();
    const auto* label = findChild<QLabel*>(QStringLiteral("ctl%1").arg(id));
    return label ? label->text() : QString();
}

void PhenomenaList::placeAtRightEdge() {
    placeToolWindow(this, [](QSize frame, QRect screen) {
        return QPoint(screen.right() + 1 - frame.width(), screen.top() + 35);
    });
}

}  // namespace vantorel
