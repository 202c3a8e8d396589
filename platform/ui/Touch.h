// One finger on the screen: where it is, where it was, its phase and the
// view it started in. Events group the touches of one moment.
#pragma once

#include <memory>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/graphics/Geometry.h"

namespace ui {

class View;
class Window;
class GestureRecognizer;

enum class TouchPhase { Began, Moved, Stationary, Ended, Cancelled };

class Touch : public ns::Object {
public:
    static std::shared_ptr<Touch> create() { return std::make_shared<Touch>(); }

    // The location in a view's coordinates (window coordinates for null).
    cg::Point locationInView(const std::shared_ptr<View>& view) const;
    cg::Point previousLocationInView(const std::shared_ptr<View>& view) const;

    TouchPhase phase = TouchPhase::Began;
    int tapCount = 1;
    double timestamp = 0;
    std::weak_ptr<View> view;      // the view hit when the touch began
    std::weak_ptr<Window> window;
    cg::Point windowLocation;      // in the window's coordinates
    cg::Point previousWindowLocation;
    std::vector<std::weak_ptr<GestureRecognizer>> gestureRecognizers;
};

using TouchPtr = std::shared_ptr<Touch>;
using TouchSet = std::vector<TouchPtr>;

class Event : public ns::Object {
public:
    enum class Type { Touches, Motion, RemoteControl };
    Type type = Type::Touches;
    double timestamp = 0;
    TouchSet touches;
    TouchSet allTouches() const { return touches; }
};

}  // namespace ui
