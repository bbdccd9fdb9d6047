#include "app/ui/ProjectionDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "common/text/ProjectionText.h"
#include "common/ui/DialogHelpers.h"

namespace vantorel {

ProjectionDialog::ProjectionDialog(int language, int code, QWidget* parent)
    : QDialog(parent), language_(language) {
    setObjectName(QStringLiteral("ProjectionDialog"));
    setWindowTitle(tr3(projection::kCaption, language));
    auto* group = new QGroupBox(tr3(projection::kGroup, language), this);
    nameControl(group, 1069);
    horizontal_ = new QCheckBox(tr3(projection::kHorizontal, language), group);
    nameControl(horizontal_, 1005);
    vertical_ = new QCheckBox(tr3(projection::kVertical, language), group);
    nameControl(vertical_, 1006);
    horizontal_->setChecked(flipsHorizontally(code));
    vertical_->setChecked(flipsVertically(code));
    auto* boxes = new QVBoxLayout(group);
    boxes->addWidget(horizontal_);
    boxes->addWidget(vertical_);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("instrumentNote"));
    showInstrument();
    connect(horizontal_, &QCheckBox::toggled, this, &ProjectionDialog::showInstrument);
    connect(vertical_, &QCheckBox::toggled, this, &ProjectionDialog::showInstrument);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(note_);
    layout->addWidget(okCancelButtons(this, language));
}

void ProjectionDialog::showInstrument() {
    note_->setText(tr3(projection::kInstrumentNotes[code()], language_));
}

int ProjectionDialog::code() const {
    return projectionFromFlips(horizontal_->isChecked(), vertical_->isChecked());
}

}  // namespace vantorel
