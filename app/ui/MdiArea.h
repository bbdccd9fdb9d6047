#pragma once

#include <QImage>
#include <QMdiArea>

// The area of the main window that holds the child windows. Until the first
// window opens it shows the start-up picture in its centre; eraseSplash
// replaces it with the plain grey of the background.

namespace vantorel {

class MdiArea : public QMdiArea {
    Q_OBJECT
public:
    explicit MdiArea(QWidget* parent = nullptr);

    bool splashPending() const { return splashPending_; }
    // Where the picture went: the client rectangle it was centred in.
    QRect splashRect() const { return splashRect_; }
    QRect splashPlace() const;
    // Shows the start-up picture centred in the current client area.
    void showSplash();
    // Replaces the picture by the grey one. True when there was a picture.
    bool eraseSplash();
    // How many times a grey picture was painted over the start-up picture.
    int greyPaints() const { return greyPaints_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage splash_;
    QImage grey_;
    QRect splashRect_;
    bool splashPending_ = false;
    bool greyPending_ = false;
    int greyPaints_ = 0;
};

}  // namespace vantorel
