#include "satellites/ui/CRedSpot.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/DialogHelpers.h"
#include "app/ui/WindowServices.h"
#include "satellites/CJupiterDoc.h"

namespace vantorel {

namespace {
constexpr TextTriple kTitle{"Reference of Jupiter's red spot",
                            "Longitude de r\u00e9f\u00e9rence de la tache rouge",
                            "Longitud (Mancha roja)"};
constexpr TextTriple kPrompt{"Enter the longitude", "Longitude", "Longitud"};
constexpr TextTriple kCancel{"Cancel", "Annuler", "Cancelar"};
}  // namespace

CRedSpot::CRedSpot(int longitude, int language, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CRedSpot"));
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

std::optional<int> CRedSpot::longitude() const {
    bool ok = false;
    const int value = field_->text().trimmed().toInt(&ok);
    if (!ok || value < 0 || value > 359) return std::nullopt;
    return value;
}

std::optional<int> CRedSpot::ask(int current, int language, QWidget* parent) {
    for (;;) {
        CRedSpot dialog(current, language, parent);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        if (const auto value = dialog.longitude()) return value;
        playExclamationSound();
        messageBox(parent, QString::fromUtf8(CJupiterDoc::redSpotRefusedMessage(language)));
    }
}

}  // namespace vantorel
