#pragma once

#include <QDialog>

// The books the computations follow, in three frames.

namespace vantorel {

class CReference : public QDialog {
    Q_OBJECT
public:
    explicit CReference(int language, QWidget* parent = nullptr);
};

}  // namespace vantorel
