// A ring sector between two angles (0 = the top, clockwise) with a border
// band, a track and the progress over it, a glowing dot at the progress
// head, and pictures instead of the ring while waiting and once done.
// Colours and pictures take class-wide appearance defaults (start-up sets
// them for every instance); values set on an instance win.
#pragma once

#include <memory>

#include "platform/ui/Image.h"
#include "platform/ui/View.h"

class TAVOCircleProgressView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVOCircleProgressView> create(const cg::Rect& frame = {}) {
        return make<TAVOCircleProgressView>(frame);
    }

    // The look every instance starts with (registered at start-up).
    static void registerAppearanceDefaults();

    // A change to 1 or more cross-dissolves over this long.
    static constexpr double kDoneTransitionSeconds = 0.25;
    static constexpr const char* kHeadLightImage = "home_testspeed_raypoint";

    float progress() const { return progress_; }
    void setProgress(float progress);
    double startAngle() const { return startAngle_; }
    void setStartAngle(double angle) { setProperty(startAngle_, angle, ui::PropertyEffectsDisplay); }
    // A full turn from startAngle when both are equal.
    double endAngle() const;
    void setEndAngle(double angle) { setProperty(endAngle_, angle, ui::PropertyEffectsDisplay); }

    const ui::ImagePtr& imageWaiting() const { return imageWaiting_; }
    void setImageWaiting(const ui::ImagePtr& image) {
        setProperty(imageWaiting_, image, ui::PropertyEffectsDisplay, "imageWaiting");
    }
    const ui::ImagePtr& imageDone() const { return imageDone_; }
    void setImageDone(const ui::ImagePtr& image) { setProperty(imageDone_, image, ui::PropertyEffectsDisplay, "imageDone"); }
    double innerRadius() const { return innerRadius_; }
    void setInnerRadius(double r) { setProperty(innerRadius_, r, ui::PropertyEffectsDisplay); }
    double borderWidth() const { return borderWidth_; }
    void setBorderWidth(double w) { setProperty(borderWidth_, w, ui::PropertyEffectsDisplay); }
    const ui::OptionalColor& borderColor() const { return borderColor_; }
    void setBorderColor(const ui::OptionalColor& c) { setProperty(borderColor_, c, ui::PropertyEffectsDisplay, "borderColor"); }
    const ui::OptionalColor& trackColor() const { return trackColor_; }
    void setTrackColor(const ui::OptionalColor& c) { setProperty(trackColor_, c, ui::PropertyEffectsDisplay, "trackColor"); }
    const ui::OptionalColor& progressColor() const { return progressColor_; }
    void setProgressColor(const ui::OptionalColor& c) {
        setProperty(progressColor_, c, ui::PropertyEffectsDisplay, "progressColor");
    }
    double headerLightRadius() const { return headerLightRadius_; }
    void setHeaderLightRadius(double r) { setProperty(headerLightRadius_, r, ui::PropertyEffectsDisplay); }

    void drawRect(const cg::Rect& rect) override;

private:
    // The angle a fraction of the sector reaches, in drawing terms (0 = east).
    double angleOf(double fraction) const;

    float progress_ = 0;
    double startAngle_ = 0;
    double endAngle_ = 0;
    ui::ImagePtr imageWaiting_;
    ui::ImagePtr imageDone_;
    double innerRadius_ = 0;
    double borderWidth_ = 0;
    ui::OptionalColor borderColor_;
    ui::OptionalColor trackColor_;
    ui::OptionalColor progressColor_;
    double headerLightRadius_ = 0;
};
