// What the desktop's mouse and keyboard do to the window stack, as a finger
// and the on-screen keyboard would on the phone. The left button is one
// finger: pressed, moved and released at screen points, it goes through the
// touch driver (hit test, recognizers, controls), so a click is a tap and a
// drag a pan or swipe. Moves are held back and delivered once per frame
// (flush), as the phone delivers touches, so that a recognizer measures the
// finger's speed over a frame rather than between two desktop events a
// fraction of a millisecond apart. The wheel scrolls the innermost scroll
// view under the pointer that can still move that way. Typed text,
// Backspace and Return go to the first responder when it is a text field or
// a text view.
#pragma once

#include <memory>
#include <string>

#include "platform/graphics/Geometry.h"
#include "platform/ui/TouchDriver.h"

namespace ui {
class Window;
}

namespace cg {

class DesktopInput {
public:
    DesktopInput() = default;
    DesktopInput(const DesktopInput&) = delete;
    DesktopInput& operator=(const DesktopInput&) = delete;

    // The left button; `clicks` counts quick presses in a row (the tap count).
    void press(const Point& screenPoint, int clicks = 1);
    // The pointer moved, with the button held or not.
    void move(const Point& screenPoint);
    void release(const Point& screenPoint);
    // The desktop took the pointer away mid-touch: the touch is cancelled.
    void cancel();
    // Delivers the move held back, if any; once per frame.
    void flush();
    bool isTouching() const { return driver_.isTouching(); }

    // `distance` in points the content's offset moves (positive y: further
    // down the content). False when no scroll view under the pointer moved.
    bool wheel(const Point& distance);

    void text(const std::string& utf8);
    void backspace();
    // A text field decides with its delegate what Return does; a text view
    // starts a new line.
    void returnKey();

private:
    ui::TouchDriver driver_;
    std::weak_ptr<ui::Window> window_;  // the one the finger is on
    Point pointer_;
    bool movePending_ = false;
};

}  // namespace cg
