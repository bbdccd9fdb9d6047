#include "moon/ui/LunarXList.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

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
