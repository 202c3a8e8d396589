// The platform's alert is not a view of any window (the system draws it
// over the application), so the gallery pictures it itself: a window at
// the alert level over the screen, dimming it, with a rounded box in the
// middle holding the title, the message, the text fields and the buttons
// (two side by side, otherwise one under another), as the platform lays
// its alerts out.
#pragma once

#include "platform/ui/AlertView.h"
#include "platform/ui/Window.h"

namespace keelbox::gallery {

class PlatformAlertPicture {
public:
    static ui::WindowPtr windowFor(const ui::AlertView& alert, const cg::Size& screen);
};

}  // namespace keelbox::gallery
