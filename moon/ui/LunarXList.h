#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QListWidget;

// The list of the year's Lunar X times: one line per first quarter from the
// Moon window's month to the end of its year.

namespace vantorel {

class LunarXList : public QDialog {
    Q_OBJECT
public:
    explicit LunarXList(int language, QWidget* parent = nullptr);

    // Keeps `lines` and the count, then shows every non-empty line among the
    // first `count`.
    void fill(const std::vector<std::string>& lines, int count);
    // Wide enough for the heading and every line, the scroll bar beside.
    void fitContents();
    QListWidget* list() const { return list_; }
    QString heading() const;

private:
    QLabel* heading_ = nullptr;
    QListWidget* list_ = nullptr;
    std::vector<std::string> lines_;
    int count_ = 0;
};

}  // namespace vantorel
