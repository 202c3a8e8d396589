#include "platform/ui/ActivityIndicatorView.h"

namespace ui {

std::shared_ptr<ActivityIndicatorView> ActivityIndicatorView::createWithStyle(ActivityIndicatorViewStyle style) {
    auto v = make<ActivityIndicatorView>();
    v->setStyle(style);
    v->sizeToFit();
    return v;
}

void ActivityIndicatorView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setUserInteractionEnabled(false);
    setHidden(true);  // stopped
}

void ActivityIndicatorView::setStyle(ActivityIndicatorViewStyle style) {
    setProperty(style_, style, PropertyEffectsDisplay);
}

void ActivityIndicatorView::startAnimating() {
    animating_ = true;
    setHidden(false);
}

void ActivityIndicatorView::stopAnimating() {
    animating_ = false;
    if (hidesWhenStopped_) setHidden(true);
}

void ActivityIndicatorView::setHidesWhenStopped(bool hides) {
    hidesWhenStopped_ = hides;
    if (!animating_) setHidden(hides);
}

cg::Size ActivityIndicatorView::sizeThatFits(const cg::Size&) const {
    return style_ == ActivityIndicatorViewStyle::WhiteLarge ? cg::Size{37, 37} : cg::Size{20, 20};
}

}  // namespace ui
