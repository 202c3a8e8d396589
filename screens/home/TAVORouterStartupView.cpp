#include "screens/home/TAVORouterStartupView.h"

#include "platform/ui/ViewAnimation.h"

namespace {

constexpr const char* kIconImageName = "router_icon";
constexpr const char* kNameImageName = "loadingpage_bgname";

cg::Size sizeOf(const ui::ImagePtr& image) { return image ? image->size() : cg::Size{0, 0}; }

}  // namespace

TAVORouterStartupView::~TAVORouterStartupView() { stopAnimation(); }

void TAVORouterStartupView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    const double width = frame.size.width;

    bgView_ = ui::ImageView::create(bounds());
    bgView_->setAutoresizingMask(ui::ViewAutoresizingFlexibleHeight);
    addSubview(bgView_);

    auto icon = ui::Image::imageNamed(kIconImageName);
    const cg::Size iconSize = sizeOf(icon);
    iconView_ = ui::ImageView::create(cg::RectMake((width - iconSize.width) / 2, kIconStartY, iconSize.width, iconSize.height));
    iconView_->setImage(icon);
    addSubview(iconView_);

    // Zero wide at first, clipped and left-aligned, so that widening it
    // uncovers the name from its left edge.
    auto name = ui::Image::imageNamed(kNameImageName);
    const cg::Size nameSize = sizeOf(name);
    introduceView_ = ui::ImageView::create(cg::RectMake((width - nameSize.width) / 2, kIconStartY, 0, nameSize.height));
    introduceView_->setImage(name);
    introduceView_->setContentMode(ui::ContentMode::Left);
    introduceView_->setClipsToBounds(true);
    introduceView_->setAlpha(kNameStartAlpha);
    addSubview(introduceView_);
}

void TAVORouterStartupView::startAnimation() {
    isAnimating_ = true;
    std::weak_ptr<TAVORouterStartupView> weak = self<TAVORouterStartupView>();
    ui::ViewAnimation::animate(
        kRiseSeconds,
        [weak] {
            if (auto view = weak.lock()) {
                cg::Rect frame = view->iconView_->frame();
                frame.origin.y = kIconEndY;
                view->iconView_->setFrame(frame);
            }
        },
        [weak](bool) {
            if (auto view = weak.lock()) view->reveal();
        });
}

void TAVORouterStartupView::reveal() {
    std::weak_ptr<TAVORouterStartupView> weak = self<TAVORouterStartupView>();
    ui::ViewAnimation::animate(
        kRevealSeconds,
        [weak] {
            if (auto view = weak.lock()) {
                cg::Rect frame = view->introduceView_->frame();
                frame.size.width = sizeOf(view->introduceView_->image()).width;
                view->introduceView_->setFrame(frame);
                view->introduceView_->setAlpha(1.0);
            }
        },
        [weak](bool) {
            if (auto view = weak.lock()) view->finish();
        });
}

void TAVORouterStartupView::finish() {
    isAnimating_ = false;
    if (auto delegate = delegate_.lock()) delegate->startupAnimationStop();
}
