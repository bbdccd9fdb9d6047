#include "planets/ui/CentralLongitudeDialog.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "common/text/DialogTexts.h"
#include "common/ui/DialogHelpers.h"

namespace vantorel {

CentralLongitudeDialog::CentralLongitudeDialog(int language, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CentralLongitudeDialog"));
    setWindowTitle(tr3(cherclongi::kCaption, language));
    auto* group = new QGroupBox(tr3(cherclongi::kPrompt, language), this);
    nameControl(group, 1069);
    field_ = new QLineEdit(QStringLiteral("0"), group);
    nameControl(field_, 1004);
    auto* inner = new QVBoxLayout(group);
    inner->addWidget(field_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(okCancelButtons(this, language));
}

long long CentralLongitudeDialog::value() const {
    bool ok = false;
    const long long v = field_->text().trimmed().toLongLong(&ok);
    return ok ? v : -1;
}

}  // namespace vantorel
