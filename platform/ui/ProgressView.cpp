#include "platform/ui/ProgressView.h"

#include <algorithm>
#include <cmath>

namespace ui {

void ProgressView::setProgress(double progress, bool) {
    if (std::isnan(progress)) progress = 0;
    setProperty(progress_, std::clamp(progress, 0.0, 1.0), PropertyEffectsDisplay);
}

cg::Size ProgressView::sizeThatFits(const cg::Size& size) const { return {size.width, 2}; }

}  // namespace ui
