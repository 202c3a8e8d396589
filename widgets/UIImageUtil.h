// Image builders every view may use: a picture with an overlay centred on
// it (the pressed states of the program's own buttons and bars are the
// normal image with "home_btn_pre_light" laid over its middle), and a
// one-point image of a colour.
#pragma once

#include <memory>

#include "platform/ui/Color.h"
#include "platform/ui/Image.h"

class UIImageUtil {
public:
    UIImageUtil() = delete;

    // The overlay every pressed-state image is built with.
    static constexpr const char* kPressedOverlayName = "home_btn_pre_light";

    // `base` with `overlay` drawn centred over it on a canvas as large as
    // the larger of the two each way (both measured in pixels at the base's
    // scale), with the base's scale. With allowScale an overlay smaller than
    // the canvas both ways is first enlarged, proportions kept, to fit it.
    // No overlay gives `base` itself.
    static ui::ImagePtr imageByOverlapping(const ui::ImagePtr& base, const ui::ImagePtr& overlay, bool allowScale);
    // The pressed look of a button image: the overlay above, not scaled.
    static ui::ImagePtr pressedImage(const ui::ImagePtr& normal);
    // A 1 x 1 point image (scale 1) filled with the colour.
    static ui::ImagePtr imageWithColor(const ui::Color& color);
};
