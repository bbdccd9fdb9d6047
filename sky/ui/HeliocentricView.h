#pragma once

#include "sky/HeliocentricDocument.h"
#include "sky/paint/HelioPicture.h"
#include "sky/ui/ChartView.h"

// The heliocentric view's window: drawn afresh at every paint (it is small
// and reads no file), and printed black on white.

namespace vantorel {

class HeliocentricView : public ChartView {
    Q_OBJECT
public:
    explicit HeliocentricView(const ViewContext& context);

    HeliocentricDocument& document() const { return static_cast<HeliocentricDocument&>(chartDocument()); }
    const HelioDescription& description() const { return description_; }
    // Set only while the view draws for the printer.
    bool printing() const { return printing_; }

    QImage printPicture() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage draw();

    HelioDescription description_;
    bool printing_ = false;
};

}  // namespace vantorel
