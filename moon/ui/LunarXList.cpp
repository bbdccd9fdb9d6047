#include "moon/ui/LunarXList.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

#include "moon/MoonDocument.h"

namespace vantorel {

LunarXList::LunarXList(int language, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(kLunarXListTitle(language)));
    auto* layout = new QVBoxLayout(this);
    heading_ = new QLabel(QString::fromUtf8(kLunarXListHeading(language)), this);
    heading_->setFont(QFont(QStringLiteral("DejaVu Sans Mono")));
    list_ = new QListWidget(this);
    list_->setFont(QFont(QStringLiteral("DejaVu Sans Mono")));
    layout->addWidget(heading_);
    layout->addWidget(list_);
    resize(220, 300);
}

void LunarXList::fitContents() {
    const QFontMetrics metrics(list_->font());
    int widest = 0;
    for (int i = 0; i < list_->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(list_->item(i)->text()));
    list_->setMinimumWidth(widest + 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width() +
                           metrics.averageCharWidth());
    resize(std::max(width(), layout()->minimumSize().width()), height());
}

QString LunarXList::heading() const { return heading_->text(); }

void LunarXList::fill(const std::vector<std::string>& lines, int count) {
    lines_ = lines;
    count_ = count;
    list_->clear();
    for (int i = 0; i < count_ && i < static_cast<int>(lines_.size()); ++i)
        if (!lines_[static_cast<size_t>(i)].empty())
            list_->addItem(QString::fromStdString(lines_[static_cast<size_t>(i)]));
}

}  // namespace vantorel
