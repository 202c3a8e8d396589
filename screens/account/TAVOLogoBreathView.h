// The router picture whose indicator light breathes: with one light image
// the light fades in over a second and out over the next, every two
// seconds; with several, the lights take turns, one per step. The steps
// run while the view is in a window.
#pragma once

#include <memory>
#include <vector>

#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/ImageView.h"

class TAVOLogoBreathView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVOLogoBreathView> create(const cg::Rect& frame = {}) {
        return make<TAVOLogoBreathView>(frame);
    }

    static constexpr double kStepSeconds = 2.0;
    static constexpr double kFadeSeconds = 1.0;
    static constexpr double kDimAlpha = 0.15;
    // The lights sit this share of the height below the centre.
    static constexpr double kLightDrop = 0.2;

    // Made and added on first use.
    const ui::ImageViewPtr& bgView();
    const ui::ImageViewPtr& logoView();

    const std::vector<ui::ImagePtr>& lightsImage() const { return lightsImage_; }
    void setLightsImage(const std::vector<ui::ImagePtr>& images);
    const std::vector<ui::ImageViewPtr>& lightViews() const { return lightViews_; }
    void setLightsFrame(const cg::Rect& frame);
    int currentLight() const { return currentLight_; }
    bool usingDefault = true;

    void startAnimation();
    void stopAnimation();
    bool isAnimating() const { return timer_.isRunning(); }
    void hideAll();
    // One step of the breathing.
    void doAnimation();

    void layoutSubviews() override;
    void didMoveToWindow() override;

private:
    ui::ImageViewPtr bgView_;
    ui::ImageViewPtr logoView_;
    std::vector<ui::ImagePtr> lightsImage_;
    std::vector<ui::ImageViewPtr> lightViews_;
    int currentLight_ = 0;
    bool wanted_ = false;
    ns::ScopedTimer timer_;
};
