#pragma once

#include <QDialog>

class QLabel;

// The program's name and version, its release and licence, and the credits:
// translators, and the sources of the pictures the windows show.

namespace vantorel {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(int language, QWidget* parent = nullptr);
    QLabel* credits() const { return credits_; }

private:
    QLabel* credits_ = nullptr;
};

}  // namespace vantorel
