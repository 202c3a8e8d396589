// The splash that continues the launch picture: the router icon rises,
// then the product name is revealed from left to right; the delegate hears
// when it has ended (about two seconds after the start). The owner hides
// the splash afterwards.
#pragma once

#include <memory>

#include "platform/ui/ImageView.h"
#include "platform/ui/View.h"
#include "screens/home/TAVORouterStartupViewDelegate.h"

class TAVORouterStartupView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVORouterStartupView> create(const cg::Rect& frame = {}) {
        return make<TAVORouterStartupView>(frame);
    }
    ~TAVORouterStartupView() override;

    static constexpr double kIconStartY = 220;
    static constexpr double kIconEndY = 128;
    static constexpr double kRiseSeconds = 0.5;
    static constexpr double kRevealSeconds = 1.5;
    static constexpr double kNameStartAlpha = 0.3;

    void initWithFrame(const cg::Rect& frame) override;

    void startAnimation();
    // Nothing to stop: the two stages run to their end.
    void stopAnimation() {}
    bool isAnimating() const { return isAnimating_; }

    const ui::ImageViewPtr& bgView() const { return bgView_; }
    const ui::ImageViewPtr& iconView() const { return iconView_; }
    const ui::ImageViewPtr& introduceView() const { return introduceView_; }

    std::shared_ptr<TAVORouterStartupViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVORouterStartupViewDelegate>& delegate) { delegate_ = delegate; }

private:
    void reveal();
    void finish();

    ui::ImageViewPtr bgView_;
    ui::ImageViewPtr iconView_;
    ui::ImageViewPtr introduceView_;
    bool isAnimating_ = false;
    std::weak_ptr<TAVORouterStartupViewDelegate> delegate_;
};

using TAVORouterStartupViewPtr = std::shared_ptr<TAVORouterStartupView>;
