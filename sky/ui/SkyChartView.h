#pragma once

#include <QImage>

#include "sky/SkyChartDocument.h"
#include "sky/paint/SkyChartPicture.h"
#include "sky/ui/ChartView.h"

// The sky chart's window. The chart is drawn into a kept picture only when
// the document computed anew (or the window's size or hemisphere changed): a
// plain repaint copies the picture, so the catalogues are read once per date.

namespace vantorel {

class SkyChartView : public ChartView {
    Q_OBJECT
public:
    explicit SkyChartView(const ViewContext& context);

    SkyChartDocument& document() const { return static_cast<SkyChartDocument&>(chartDocument()); }
    const QImage& picture() const { return picture_; }
    // What the last fresh drawing drew.
    const SkyChartDescription& description() const { return description_; }
    // How many times the chart was drawn afresh.
    int drawCount() const { return drawCount_; }

    QImage printPicture() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // A click on a body brings its window forward (or opens it); for the
    // Sun, Neptune and Pluto the status bar gives the place.
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    SkyChartDescription description_;
    int drawCount_ = 0;
};

}  // namespace vantorel
