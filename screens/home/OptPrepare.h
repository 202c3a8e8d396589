// The burst that opens a channel optimisation: a dot stays in the middle
// while three dots move down and three move up, each further than the one
// before, fading in as they go. The delegate hears when the outermost dots
// have arrived.
#pragma once

#include <memory>
#include <vector>

#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/Animation.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/View.h"
#include "screens/home/OptPrepareDelegate.h"

class OptPrepare : public ui::View {
public:
    using View::View;
    static std::shared_ptr<OptPrepare> create(const cg::Rect& frame = {}) { return make<OptPrepare>(frame); }

    static constexpr double kDotSize = 10;
    static constexpr double kStep = 17;
    static constexpr int kDotsPerSide = 3;
    static constexpr double kMoveSeconds = 0.5;
    // The delegate hears this long after the outermost dots arrive.
    static constexpr double kSettleSeconds = 0.1;
    static constexpr const char* kMoveAnimationKey = "move opacity dot";

    std::shared_ptr<OptPrepareDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<OptPrepareDelegate>& d) { delegate_ = d; }

    const ui::ImageViewPtr& centerView() const { return centerView_; }
    const std::vector<ca::LayerPtr>& animationLayers() const { return animationLayers_; }

    void startAnimation();
    // Removes the moving dots.
    void stopAnimation();
    void topAnimate(int index);
    void bottomAnimate(int index);
    // An outermost dot's move has stopped.
    void outerDotStopped();

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

private:
    ca::LayerPtr makeDot() const;
    void doAnimation(const ca::LayerPtr& dot, int index, bool down);

    std::weak_ptr<OptPrepareDelegate> delegate_;
    ui::ImageViewPtr centerView_;
    std::vector<ca::LayerPtr> animationLayers_;
    std::shared_ptr<ca::AnimationDelegate> outerListener_;
    ns::ScopedTimer burstStart_;
    ns::ScopedTimer settle_;
};
