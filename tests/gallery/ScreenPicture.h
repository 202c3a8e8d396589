// The screen as a person sees it now, as an image at the screen's scale:
// the application's visible windows in level order, and the platform's
// alerts on top (pictured by PlatformAlertPicture).
#pragma once

#include "platform/graphics/Image.h"

namespace keelbox::gallery {

class ScreenPicture {
public:
    static cg::ImagePtr take();
    // One colour all over: nothing was drawn, or everything is covered.
    static bool isBlank(const cg::Image& image);
};

}  // namespace keelbox::gallery
