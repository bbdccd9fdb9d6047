#include "planets/ui/RedSpotDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/DialogHelpers.h"
#include "common/ui/WindowServices.h"
#include "satellites/JupiterDocument.h"

namespace vantorel {

namespace {
constexpr TextTriple kTitle{"Reference of Jupiter's red spot",
                            "Longitude de r\u00e9f\u00e9rence de la tache rouge",
                            "Longitud (Mancha roja)"};
constexpr TextTriple kPrompt{"Enter the longitude", "Longitude", "Longitud"};
constexpr TextTriple kCancel{"Cancel", "Annuler", "Cancelar"};
}  // namespace

RedSpotDialog::RedSpotDialog(int longitude, int language, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("RedSpotDialog"));
    setWindowTitle(tr3(kTitle, language));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr3(kPrompt, language), this));
    field_ = new QLineEdit(QString::number(longitude), this);
    field_->setMaxLength(6);
    nameControl(field_, 1000);
    layout->addWidget(field_);
    auto* buttons = okCancelButtons(this, language);
    if (QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel))
        cancel->setText(tr3(kCancel, language));
    layout->addWidget(buttons);
}

std::optional<int> RedSpotDialog::longitude() const {
    bool ok = false;
    const int value = field_->text().trimmed().toInt(&ok);
    if (!ok || value < 0 || value > 359) return std::nullopt;
    return value;
}

std::optional<int> RedSpotDialog::ask(int current, int language, QWidget* parent) {
    for (;;) {
        RedSpotDialog dialog(current, language, parent);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        if (const auto value = dialog.longitude()) return value;
        playExclamationSound();
        messageBox(parent, QString::fromUtf8(JupiterDocument::redSpotRefusedMessage(language)));
    }
}

}  // namespace vantorel
