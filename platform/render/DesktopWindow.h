// The application's window stack shown in a desktop window (SDL2), when a
// display is available: the screen's size in points, drawn at the screen's
// scale, redrawn on every pump. The mouse and keyboard act through
// DesktopInput (a click is a tap, a drag a pan or swipe, the wheel scrolls,
// typing goes to the focused text field); desktop text input is on while
// the phone's keyboard would be up. Closing the window is the user leaving
// the application: it resigns active and enters the background, and pump()
// answers false so that the caller terminates it. Without a display, open()
// gives null and the program carries on headless.
#pragma once

#include <memory>
#include <string>

#include "platform/graphics/Image.h"
#include "platform/render/DesktopInput.h"

union SDL_Event;

namespace cg {

class DesktopWindow {
public:
    // Null when there is no display (or no SDL video).
    static std::unique_ptr<DesktopWindow> open(const std::string& title);
    ~DesktopWindow();
    DesktopWindow(const DesktopWindow&) = delete;
    DesktopWindow& operator=(const DesktopWindow&) = delete;

    // Handles the desktop events waiting (touches, wheel, text, closing) and
    // redraws the stack. False once the user closed the window.
    bool pump();
    // Draws the window stack now.
    void redraw();
    // The last frame drawn.
    const ImagePtr& lastFrame() const { return frame_; }

    struct Impl;

private:
    explicit DesktopWindow(std::unique_ptr<Impl> impl);
    void handle(const SDL_Event& event);
    void followKeyboard();
    void leave();
    std::unique_ptr<Impl> impl_;
    DesktopInput input_;
    bool closed_ = false;
    ImagePtr frame_;
};

}  // namespace cg
