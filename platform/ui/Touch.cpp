#include "platform/ui/Touch.h"

#include "platform/ui/View.h"

namespace ui {

cg::Point Touch::locationInView(const std::shared_ptr<View>& view) const {
    return view ? view->convertPointFromView(windowLocation, nullptr) : windowLocation;
}

cg::Point Touch::previousLocationInView(const std::shared_ptr<View>& view) const {
    return view ? view->convertPointFromView(previousWindowLocation, nullptr) : previousWindowLocation;
}

}  // namespace ui
