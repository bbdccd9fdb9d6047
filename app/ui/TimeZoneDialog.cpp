#include "app/ui/TimeZoneDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/site/ZoneNameList.h"
#include "common/ui/DialogHelpers.h"

namespace vantorel {

namespace {
// Enough to pick from as one types; the rest come with more letters.
constexpr std::size_t kShownNames = 200;
const ZoneNameList kNoNames;
}  // namespace

TimeZoneDialog::TimeZoneDialog(int language, const ZoneChoice& shown, QWidget* parent)
    : TimeZoneDialog(language, shown, kNoNames, parent) {}

TimeZoneDialog::~TimeZoneDialog() = default;

TimeZoneDialog::TimeZoneDialog(int language, const ZoneChoice& shown, const ZoneNameList& zones,
                               QWidget* parent)
    : QDialog(parent), zones_(&zones), shownName_(shown.name) {
    setObjectName(QStringLiteral("TimeZoneDialog"));
    setWindowTitle(tr3(timezone::kCaption, language));

    // A named zone: type, then pick.
    named_ = new QRadioButton(tr3(timezone::kNamed, language), this);
    named_->setObjectName(QStringLiteral("namedZone"));
    fixed_ = new QRadioButton(tr3(timezone::kFixed, language), this);
    fixed_->setObjectName(QStringLiteral("fixedZone"));
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(named_);
    kinds->addButton(fixed_);
    auto* searchLabel = new QLabel(tr3(timezone::kSearch, language), this);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("zoneSearch"));
    search_->setClearButtonEnabled(true);
    searchLabel->setBuddy(search_);
    names_ = new QListWidget(this);
    names_->setObjectName(QStringLiteral("zoneNames"));
    names_->setMinimumHeight(140);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(search_, 1);

    // A fixed offset, as it always was.
    auto* site = new QGroupBox(tr3(timezone::kSite, language), this);
    fixedGroup_ = site;
    nameControl(site, 1112);
    east_ = new QRadioButton(tr3(timezone::kEast, language), site);
    nameControl(east_, 1113);
    west_ = new QRadioButton(tr3(timezone::kWest, language), site);
    nameControl(west_, 1237);
    auto* sides = new QButtonGroup(this);
    sides->addButton(east_);
    sides->addButton(west_);
    auto* sideRow = new QHBoxLayout;
    sideRow->addWidget(east_);
    sideRow->addWidget(west_);
    auto* sizeGroup = new QButtonGroup(this);
    auto* grid = new QGridLayout;
    for (int i = 0; i < kZoneSizeCount; ++i) {
        sizes_[i] = new QRadioButton(QString::fromLatin1(kZoneSizes[i].label), site);
        nameControl(sizes_[i], kZoneSizes[i].control);
        sizeGroup->addButton(sizes_[i], i);
        grid->addWidget(sizes_[i], i % 6, i / 6);
    }
    auto* siteLayout = new QVBoxLayout(site);
    siteLayout->addLayout(sideRow);
    siteLayout->addLayout(grid);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(named_);
    layout->addLayout(searchRow);
    layout->addWidget(names_);
    if (!zones.ok()) {
        auto* why = new QLabel(tr3(timezone::kNoZoneList, language), this);
        why->setObjectName(QStringLiteral("noZoneList"));
        why->setWordWrap(true);
        layout->addWidget(why);
    }
    layout->addWidget(fixed_);
    layout->addWidget(site);
    layout->addWidget(okCancelButtons(this, language));

    (shown.west ? west_ : east_)->setChecked(true);
    const int index = (shown.index >= 0 && shown.index < kZoneSizeCount) ? shown.index : 0;
    sizes_[index]->setChecked(true);
    sideChanged();
    connect(west_, &QRadioButton::toggled, this, [this](bool) { sideChanged(); });

    named_->setEnabled(zones.ok());
    search_->setEnabled(zones.ok());
    names_->setEnabled(zones.ok());
    (zones.ok() && !shown.name.empty() ? named_ : fixed_)->setChecked(true);
    if (zones.ok() && !shown.name.empty()) search_->setText(QString::fromStdString(shown.name));
    searchChanged();
    kindChanged();
    connect(named_, &QRadioButton::toggled, this, [this](bool) { kindChanged(); });
    connect(search_, &QLineEdit::textChanged, this, [this] { searchChanged(); });
    // Typing a name or picking one chooses the named side.
    connect(search_, &QLineEdit::textEdited, this, [this] {
        if (named_->isEnabled()) named_->setChecked(true);
    });
    connect(names_, &QListWidget::itemClicked, this, [this] { named_->setChecked(true); });
}

void TimeZoneDialog::sideChanged() {
    const bool west = west_->isChecked();
    for (int i = 0; i < kZoneSizeCount; ++i) {
        if (!kZoneSizes[i].eastOnly) continue;
        sizes_[i]->setEnabled(!west);
        // A size that does not exist west gives way to the whole hour below
        // it, so the dialog never holds a zone it cannot give back.
        if (west && sizes_[i]->isChecked()) {
            int below = i - 1;
            while (below > 0 && kZoneSizes[below].eastOnly) --below;
            sizes_[below]->setChecked(true);
        }
    }
}

void TimeZoneDialog::kindChanged() {
    // The search stays open, so typing a name is enough to choose one.
    fixedGroup_->setEnabled(!named_->isChecked());
}

void TimeZoneDialog::searchChanged() {
    const std::string text = search_->text().toStdString();
    names_->clear();
    for (const std::string* name : zones_->search(text, kShownNames))
        names_->addItem(QString::fromStdString(*name));
    // The zone the dialog opened on stays selected while it is listed; else
    // the best match.
    const QList<QListWidgetItem*> same =
        names_->findItems(QString::fromStdString(shownName_), Qt::MatchExactly);
    if (!same.isEmpty())
        names_->setCurrentItem(same.front());
    else if (names_->count() > 0)
        names_->setCurrentRow(0);
}

ZoneChoice TimeZoneDialog::choice() const {
    ZoneChoice c{0, west_->isChecked(), {}};
    for (int i = 0; i < kZoneSizeCount; ++i)
        if (sizes_[i]->isChecked()) c.index = i;
    if (named_->isChecked() && names_->currentItem())
        c.name = names_->currentItem()->text().toStdString();
    return c;
}

}  // namespace vantorel
