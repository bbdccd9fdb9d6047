#include "app/ui/TimeZoneDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/ui/DialogHelpers.h"

namespace vantorel {

TimeZoneDialog::TimeZoneDialog(int language, const ZoneChoice& shown, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TimeZoneDialog"));
    setWindowTitle(tr3(timezone::kCaption, language));
    auto* site = new QGroupBox(tr3(timezone::kSite, language), this);
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
        grid->addWidget(sizes_[i], i % 5, i / 5);
    }
    auto* siteLayout = new QVBoxLayout(site);
    siteLayout->addLayout(sideRow);
    siteLayout->addLayout(grid);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(site);
    layout->addWidget(okCancelButtons(this, language));

    (shown.west ? west_ : east_)->setChecked(true);
    const int index = (shown.index >= 0 && shown.index < kZoneSizeCount) ? shown.index : 0;
    sizes_[index]->setChecked(true);
    sideChanged();
    connect(west_, &QRadioButton::toggled, this, [this](bool) { sideChanged(); });
}

void TimeZoneDialog::sideChanged() {
    const bool west = west_->isChecked();
    for (int i = 0; i < kZoneSizeCount; ++i) {
        if (!kZoneSizes[i].eastOnly) continue;
        sizes_[i]->setEnabled(!west);
        // A size that does not exist west gives way to the whole hour below
        // it, so the dialog never holds a zone it cannot give back.
        if (west && sizes_[i]->isChecked()) sizes_[i - 1]->setChecked(true);
    }
}

ZoneChoice TimeZoneDialog::choice() const {
    ZoneChoice c{0, west_->isChecked()};
    for (int i = 0; i < kZoneSizeCount; ++i)
        if (sizes_[i]->isChecked()) c.index = i;
    return c;
}

}  // namespace vantorel
