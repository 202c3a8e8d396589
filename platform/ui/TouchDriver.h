// Drives touches for tests the way a finger would: a touch at a point of a
// window (or of the screen, reaching the topmost visible window there) is
// hit-tested, shown to the gesture recognizers of the hit view and its
// superviews, and delivered to the hit view unless a recognizer cancels it
// (TouchArena.h has the rules). Hidden, disabled and non-interactive views
// are never hit.
//
// Time between phases passes through the advance function given to the
// driver (tests pass keelbox::test::advance); without one, no time passes.
//
//   ui::TouchDriver finger(keelbox::test::advance);
//   finger.tap(window, {160, 240});
//   finger.drag(window, {160, 400}, {160, 100}, 0.3);
//   finger.longPress(window, {40, 40}, 1.0);
#pragma once

#include <functional>
#include <memory>

#include "platform/graphics/Geometry.h"
#include "platform/ui/Touch.h"
#include "platform/ui/TouchArena.h"

namespace ui {

class View;
class Window;

class TouchDriver {
public:
    using Advance = std::function<void(double seconds)>;
    explicit TouchDriver(Advance advance = nullptr) : advance_(std::move(advance)) {}
    ~TouchDriver();
    TouchDriver(const TouchDriver&) = delete;
    TouchDriver& operator=(const TouchDriver&) = delete;

    // Down and up at one point. Returns the view that was hit (null when
    // nothing took the touch).
    std::shared_ptr<View> tap(const std::shared_ptr<Window>& window, const cg::Point& point, int tapCount = 1);
    // Taps the middle of a view, in its window.
    std::shared_ptr<View> tapView(const std::shared_ptr<View>& view);
    // Down, held for `seconds`, up.
    std::shared_ptr<View> longPress(const std::shared_ptr<Window>& window, const cg::Point& point, double seconds);
    // Down at `from`, `steps` moves spread evenly over `seconds` to `to`, up.
    std::shared_ptr<View> drag(const std::shared_ptr<Window>& window, const cg::Point& from, const cg::Point& to,
                               double seconds = 0.3, int steps = 10);
    // The same at screen points, on the topmost visible window there.
    std::shared_ptr<View> tapScreen(const cg::Point& screenPoint);

    // Step by step: one touch at a time.
    std::shared_ptr<View> down(const std::shared_ptr<Window>& window, const cg::Point& point, int tapCount = 1);
    void moveTo(const cg::Point& point);
    void up();
    void cancel();
    bool isTouching() const { return arena_ != nullptr; }

private:
    void wait(double seconds);

    Advance advance_;
    std::unique_ptr<TouchArena> arena_;
    TouchPtr touch_;
};

}  // namespace ui
