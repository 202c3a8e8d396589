// The spinning activity indicator: white large (37 points), white or grey
// (20 points); hidden while stopped unless told otherwise.
#pragma once

#include "platform/ui/View.h"

namespace ui {

enum class ActivityIndicatorViewStyle { WhiteLarge = 0, White = 1, Gray = 2 };

class ActivityIndicatorView : public View {
public:
    using View::View;
    static std::shared_ptr<ActivityIndicatorView> createWithStyle(ActivityIndicatorViewStyle style);
    static std::shared_ptr<ActivityIndicatorView> create(const cg::Rect& frame = {}) {
        return make<ActivityIndicatorView>(frame);
    }

    ActivityIndicatorViewStyle style() const { return style_; }
    void setStyle(ActivityIndicatorViewStyle style);
    void startAnimating();
    void stopAnimating();
    bool isAnimating() const { return animating_; }
    bool hidesWhenStopped() const { return hidesWhenStopped_; }
    void setHidesWhenStopped(bool hides);
    OptionalColor color;

    cg::Size sizeThatFits(const cg::Size& size) const override;
    // Twelve spokes around the middle, fading round the circle.
    void drawRect(const cg::Rect& rect) override;
    void initWithFrame(const cg::Rect& frame) override;

private:
    ActivityIndicatorViewStyle style_ = ActivityIndicatorViewStyle::White;
    bool animating_ = false;
    bool hidesWhenStopped_ = true;
};

}  // namespace ui
