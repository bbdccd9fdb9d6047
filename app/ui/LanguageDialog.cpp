#include "app/ui/LanguageDialog.h"

#include <QRadioButton>
#include <QVBoxLayout>

#include "common/text/DialogTexts.h"
#include "common/ui/DialogHelpers.h"

namespace vantorel {

LanguageDialog::LanguageDialog(int selected, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("LanguageDialog"));
    setWindowTitle(QString::fromUtf8(langue::kCaption));
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 3; ++i) {
        radios_[i] = new QRadioButton(QString::fromUtf8(langue::kChoices[i]), this);
        nameControl(radios_[i], kControls[i]);
        layout->addWidget(radios_[i]);
    }
    if (selected >= 0 && selected < 3) radios_[selected]->setChecked(true);
    layout->addWidget(okCancelButtons(this, selected < 0 ? 0 : selected));
}

int LanguageDialog::selection() const {
    for (int i = 0; i < 3; ++i)
        if (radios_[i]->isChecked()) return i;
    return -1;
}

}  // namespace vantorel
