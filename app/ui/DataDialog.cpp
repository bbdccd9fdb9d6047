#include "app/ui/DataDialog.h"

#include <algorithm>

#include <QGroupBox>
#include <QLabel>
#include <QPainter>

#include "common/paint/DataPanelLayout.h"
#include "common/text/DialogTexts.h"
#include "common/ui/DialogHelpers.h"
#include "common/ui/TitleWidthFitter.h"
#include "common/ui/WindowServices.h"

namespace vantorel {

DataDialog::DataDialog(int language, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DataDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(dialogX(kWidthUnits), dialogY(kHeightUnits));
    setFont(DataPanelLayout::font(font(), 0));

    // The group boxes first, so the texts inside them stay on top.
    for (const DataPanelLayout::Group& g : DataPanelLayout::groups()) {
        auto* group = new QGroupBox(this);
        nameControl(group, g.id);
        group->setFont(DataPanelLayout::font(font(), g.id));
        group->setGeometry(dialogRect(g.x, g.y, g.w, g.h));
    }
    for (const DataPanelLayout::Text& t : DataPanelLayout::texts()) {
        auto* label = new QLabel(this);
        nameControl(label, t.id);
        label->setFont(DataPanelLayout::font(font(), t.id));
        label->setGeometry(dialogRect(t.x, t.y, t.w, t.h));
        controls_.insert(t.id, label);
    }
    retranslate(language);
}

void DataDialog::retranslate(int language) {
    setWindowTitle(tr3(datadialog::kCaption, language));
    if (auto* group = findChild<QGroupBox*>(QStringLiteral("ctl1140")))
        group->setTitle(tr3(datadialog::kComparison, language));
    control(1103)->setText(tr3(datadialog::kMaximum, language));
    control(1102)->setText(tr3(datadialog::kCurrent, language));
    control(1104)->setText(tr3(datadialog::kMinimum, language));
    fitTexts();
}

void DataDialog::fitTexts() {
    // The window only grows: a panel that changed width with every body
    // shown would jump under the eye.
    const DataPanelLayout::Fitted fitted = DataPanelLayout::fit(
        [this](int id) {
            const QLabel* label = control(id);
            return DataPanelLayout::textWidth(label->font(), label->text());
        },
        std::max(titleWidthNeeded(windowTitle()), fittedWidth_));
    for (auto it = fitted.texts.cbegin(); it != fitted.texts.cend(); ++it)
        control(it.key())->setGeometry(*it);
    for (auto it = fitted.groups.cbegin(); it != fitted.groups.cend(); ++it)
        if (auto* group = findChild<QGroupBox*>(QStringLiteral("ctl%1").arg(it.key()))) group->setGeometry(*it);
    // It stands at the right edge of the screen: grow to the left.
    if (isVisible() && fittedWidth_ > 0 && fitted.width > fittedWidth_)
        move(x() - (fitted.width - fittedWidth_), y());
    fittedWidth_ = fitted.width;
    setFixedSize(fitted.width, dialogY(kHeightUnits));
}

std::vector<PlacedText> DataDialog::placedTexts() const {
    std::vector<PlacedText> placed;
    for (const DataPanelLayout::Text& t : DataPanelLayout::texts()) {
        const QLabel* label = control(t.id);
        placed.push_back({t.id, label->text(), label->geometry()});
    }
    return placed;
}

void DataDialog::setControlText(int id, const QString& text) {
    if (QLabel* label = control(id)) {
        if (label->text() == text) return;
        label->setText(text);
        fitTexts();
    } else if (id == 1039) {
        // The group box of the central longitude carries its text itself.
        if (auto* group = findChild<QGroupBox*>(QStringLiteral("ctl1039"))) group->setTitle(text);
    }
}

QString DataDialog::controlText(int id) const {
    if (const QLabel* label = control(id)) return label->text();
    if (id == 1039)
        if (auto* group = findChild<QGroupBox*>(QStringLiteral("ctl1039"))) return group->title();
    return QString();
}

void DataDialog::setDiameters(const ComparativeDiameters& d) {
    diameters_ = d;
    update();
}

QPoint DataDialog::placement(int screenWidth, int clientWidth) {
    return QPoint(screenWidth - clientWidth - 10, 35);
}

QImage DataDialog::renderBackground() const {
    DrawingSurface surface(width(), height());
    const QColor bg = palette().color(QPalette::Window);
    surface.fill(Rgb{bg.red(), bg.green(), bg.blue()});
    paintComparativeDiscs(surface, 0, width(), height(), diameters_);
    return surface.image().copy();
}

void DataDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, renderBackground());
}

}  // namespace vantorel
