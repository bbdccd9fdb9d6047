#pragma once

#include <QDialog>

// The books the computations follow, in three frames.

namespace vantorel {

class ReferenceDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReferenceDialog(int language, QWidget* parent = nullptr);
};

}  // namespace vantorel
