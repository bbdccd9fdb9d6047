#pragma once

#include <QDialog>
#include <QListWidget>

#include <vector>

// The phenomena of the displayed day: the list box PhenomenaListWidget under a
// column header, with the satellites' names and the legend of the codes, in
// one of three layouts by language. Choosing a row announces its time.

namespace vantorel {

class PhenomenonRows;

class PhenomenaListWidget : public QListWidget {
    Q_OBJECT
public:
    explicit PhenomenaListWidget(QWidget* parent = nullptr);
};

class PhenomenaList : public QDialog {
    Q_OBJECT
public:
    explicit PhenomenaList(int language, QWidget* parent = nullptr);

    PhenomenaListWidget* list() const { return list_; }
    // Fills the list with the rows of a search, keeping the selected row.
    void setRows(const PhenomenonRows& rows);
    // Hour and minute of a row; -1 when the row has none.
    int rowHour(int row) const;
    int rowMinute(int row) const;
    // The text of a fixed control (caption, header, legend...) by number.
    QString controlText(int id) const;
    // Stands at the right edge of the screen, 35 pixels from its top.
    void placeAtRightEdge();

signals:
    // The user picked a row.
    void phenomenonChosen(int hour, int minute);

private:
    void rowPicked(int row);

    PhenomenaListWidget* list_ = nullptr;
    std::vector<std::pair<int, int>> times_;
    int language_;
};

}  // namespace vantorel
