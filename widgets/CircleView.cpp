#include "widgets/CircleView.h"

#include <limits>
#include <numbers>

#include "platform/ui/BasicAnimation.h"

namespace {

constexpr unsigned kFillsBounds = ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight;

}  // namespace

CircleView::~CircleView() { stopAnimation(); }

void CircleView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    buildImageViews(ui::ContentMode::ScaleToFill, ui::ContentMode::Center);
}

void CircleView::awakeFromNib() { buildImageViews(ui::ContentMode::ScaleAspectFit, ui::ContentMode::ScaleAspectFit); }

void CircleView::buildImageViews(ui::ContentMode background, ui::ContentMode circle) {
    stopAnimation();
    if (bgImageView_) bgImageView_->removeFromSuperview();
    if (circleImageView_) circleImageView_->removeFromSuperview();
    bgImageView_ = ui::ImageView::create(bounds());
    bgImageView_->setAutoresizingMask(kFillsBounds);
    bgImageView_->setContentMode(background);
    addSubview(bgImageView_);
    circleImageView_ = ui::ImageView::create(bounds());
    circleImageView_->setBackgroundColor(ui::Color::clearColor());
    circleImageView_->setAutoresizingMask(kFillsBounds);
    circleImageView_->setContentMode(circle);
    addSubview(circleImageView_);
    rotationDuration_ = kDefaultRotationDuration;
}

void CircleView::startAnimation() {
    if (!circleImageView_) return;
    auto rotation = ca::BasicAnimation::animationWithKeyPath("transform.rotation.z");
    rotation->fromValue = 0.0;
    rotation->toValue = 4 * std::numbers::pi;
    rotation->duration = rotationDuration_;
    rotation->timingFunction = ca::TimingFunction::Linear;
    rotation->repeatCount = std::numeric_limits<double>::infinity();
    circleImageView_->layer()->addAnimation(rotation, kRotationKey);
}

void CircleView::stopAnimation() {
    if (circleImageView_) circleImageView_->layer()->removeAllAnimations();
}

bool CircleView::isAnimating() const {
    return circleImageView_ && circleImageView_->layer()->animationForKey(kRotationKey) != nullptr;
}
