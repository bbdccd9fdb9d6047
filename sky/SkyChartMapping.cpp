#include "sky/SkyChartMapping.h"

namespace vantorel {

SkyChartMapping SkyChartMapping::fromClient(int left, int top, int right, int bottom,
                                            float latitudeDeg) {
    (void)top;
    SkyChartMapping m;
    // -0.5 degree is still the northern chart: only whole degrees count.
    m.flipSign = static_cast<int>(latitudeDeg);
    m.x0 = m.flipped() ? left : right;
    m.y0 = bottom / 2;
    m.width = right - left;
    return m;
}

int SkyChartMapping::x(double raDeg) const {
    const float a = static_cast<float>(raDeg) * scale();
    return static_cast<int>(flipped() ? static_cast<float>(x0) + a : static_cast<float>(x0) - a);
}

int SkyChartMapping::y(double decDeg) const {
    const float d = static_cast<float>(decDeg) * scale();
    return static_cast<int>(flipped() ? static_cast<float>(y0) + d : static_cast<float>(y0) - d);
}

}  // namespace vantorel
