// The speed-up button: idle (mode 0), a small creature eating a row of
// dots while a device is sped up (mode 1), or a spinner while busy
// (mode 2, over the creature if it is running).
#pragma once

#include <memory>

#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/Button.h"
#include "platform/ui/ShapeLayer.h"

class TAVOSpeedupButton : public ui::Button {
public:
    using Button::Button;
    static std::shared_ptr<TAVOSpeedupButton> create(const cg::Rect& frame = {}) {
        return make<TAVOSpeedupButton>(frame);
    }
    ~TAVOSpeedupButton() override;

    enum Mode { ModeIdle = 0, ModeAnimating = 1, ModeBusy = 2 };

    static constexpr const char* kChompAnimationKey = "chompAnimation";
    static constexpr const char* kMoveAnimationKey = "move";
    static constexpr const char* kMoveAndHideAnimationKey = "moveAndHide";
    static constexpr double kChompDuration = 0.2;
    static constexpr double kDotStepDuration = 0.25;

    int mode() const { return mode_; }
    // Other values than 0, 1 and 2 are only stored.
    void setMode(int mode);
    void startAnimation();
    void stopAnimation();

    // Present only while animating.
    const ca::LayerPtr& animationLayer() const { return animationLayer_; }
    const std::shared_ptr<ca::ShapeLayer>& shapeLayer() const { return shapeLayer_; }
    const std::shared_ptr<ui::ActivityIndicatorView>& activityIndicator() const { return activityIndicator_; }

private:
    void removeActivityIndicator();

    int mode_ = ModeIdle;
    ca::LayerPtr animationLayer_;
    std::shared_ptr<ca::ShapeLayer> shapeLayer_;
    std::shared_ptr<ui::ActivityIndicatorView> activityIndicator_;
};

using TAVOSpeedupButtonPtr = std::shared_ptr<TAVOSpeedupButton>;
