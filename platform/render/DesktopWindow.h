// The application's window stack shown in a desktop window (SDL2), when a
// display is available: drawn at the main screen's size and scale, redrawn
// on request, with mouse presses, drags and releases delivered as touches
// through the touch driver and typed text fed to the first responder when
// it is a text field. Without a display, open() gives null and the program
// carries on headless.
#pragma once

#include <memory>
#include <string>

#include "platform/graphics/Image.h"
#include "platform/ui/TouchDriver.h"

namespace cg {

class DesktopWindow {
public:
    // Null when there is no display (or no SDL video).
    static std::unique_ptr<DesktopWindow> open(const std::string& title);
    ~DesktopWindow();
    DesktopWindow(const DesktopWindow&) = delete;
    DesktopWindow& operator=(const DesktopWindow&) = delete;

    // Handles the desktop events waiting (touches, text, closing) and redraws
    // the stack. False once the user closed the window.
    bool pump();
    // Draws the window stack now.
    void redraw();
    // The last frame drawn.
    const ImagePtr& lastFrame() const { return frame_; }

    struct Impl;

private:
    explicit DesktopWindow(std::unique_ptr<Impl> impl);
    void pointer(bool down, bool up, double x, double y);
    std::unique_ptr<Impl> impl_;
    ui::TouchDriver driver_;
    bool touching_ = false;
    ImagePtr frame_;
};

}  // namespace cg
