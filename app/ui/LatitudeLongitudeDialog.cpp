#include "app/ui/LatitudeLongitudeDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/ui/DialogHelpers.h"

namespace vantorel {

namespace {
long long wholeNumber(const QLineEdit* field) {
    bool ok = false;
    const long long v = field->text().trimmed().toLongLong(&ok);
    return ok ? v : -1;
}
}  // namespace

LatitudeLongitudeDialog::LatitudeLongitudeDialog(int language, const LatitudeEntry& shown, LatitudeCheck lastError,
                   QWidget* parent)
    : QDialog(parent), lastError_(lastError) {
    setObjectName(QStringLiteral("LatitudeLongitudeDialog"));
    setWindowTitle(tr3(longlat::kSiteCaption, language));
    auto* group = new QGroupBox(tr3(longlat::kCaption, language), this);
    nameControl(group, 1064);
    degrees_ = new QLineEdit(QString::number(shown.degrees), group);
    nameControl(degrees_, 1055);
    minutes_ = new QLineEdit(QString::number(shown.minutes), group);
    nameControl(minutes_, 1056);
    north_ = new QRadioButton(tr3(longlat::kNorth, language), group);
    nameControl(north_, 1059);
    south_ = new QRadioButton(tr3(longlat::kSouth, language), group);
    nameControl(south_, 1060);
    (shown.south ? south_ : north_)->setChecked(true);

    auto* lonGroup = new QGroupBox(tr3(longlat::kLongitude, language), this);
    nameControl(lonGroup, 1065);
    lonDegrees_ = new QLineEdit(lonGroup);
    nameControl(lonDegrees_, 1057);
    lonMinutes_ = new QLineEdit(lonGroup);
    nameControl(lonMinutes_, 1058);
    if (shown.longitude) {
        lonDegrees_->setText(QString::number(shown.longitude->degrees));
        lonMinutes_->setText(QString::number(shown.longitude->minutes));
    }
    east_ = new QRadioButton(tr3(longlat::kEast, language), lonGroup);
    nameControl(east_, 1061);
    west_ = new QRadioButton(tr3(longlat::kWest, language), lonGroup);
    nameControl(west_, 1062);
    (shown.longitude && shown.longitude->west ? west_ : east_)->setChecked(true);
    auto* hint = new QLabel(tr3(longlat::kUseZone, language), lonGroup);
    hint->setWordWrap(true);
    nameControl(hint, 1066);

    for (QLineEdit* e : {degrees_, minutes_, lonDegrees_, lonMinutes_}) e->setMaximumWidth(60);

    auto* grid = new QGridLayout(group);
    grid->addWidget(degrees_, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("°"), group), 0, 1);
    grid->addWidget(minutes_, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("'"), group), 0, 3);
    grid->addWidget(north_, 1, 0, 1, 2);
    grid->addWidget(south_, 1, 2, 1, 2);
    auto* lonGrid = new QGridLayout(lonGroup);
    lonGrid->addWidget(lonDegrees_, 0, 0);
    lonGrid->addWidget(new QLabel(QStringLiteral("°"), lonGroup), 0, 1);
    lonGrid->addWidget(lonMinutes_, 0, 2);
    lonGrid->addWidget(new QLabel(QStringLiteral("'"), lonGroup), 0, 3);
    lonGrid->addWidget(east_, 1, 0, 1, 2);
    lonGrid->addWidget(west_, 1, 2, 1, 2);
    lonGrid->addWidget(hint, 2, 0, 1, 4);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(lonGroup);
    layout->addWidget(okCancelButtons(this, language));
}

LatitudeEntry LatitudeLongitudeDialog::entry() const {
    LatitudeEntry e{wholeNumber(degrees_), wholeNumber(minutes_), south_->isChecked(), std::nullopt};
    const bool noDegrees = lonDegrees_->text().trimmed().isEmpty();
    const bool noMinutes = lonMinutes_->text().trimmed().isEmpty();
    if (!noDegrees || !noMinutes)
        e.longitude = LongitudeEntry{noDegrees ? 0 : wholeNumber(lonDegrees_),
                                     noMinutes ? 0 : wholeNumber(lonMinutes_), west_->isChecked()};
    return e;
}

void LatitudeLongitudeDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QLineEdit* target = degrees_;
    switch (lastError_) {
    case LatitudeCheck::BadMinutes: target = minutes_; break;
    case LatitudeCheck::BadLongitudeDegrees: target = lonDegrees_; break;
    case LatitudeCheck::BadLongitudeMinutes: target = lonMinutes_; break;
    default: break;
    }
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
}

}  // namespace vantorel
