#include "common/ui/DialogHelpers.h"

#include <QDialog>
#include <QPushButton>

#include "common/text/DateText.h"

namespace vantorel {

QDialogButtonBox* okCancelButtons(QDialog* dialog, int language, bool okOnly) {
    auto* buttons = new QDialogButtonBox(
        okOnly ? QDialogButtonBox::Ok : (QDialogButtonBox::Ok | QDialogButtonBox::Cancel), dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(tr3(kOkText, language));
    if (!okOnly) buttons->button(QDialogButtonBox::Cancel)->setText(tr3(kCancelText, language));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

void nameControl(QWidget* w, int control) { w->setObjectName(QStringLiteral("ctl%1").arg(control)); }

}  // namespace vantorel
