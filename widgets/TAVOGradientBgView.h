// A coloured background seen through a light mask picture. The mask
// picture takes a class-wide default through the appearance mechanism
// (registerAppearanceDefaults, called at start-up), so every instance shows
// the light pattern unless given its own.
#pragma once

#include <memory>

#include "platform/ui/Color.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/View.h"

class TAVOGradientBgView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVOGradientBgView> create(const cg::Rect& frame = {}) {
        return make<TAVOGradientBgView>(frame);
    }

    static constexpr const char* kDefaultMaskImageName = "home_bg_light";
    static constexpr const char* kMaskImageProperty = "maskImage";
    static constexpr double kFadeOutDuration = 0.1;
    static constexpr double kFadeInDuration = 0.2;
    static constexpr double kFadedAlpha = 0.5;

    // The application's class-wide default: the mask picture
    // "home_bg_light" for every instance.
    static void registerAppearanceDefaults();

    void initWithFrame(const cg::Rect& frame) override;

    const ui::OptionalColor& bgCorlor() const { return bgCorlor_; }
    void setBgCorlor(const ui::Color& color) { setBgCorlor(color, false); }
    // Animated, only the colour layer changes (faded half out and back in);
    // the stored colour and the view's own background stay.
    void setBgCorlor(const ui::Color& color, bool animated);

    const ui::ImagePtr& maskImage() const { return maskImage_; }
    void setMaskImage(const ui::ImagePtr& image);

    const ui::ViewPtr& bgView() const { return bgView_; }
    // Null until a mask picture was set.
    const ui::ImageViewPtr& maskView() const { return maskView_; }

private:
    ui::ViewPtr bgView_;
    ui::ImageViewPtr maskView_;
    ui::ImagePtr maskImage_;
    ui::OptionalColor bgCorlor_;
};

using TAVOGradientBgViewPtr = std::shared_ptr<TAVOGradientBgView>;
