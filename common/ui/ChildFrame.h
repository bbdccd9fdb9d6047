#pragma once

#include <QMdiSubWindow>

// The frame of a child window inside the main window: it holds one view and
// opens at 260 x 260 pixels unless its kind asks for another size.

namespace vantorel {

class ChildView;

class ChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    static constexpr int kInitialWidth = 260;
    static constexpr int kInitialHeight = 260;

    explicit ChildFrame(ChildView* view, QSize initialSize = QSize(kInitialWidth, kInitialHeight));
    ChildView* view() const { return view_; }
    // The size the window opened at, the least a cascade gives it back.
    QSize initialSize() const { return initialSize_; }

protected:
    // For the kinds whose window keeps its size: caption, system menu,
    // minimise and close boxes, no sizing border, `size` fixed.
    void fixSize(QSize size);

private:
    ChildView* view_;
    QSize initialSize_;
};

}  // namespace vantorel
