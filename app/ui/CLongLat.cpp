#include "app/ui/CLongLat.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ui/DialogHelpers.h"

namespace vantorel {

namespace {
long long wholeNumber(const QLineEdit* field) {
    bool ok = false;
    const long long v = field->text().trimmed().toLongLong(&ok);
    return ok ? v : -1;
}
}  // namespace

CLongLat::CLongLat(int language, const LatitudeEntry& shown, LatitudeCheck lastError,
                   QWidget* parent)
    : QDialog(parent), lastError_(lastError) {
    setObjectName(QStringLiteral("CLongLat"));
    setWindowTitle(tr3(longlat::kCaption, language));
    auto* group = new QGroupBox(tr3(longlat::kCaption, language), this);
    nameControl(group, 1064);
    degrees_ = new QLineEdit(QString::number(shown.degrees), group);
    nameControl(degrees_, 1055);
    minutes_ = new QLineEdit(QString::number(shown.minutes), group);
    nameControl(minutes_, 1056);
    for (QLineEdit* e : {degrees_, minutes_}) e->setMaximumWidth(60);
    north_ = new QRadioButton(tr3(longlat::kNorth, language), group);
    nameControl(north_, 1059);
    south_ = new QRadioButton(tr3(longlat::kSouth, language), group);
    nameControl(south_, 1060);
    (shown.south ? south_ : north_)->setChecked(true);

    auto* grid = new QGridLayout(group);
    grid->addWidget(degrees_, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("°"), group), 0, 1);
    grid->addWidget(minutes_, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("'"), group), 0, 3);
    grid->addWidget(north_, 1, 0, 1, 2);
    grid->addWidget(south_, 1, 2, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(okCancelButtons(this, language));
}

LatitudeEntry CLongLat::entry() const {
    return {wholeNumber(degrees_), wholeNumber(minutes_), south_->isChecked()};
}

void CLongLat::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QLineEdit* target = lastError_ == LatitudeCheck::BadMinutes ? minutes_ : degrees_;
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
}

}  // namespace vantorel
