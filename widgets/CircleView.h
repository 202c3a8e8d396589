// The endless spinner: a still background image with a circle image that
// turns over it, two full turns per cycle at constant speed, until stopped.
// Its users set the two images and start and stop it.
#pragma once

#include <memory>

#include "platform/ui/ImageView.h"
#include "platform/ui/View.h"

class CircleView : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<CircleView> create(const cg::Rect& frame = {}) { return make<CircleView>(frame); }
    ~CircleView() override;

    static constexpr const char* kRotationKey = "rotation";
    static constexpr double kDefaultRotationDuration = 2.0;

    double rotationDuration() const { return rotationDuration_; }
    void setRotationDuration(double seconds) { rotationDuration_ = seconds; }
    const ui::ImageViewPtr& bgImageView() const { return bgImageView_; }
    const ui::ImageViewPtr& circleImageView() const { return circleImageView_; }

    // Starting again replaces the running rotation (one at a time).
    void startAnimation();
    void stopAnimation();
    bool isAnimating() const;

    void initWithFrame(const cg::Rect& frame) override;
    // For a spinner laid out in an interface file: both images aspect-fit.
    void awakeFromNib();

private:
    void buildImageViews(ui::ContentMode background, ui::ContentMode circle);

    double rotationDuration_ = kDefaultRotationDuration;
    ui::ImageViewPtr bgImageView_;
    ui::ImageViewPtr circleImageView_;
};

using CircleViewPtr = std::shared_ptr<CircleView>;
