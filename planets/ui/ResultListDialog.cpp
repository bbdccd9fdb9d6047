#include "planets/ui/ResultListDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace vantorel {

ResultListDialog::ResultListDialog(const QString& title, const QString& heading,
                                   const QStringList& lines, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    const QFont fixed(QStringLiteral("DejaVu Sans Mono"));
    auto* layout = new QVBoxLayout(this);
    if (!heading.isEmpty()) {
        auto* label = new QLabel(heading, this);
        label->setFont(fixed);
        layout->addWidget(label);
    }
    list_ = new QListWidget(this);
    list_->setFont(fixed);
    list_->addItems(lines);
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(420, 320);
}

}  // namespace vantorel
