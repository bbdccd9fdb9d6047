#include "app/ui/ReferenceDialog.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "common/text/DialogTexts.h"
#include "common/ui/DialogHelpers.h"

namespace vantorel {

ReferenceDialog::ReferenceDialog(int language, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ReferenceDialog"));
    setWindowTitle(QString::fromUtf8(reference::kCaption));
    auto* layout = new QVBoxLayout(this);
    for (const TextTriple& book : reference::kBooks) {
        auto* frame = new QLabel(tr3(book, language), this);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        frame->setWordWrap(true);
        frame->setMargin(6);
        frame->setMinimumWidth(360);
        layout->addWidget(frame);
    }
    layout->addWidget(okCancelButtons(this, language, true));
}

}  // namespace vantorel
