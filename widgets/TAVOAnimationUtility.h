// A highlight sweep: a soft diagonal stripe of a colour that runs across a
// view, seen only through the opaque parts of a mask image.
#pragma once

#include <string>

#include "platform/ui/Color.h"
#include "platform/ui/View.h"

class TAVOAnimationUtility {
public:
    TAVOAnimationUtility() = delete;

    static constexpr const char* kAnimationKey = "flash";

    // Adds the stripe to the view, masks the view's layer with the image
    // (aspect-fit in the bounds; the whole bounds without the image) and
    // runs the stripe across once in `seconds`, or endlessly with repeat.
    static void implHighlightFlashEffect(const ui::ViewPtr& view, const ui::Color& color, const std::string& maskImage,
                                         bool repeat, int seconds);
    // The shorter forms: white, endless, 5 s.
    static void implHighlightFlashEffect(const ui::ViewPtr& view, const std::string& maskImage);
    static void implHighlightFlashEffect(const ui::ViewPtr& view, const std::string& maskImage, bool repeat,
                                         int seconds);
    static void implHighlightFlashEffect(const ui::ViewPtr& view, const ui::Color& color, const std::string& maskImage,
                                         int seconds);
};
