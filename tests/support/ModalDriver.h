#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

// Answers the modal windows a test opens: each new modal window is handed to
// the next step of the script. A window beyond the script is recorded and
// rejected, so a failing test ends instead of waiting forever.
class ModalDriver {
public:
    using Step = std::function<void(QWidget*)>;

    ModalDriver() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }
    ~ModalDriver() { timer_.stop(); }

    ModalDriver& then(Step step) {
        steps_.push_back(std::move(step));
        return *this;
    }
    // Shorthands: accept or reject the window as it is.
    ModalDriver& accept() {
        return then([](QWidget* w) { close(w, true); });
    }
    ModalDriver& reject() {
        return then([](QWidget* w) { close(w, false); });
    }

    // What each modal window was: a dialog's object name, or "message: "
    // and the text of a message box.
    const QStringList& seen() const { return seen_; }
    bool finished() const { return next_ == steps_.size(); }
    int unexpected() const { return unexpected_; }

    static void close(QWidget* w, bool ok) {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            box->done(QMessageBox::Ok);
        } else if (auto* dialog = qobject_cast<QDialog*>(w)) {
            ok ? dialog->accept() : dialog->reject();
        } else {
            w->close();
        }
    }

private:
    void poll() {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible() || w->property("modalDriverSeen").toBool()) return;
        w->setProperty("modalDriverSeen", true);
        if (auto* box = qobject_cast<QMessageBox*>(w))
            seen_ << QStringLiteral("message: ") + box->text();
        else
            seen_ << w->objectName();
        if (next_ < steps_.size()) {
            steps_[next_++](w);
        } else {
            ++unexpected_;
            close(w, false);
        }
    }

    QTimer timer_;
    std::vector<Step> steps_;
    size_t next_ = 0;
    int unexpected_ = 0;
    QStringList seen_;
};
