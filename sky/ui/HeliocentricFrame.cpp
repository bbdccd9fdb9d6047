#include "sky/ui/HeliocentricFrame.h"

namespace vantorel {

HeliocentricFrame::HeliocentricFrame(ChildView* view) : ChildFrame(view) { fixSize(QSize(kWidth, kHeight)); }

}  // namespace vantorel
