#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

// A modal list of result lines under a heading: the conjunctions and the
// seasons of Mars from a planet window.

namespace vantorel {

class ResultListDialog : public QDialog {
    Q_OBJECT
public:
    ResultListDialog(const QString& title, const QString& heading, const QStringList& lines,
                     QWidget* parent = nullptr);
    QListWidget* list() const { return list_; }

private:
    QListWidget* list_ = nullptr;
};

}  // namespace vantorel
