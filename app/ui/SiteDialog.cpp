#include "app/ui/SiteDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cmath>
#include <cstdio>

#include "common/site/CityCatalogue.h"
#include "common/text/DateText.h"
#include "common/ui/DialogHelpers.h"

namespace vantorel {

namespace {

// Enough to pick from as one types; more letters narrow the rest.
constexpr std::size_t kShownCities = 100;

// "48°52' N", "2°21' E": as the latitude and longitude dialogs take them.
QString angleText(double degrees, const char* positive, const char* negative) {
    const long minutes = std::lround(std::fabs(degrees) * 60.0);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%ld\u00b0%02ld' %s", minutes / 60, minutes % 60,
                  degrees < 0 && minutes != 0 ? negative : positive);
    return QString::fromUtf8(buf);
}

}  // namespace

SiteDialog::SiteDialog(int language, const CityCatalogue& cities, const std::string& listName,
                       QWidget* parent)
    : QDialog(parent), cities_(cities), language_(language) {
    setObjectName(QStringLiteral("SiteDialog"));
    setWindowTitle(tr3(site::kCaption, language));

    auto* searchLabel = new QLabel(tr3(site::kSearch, language), this);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("citySearch"));
    search_->setClearButtonEnabled(true);
    searchLabel->setBuddy(search_);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(search_, 1);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("cityList"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({tr3(site::kName, language), tr3(site::kRegion, language),
                            tr3(site::kCountry, language), tr3(site::kLatitude, language),
                            tr3(site::kLongitude, language), tr3(site::kZone, language)});
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->setMinimumSize(620, 260);

    message_ = new QLabel(tr3(site::kHint, language), this);
    message_->setObjectName(QStringLiteral("siteMessage"));
    message_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(tr3(kOkText, language));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr3(kCancelText, language));
    byHand_ = buttons->addButton(tr3(site::kByHand, language), QDialogButtonBox::ActionRole);
    byHand_->setObjectName(QStringLiteral("byHand"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(byHand_, &QPushButton::clicked, this, [this] { done(kByHand); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(list_, 1);
    layout->addWidget(message_);
    layout->addWidget(buttons);

    if (!cities.ok()) {
        const TextTriple& text =
            cities.status() == CityCatalogue::Status::Missing ? site::kListMissing : site::kListDamaged;
        char buf[512];
        std::snprintf(buf, sizeof buf, text(language), listName.c_str());
        message_->setText(QString::fromUtf8(buf));
        search_->setEnabled(false);
        list_->setEnabled(false);
        ok_->setEnabled(false);
        byHand_->setDefault(true);
        byHand_->setFocus();
        return;
    }
    connect(search_, &QLineEdit::textChanged, this, [this] { searchChanged(); });
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this] { ok_->setEnabled(list_->currentItem() != nullptr); });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { accept(); });
    searchChanged();
    search_->setFocus();
}

void SiteDialog::searchChanged() {
    const std::string text = search_->text().trimmed().toStdString();
    list_->clear();
    shown_.clear();
    if (!text.empty()) shown_ = cities_.search(text, kShownCities);
    for (const City* c : shown_) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, QString::fromStdString(c->name));
        item->setText(1, QString::fromStdString(c->region));
        item->setText(2, QString::fromStdString(c->country));
        item->setText(3, angleText(c->latitudeDeg, "N", "S"));
        item->setText(4, angleText(c->longitudeDeg, "E", language_ == kEnglish ? "W" : "O"));
        item->setText(5, QString::fromStdString(c->zoneName));
    }
    if (!shown_.empty()) list_->setCurrentItem(list_->topLevelItem(0));
    ok_->setEnabled(!shown_.empty());
    message_->setText(tr3(!text.empty() && shown_.empty() ? site::kNoMatch : site::kHint, language_));
}

SiteAnswer SiteDialog::answer() const {
    if (result() == kByHand) return {SiteAnswerKind::ByHand, {}};
    if (result() != QDialog::Accepted) return {SiteAnswerKind::Cancelled, {}};
    const int row = list_->currentItem() ? list_->indexOfTopLevelItem(list_->currentItem()) : -1;
    if (row < 0 || row >= static_cast<int>(shown_.size())) return {SiteAnswerKind::Cancelled, {}};
    return {SiteAnswerKind::Picked, siteChoiceOf(*shown_[static_cast<size_t>(row)])};
}

}  // namespace vantorel
