#include "app/ui/DataDialog.h"

#include <algorithm>

#include <QGroupBox>
#include <QMap>
#include <QLabel>
#include <QPainter>

#include "common/text/DialogTexts.h"
#include "common/ui/DialogHelpers.h"
#include "common/ui/TitleWidthFitter.h"
#include "common/ui/WindowServices.h"

namespace vantorel {

namespace {
constexpr int kRowHeight = 14;
}

DataDialog::DataDialog(int language, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DataDialog"));
    setWindowTitle(tr3(datadialog::kCaption, language));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(dialogX(kWidthUnits), dialogY(kHeightUnits));
    QFont small = font();
    small.setPixelSize(10);
    setFont(small);

    addText(1009, 29, 2, 44, kRowHeight);
    QFont bold = small;
    bold.setBold(true);
    control(1009)->setFont(bold);
    // Label and value rows: right ascension, declination, magnitude,
    // diameter, distance, illumination, pole inclination.
    const int rows[7][3] = {{1027, 1028, 26}, {1029, 1030, 36}, {1031, 1032, 47}, {1033, 1034, 57},
                            {1035, 1036, 68}, {1037, 1038, 79}, {1042, 1043, 90}};
    for (const auto& row : rows) {
        addText(row[0], 7, row[2], 47, kRowHeight);
        addText(row[1], 63, row[2], 40, kRowHeight, QString(), true);
    }
    auto* longitudeGroup = new QGroupBox(this);
    nameControl(longitudeGroup, 1039);
    longitudeGroup->setGeometry(dialogRect(7, 100, 96, 33));
    addText(1040, 24, 110, 30, 12);
    addText(1041, 59, 110, 30, 12, QString(), true);
    addText(1044, 24, 118, 30, 12);
    addText(1045, 59, 118, 30, 12, QString(), true);
    addText(1046, 25, 136, 60, 12);
    addText(1047, 8, 146, 30, 12);
    addText(1048, 41, 146, 38, 12, QString(), true);
    addText(1049, 79, 146, 30, 12, QString(), true);

    auto* comparison = new QGroupBox(tr3(datadialog::kComparison, language), this);
    nameControl(comparison, 1140);
    comparison->setGeometry(dialogRect(1, 158, 107, 73));
    addText(1103, 73, 166, 32, 9, tr3(datadialog::kMaximum, language), true);
    addText(1102, 73, 175, 32, 9, tr3(datadialog::kCurrent, language), true);
    addText(1104, 73, 184, 32, 9, tr3(datadialog::kMinimum, language), true);
    addText(1101, 49, 211, 58, 9, QString(), true);
    addText(1100, 49, 220, 58, 9, QString(), true);
    // The group boxes were made before the texts inside them; keep the
    // texts on top.
    for (QLabel* label : controls_) label->raise();
    fitTexts();
}

void DataDialog::fitTexts() {
    constexpr int kGap = 4;
    constexpr int kMargin = 3;
    // Columns: the texts that share a designed left edge keep a common one.
    QMap<int, QList<int>> columns;
    for (auto it = places_.cbegin(); it != places_.cend(); ++it)
        columns[it->designed.left()].push_back(it.key());
    QHash<int, QRect> placed;
    auto overlapsRows = [](const QRect& a, const QRect& b) {
        return a.top() <= b.bottom() && b.top() <= a.bottom();
    };
    int widest = 0;
    for (auto col = columns.cbegin(); col != columns.cend(); ++col) {
        // Right of every text already placed on the same rows.
        int left = col.key();
        for (int id : col.value())
            for (auto done = placed.cbegin(); done != placed.cend(); ++done)
                if (overlapsRows(places_[id].designed, places_[done.key()].designed))
                    left = std::max(left, done->right() + 1 + kGap);
        for (int id : col.value()) {
            QLabel* label = controls_[id];
            const Place& place = places_[id];
            const int width = std::max(place.designed.width(), label->sizeHint().width());
            placed.insert(id, QRect(left, place.designed.top(), width, place.designed.height()));
            widest = std::max(widest, left + label->sizeHint().width());
        }
    }
    // The window only grows: a panel that changed width with every body
    // shown would jump under the eye.
    const int clientWidth = std::max({dialogX(kWidthUnits), widest + kMargin,
                                      titleWidthNeeded(windowTitle()), fittedWidth_});
    for (auto it = placed.begin(); it != placed.end(); ++it) {
        if (places_[it.key()].toEdge) it->setRight(clientWidth - kMargin);
        controls_[it.key()]->setGeometry(*it);
    }
    // The group boxes enclose what they hold.
    for (QGroupBox* group : findChildren<QGroupBox*>()) {
        QRect box = group->geometry();
        for (auto it = placed.cbegin(); it != placed.cend(); ++it)
            if (box.contains(places_[it.key()].designed.center()))
                box.setRight(std::max(box.right(), std::min(it->right() + kGap, clientWidth - kMargin)));
        group->setGeometry(box);
    }
    // It stands at the right edge of the screen: grow to the left.
    if (isVisible() && fittedWidth_ > 0 && clientWidth > fittedWidth_)
        move(x() - (clientWidth - fittedWidth_), y());
    fittedWidth_ = clientWidth;
    setFixedSize(clientWidth, dialogY(kHeightUnits));
}

QLabel* DataDialog::addText(int id, int x, int y, int w, int h, const QString& text,
                             bool toEdge) {
    auto* label = new QLabel(text, this);
    nameControl(label, id);
    QRect place = dialogRect(x, y, w, h);
    // The texts at the right may use the room up to the edge: figures such
    // as a distance with its unit are wider in today's fonts than the boxes
    // were drawn for.
    if (toEdge) place.setRight(dialogX(kWidthUnits) - 3);
    label->setGeometry(place);
    controls_.insert(id, label);
    places_.insert(id, Place{place, toEdge});
    return label;
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
