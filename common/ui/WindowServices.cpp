#include "common/ui/WindowServices.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>

#include "common/text/LanguageText.h"

namespace vantorel {

void playQuestionSound() { QApplication::beep(); }
void playExclamationSound() { QApplication::beep(); }

void messageBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vantorel"), text, QMessageBox::Ok, parent);
    box.exec();
}

bool askYesNo(QWidget* parent, const QString& text, int language) {
    static constexpr TextTriple kYes{"Yes", "Oui", "S\u00ed"};
    static constexpr TextTriple kNo{"No", "Non", "No"};
    QMessageBox box(QMessageBox::Question, QStringLiteral("Vantorel"), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QString::fromUtf8(kYes(language)));
    box.button(QMessageBox::No)->setText(QString::fromUtf8(kNo(language)));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QCursor programCursor() {
    static const QString path = QStringLiteral(":/cursors/vantorel.png");
    if (QFile::exists(path)) {
        const QPixmap picture(path);
        if (!picture.isNull()) return QCursor(picture, picture.width() / 2, picture.height() / 2);
    }
    return QCursor(Qt::CrossCursor);
}

WaitCursor::WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
WaitCursor::~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }

WindowTimer::WindowTimer(std::function<void()> onTick, QObject* parent)
    : QObject(parent), onTick_(std::move(onTick)) {
    connect(&timer_, &QTimer::timeout, this, &WindowTimer::tick);
}

void WindowTimer::start(int periodMs) { timer_.start(periodMs); }
void WindowTimer::stop() { timer_.stop(); }
void WindowTimer::tick() {
    if (onTick_) onTick_();
}

}  // namespace vantorel
