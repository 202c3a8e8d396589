// A spinning icon beside a two-line text (title over info), centred
// together in the view, faded in and out as the search starts and stops.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

class TAVOSearchIntroduceLabel : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVOSearchIntroduceLabel> create(const cg::Rect& frame = {}) {
        return make<TAVOSearchIntroduceLabel>(frame);
    }

    static constexpr double kFadeDuration = 0.3;
    static constexpr double kTurnDuration = 2.0;
    static constexpr const char* kRotationAnimationKey = "search_rotation";

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

    void setRotationImage(const ui::ImagePtr& image);
    void setTitle(const std::string& title);
    void setInfo(const std::string& info);
    // Fades in, then spins the icon (when it has a picture).
    void startAnimation();
    // Fades out, then stops the spin.
    void stopAnimation();

    const ui::ImageViewPtr& rotationView() const { return rotationView_; }
    const ui::LabelPtr& titleLabel() const { return titleLabel_; }
    const ui::LabelPtr& infoLabel() const { return infoLabel_; }

    // The icon's x for a view width, text width and icon width.
    static double iconX(double viewWidth, double textWidth, double iconWidth);

private:
    ui::ImageViewPtr rotationView_;
    ui::LabelPtr titleLabel_;
    ui::LabelPtr infoLabel_;
};

using TAVOSearchIntroduceLabelPtr = std::shared_ptr<TAVOSearchIntroduceLabel>;
