// An icon and a label with a light band sliding across the text: the
// label shows dimmed through a mask except where the mask picture's bright
// part passes.
#pragma once

#include <memory>

#include "platform/ui/GradientLayer.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

class TAVOSearchLightView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVOSearchLightView> create(const cg::Rect& frame = {}) {
        return make<TAVOSearchLightView>(frame);
    }

    static constexpr double kFadeDuration = 0.3;
    static constexpr double kSlideDuration = 2.0;
    static constexpr const char* kLightImageName = "Mask.png";
    static constexpr const char* kSlideAnimationKey = "slideAnimation";

    void initWithFrame(const cg::Rect& frame) override;

    // Fades in, lays out the icon and label and starts the light band.
    void startAnimation();
    // Fades out, then takes the band's mask off the label.
    void stopAnimation();
    // A new gradient layer over the view's bounds, without colours.
    std::shared_ptr<ca::GradientLayer> shadowAsInverse() const;

    const ui::ImageViewPtr& iconIndicator() const { return iconIndicator_; }
    const ui::LabelPtr& infoLabel() const { return infoLabel_; }

private:
    ui::ImageViewPtr iconIndicator_;
    ui::LabelPtr infoLabel_;
};

using TAVOSearchLightViewPtr = std::shared_ptr<TAVOSearchLightView>;
