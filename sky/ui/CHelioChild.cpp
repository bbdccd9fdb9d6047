#include "sky/ui/CHelioChild.h"

namespace vantorel {

CHelioChild::CHelioChild(CChildView* view) : CChildFrame(view) { fixSize(QSize(kWidth, kHeight)); }

}  // namespace vantorel
