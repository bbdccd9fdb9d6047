#include "app/ui/CReference.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "app/DialogTexts.h"
#include "app/ui/DialogHelpers.h"

namespace vantorel {

CReference::CReference(int language, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CReference"));
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
