#include "app/ui/DateFormatDialog.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/text/DateText.h"
#include "common/ui/DialogHelpers.h"

namespace vantorel {

DateFormatDialog::DateFormatDialog(int language, int selected, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DateFormatDialog"));
    setWindowTitle(tr3(formatdate::kCaption, language));
    auto* group = new QGroupBox(tr3(formatdate::kGroup, language), this);
    nameControl(group, 1141);
    auto* radios = new QVBoxLayout(group);
    for (int i = 0; i < 4; ++i) {
        radios_[i] = new QRadioButton(tr3(formatdate::kChoices[i], language), group);
        nameControl(radios_[i], kControls[i]);
        radios->addWidget(radios_[i]);
    }
    if (selected >= 0 && selected < 4) radios_[selected]->setChecked(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(okCancelButtons(this, language));
}

int DateFormatDialog::selection() const {
    for (int i = 0; i < 4; ++i)
        if (radios_[i]->isChecked()) return i;
    return -1;
}

}  // namespace vantorel
