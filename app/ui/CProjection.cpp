#include "app/ui/CProjection.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "app/ProjectionText.h"
#include "app/ui/DialogHelpers.h"

namespace vantorel {

CProjection::CProjection(int language, int code, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CProjection"));
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
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(okCancelButtons(this, language));
}

int CProjection::code() const {
    return projectionFromFlips(horizontal_->isChecked(), vertical_->isChecked());
}

}  // namespace vantorel
