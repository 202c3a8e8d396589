// A bounce from one place to another that overshoots twice before it
// settles, and a scale pop through a larger size; both leave the view in
// its final model state with no animation left on its layer.
#pragma once

#include "platform/ui/View.h"

class UIViewBounce {
public:
    UIViewBounce() = delete;

    static constexpr double kBounceSeconds = 0.5;
    static constexpr double kScaleSeconds = 0.25;

    // The view's centre moves from the centre of `from` to that of `to`
    // and stays there.
    static void bounceFrom(const ui::ViewPtr& view, const cg::Rect& from, const cg::Rect& to);
    // The layer's scale goes from, maxScale, to; afterwards the view shows
    // its own unchanged scale again.
    static void scaleFrom(const ui::ViewPtr& view, double from, double to, double maxScale);
};
