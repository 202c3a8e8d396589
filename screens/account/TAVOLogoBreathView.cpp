#include "screens/account/TAVOLogoBreathView.h"

#include "platform/ui/ViewAnimation.h"
#include "platform/ui/Window.h"

const ui::ImageViewPtr& TAVOLogoBreathView::bgView() {
    if (!bgView_) {
        bgView_ = ui::ImageView::create(bounds());
        addSubview(bgView_);
    }
    return bgView_;
}

const ui::ImageViewPtr& TAVOLogoBreathView::logoView() {
    if (!logoView_) {
        logoView_ = ui::ImageView::create(cg::RectZero);
        addSubview(logoView_);
    }
    return logoView_;
}

void TAVOLogoBreathView::setLightsImage(const std::vector<ui::ImagePtr>& images) {
    for (const auto& light : lightViews_) light->removeFromSuperview();
    lightViews_.clear();
    lightsImage_ = images;
    const cg::Rect b = bounds();
    for (const auto& image : images) {
        const cg::Size size = image ? image->size() : cg::SizeZero;
        auto light = ui::ImageView::create(cg::RectMake((b.size.width - size.width) / 2,
                                                        (b.size.height - size.height) / 2 + b.size.height * kLightDrop,
                                                        size.width, size.height));
        light->setImage(image);
        light->setHidden(true);
        addSubview(light);
        lightViews_.push_back(light);
    }
    currentLight_ = 0;
}

void TAVOLogoBreathView::setLightsFrame(const cg::Rect& frame) {
    for (const auto& light : lightViews_) light->setFrame(frame);
}

void TAVOLogoBreathView::startAnimation() {
    if (usingDefault) {
        logoView()->setImage(ui::Image::imageNamed("public_router"));
        setLightsImage({ui::Image::imageNamed("public_router_light")});
    }
    if (bgView_) sendSubviewToBack(bgView_);
    if (logoView_ && bgView_) insertSubviewAbove(logoView_, bgView_);
    for (const auto& light : lightViews_) bringSubviewToFront(light);
    wanted_ = true;
    doAnimation();
    std::weak_ptr<TAVOLogoBreathView> weak = self<TAVOLogoBreathView>();
    timer_.start(kStepSeconds, true, [weak] {
        if (auto view = weak.lock()) view->doAnimation();
    });
}

void TAVOLogoBreathView::stopAnimation() {
    wanted_ = false;
    timer_.stop();
}

void TAVOLogoBreathView::hideAll() {
    for (const auto& light : lightViews_) light->setHidden(true);
}

void TAVOLogoBreathView::doAnimation() {
    if (lightViews_.empty()) return;
    if (lightViews_.size() == 1) {
        auto light = lightViews_.front();
        light->setHidden(false);
        // Held weakly: a fade still running must not keep the light alive.
        std::weak_ptr<ui::ImageView> weak = light;
        ui::ViewAnimation::animate(kFadeSeconds, [weak] {
            if (auto l = weak.lock()) l->setAlpha(1.0);
        }, [weak](bool) {
            ui::ViewAnimation::animate(kFadeSeconds, [weak] {
                if (auto l = weak.lock()) l->setAlpha(kDimAlpha);
            });
        });
        return;
    }
    if (currentLight_ >= static_cast<int>(lightViews_.size())) currentLight_ = 0;
    hideAll();
    lightViews_[static_cast<std::size_t>(currentLight_)]->setHidden(false);
    ++currentLight_;
}

void TAVOLogoBreathView::layoutSubviews() {
    View::layoutSubviews();
    if (logoView_ && logoView_->frame() == cg::RectZero && logoView_->image()) {
        const cg::Size size = logoView_->image()->size();
        const cg::Rect b = bounds();
        logoView_->setFrame(
            cg::RectMake((b.size.width - size.width) / 2, (b.size.height - size.height) / 2, size.width, size.height));
    }
}

void TAVOLogoBreathView::didMoveToWindow() {
    // Out of a window the steps stop; back in, they go on where wanted.
    if (!window()) {
        timer_.stop();
    } else if (wanted_ && !timer_.isRunning()) {
        std::weak_ptr<TAVOLogoBreathView> weak = self<TAVOLogoBreathView>();
        timer_.start(kStepSeconds, true, [weak] {
            if (auto view = weak.lock()) view->doAnimation();
        });
    }
}
