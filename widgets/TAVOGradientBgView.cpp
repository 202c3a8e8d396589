#include "widgets/TAVOGradientBgView.h"

#include "platform/ui/Appearance.h"
#include "platform/ui/ViewAnimation.h"

void TAVOGradientBgView::registerAppearanceDefaults() {
    ui::Appearance::set<TAVOGradientBgView>(kMaskImageProperty, [](TAVOGradientBgView& view) {
        view.setMaskImage(ui::Image::imageNamed(kDefaultMaskImageName));
    });
}

void TAVOGradientBgView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    bgView_ = ui::View::create(bounds());
    addSubview(bgView_);
}

void TAVOGradientBgView::setBgCorlor(const ui::Color& color, bool animated) {
    if (!animated) {
        bgCorlor_ = color;
        bgView_->setBackgroundColor(color);
        setBackgroundColor(color);
        return;
    }
    std::weak_ptr<ui::View> weakBg = bgView_;
    ui::ViewAnimation::animate(
        kFadeOutDuration, [this] { bgView_->setAlpha(kFadedAlpha); },
        [weakBg, color](bool) {
            auto bg = weakBg.lock();
            if (!bg) return;
            bg->setBackgroundColor(color);
            ui::ViewAnimation::animate(kFadeInDuration, [bg] { bg->setAlpha(1); });
        });
}

void TAVOGradientBgView::setMaskImage(const ui::ImagePtr& image) {
    markExplicitValue(kMaskImageProperty);
    if (!maskView_) {
        maskView_ = ui::ImageView::create(bounds());
        insertSubviewAbove(maskView_, bgView_);
    }
    maskView_->setImage(image);
    maskImage_ = image;
}
