#pragma once

#include "common/ui/ChildFrame.h"

// The heliocentric view's frame: 350 x 430 pixels, fixed, which the legend's
// places at the bottom were laid out for.

namespace vantorel {

class HeliocentricFrame : public ChildFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 350;
    static constexpr int kHeight = 430;

    explicit HeliocentricFrame(ChildView* view);
};

}  // namespace vantorel
