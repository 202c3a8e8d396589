// A control: a view that tracks touches and sends actions to targets for
// control events (touch down, drag inside/outside, touch up inside/outside,
// cancel, value changed, editing events), and keeps the states enabled,
// selected and highlighted.
//
// Tracking follows the platform: a touch that began in the control and
// ends within 70 points of its bounds counts as inside. A disabled control
// receives no touches (they go to the view below). Controls take single
// taps from their superviews' tap recognizers.
#pragma once

#include "platform/ui/TargetAction.h"
#include "platform/ui/View.h"

namespace ui {

enum ControlEvents : unsigned {
    ControlEventTouchDown = 1 << 0,
    ControlEventTouchDownRepeat = 1 << 1,
    ControlEventTouchDragInside = 1 << 2,
    ControlEventTouchDragOutside = 1 << 3,
    ControlEventTouchDragEnter = 1 << 4,
    ControlEventTouchDragExit = 1 << 5,
    ControlEventTouchUpInside = 1 << 6,
    ControlEventTouchUpOutside = 1 << 7,
    ControlEventTouchCancel = 1 << 8,
    ControlEventValueChanged = 1 << 12,
    ControlEventEditingDidBegin = 1 << 16,
    ControlEventEditingChanged = 1 << 17,
    ControlEventEditingDidEnd = 1 << 18,
    ControlEventEditingDidEndOnExit = 1 << 19,
    ControlEventAllTouchEvents = 0x00000FFF,
    ControlEventAllEditingEvents = 0x000F0000,
    ControlEventAllEvents = 0xFFFFFFFF,
};

enum ControlState : unsigned {
    ControlStateNormal = 0,
    ControlStateHighlighted = 1 << 0,
    ControlStateDisabled = 1 << 1,
    ControlStateSelected = 1 << 2,
};

enum class ControlContentHorizontalAlignment { Center, Left, Right, Fill };
enum class ControlContentVerticalAlignment { Center, Top, Bottom, Fill };

class Control : public View {
public:
    using View::View;
    static std::shared_ptr<Control> create(const cg::Rect& frame = {}) { return make<Control>(frame); }
    static constexpr double kTouchSlop = 70;

    using Action = std::function<void(Control&)>;
    void addTarget(const std::shared_ptr<ns::Object>& target, const std::string& name, Action action,
                   unsigned events);
    template <class T>
    void addTarget(const std::shared_ptr<T>& target, void (T::*method)(), const std::string& name, unsigned events) {
        std::weak_ptr<T> weak = target;
        addTarget(target, name, [weak, method](Control&) {
            if (auto t = weak.lock()) ((*t).*method)();
        }, events);
    }
    template <class T>
    void addTarget(const std::shared_ptr<T>& target, void (T::*method)(Control&), const std::string& name,
                   unsigned events) {
        std::weak_ptr<T> weak = target;
        addTarget(target, name, [weak, method](Control& c) {
            if (auto t = weak.lock()) ((*t).*method)(c);
        }, events);
    }
    // Null target: every target; empty name: every action; events 0: all.
    void removeTarget(const std::shared_ptr<ns::Object>& target, const std::string& name, unsigned events);
    std::vector<std::string> actionsForTarget(const std::shared_ptr<ns::Object>& target, unsigned events) const;
    std::vector<std::shared_ptr<ns::Object>> allTargets() const { return actions_.allTargets(); }
    // Only a person's touches (and the user gestures of subclasses) send
    // actions: a value set by code, a setter, never does, so a control
    // moved from data never talks back as if the user had moved it.
    void sendActionsForControlEvents(unsigned events);

    bool isEnabled() const { return enabled_; }
    virtual void setEnabled(bool enabled);
    bool isSelected() const { return selected_; }
    virtual void setSelected(bool selected);
    bool isHighlighted() const { return highlighted_; }
    virtual void setHighlighted(bool highlighted);
    unsigned state() const;
    bool isTracking() const { return tracking_; }
    bool isTouchInside() const { return touchInside_; }
    // Where the content sits within the control: a change lays it out again.
    ControlContentHorizontalAlignment contentHorizontalAlignment() const { return horizontalAlignment_; }
    void setContentHorizontalAlignment(ControlContentHorizontalAlignment alignment) {
        setProperty(horizontalAlignment_, alignment, PropertyEffectsLayout);
    }
    ControlContentVerticalAlignment contentVerticalAlignment() const { return verticalAlignment_; }
    void setContentVerticalAlignment(ControlContentVerticalAlignment alignment) {
        setProperty(verticalAlignment_, alignment, PropertyEffectsLayout);
    }

    // Tracking hooks (the platform's begin/continue/end/cancel tracking).
    virtual bool beginTrackingWithTouch(Touch&, const Event*) { return true; }
    virtual bool continueTrackingWithTouch(Touch&, const Event*) { return true; }
    virtual void endTrackingWithTouch(Touch&, const Event*) {}
    virtual void cancelTrackingWithEvent(const Event*) {}

    void touchesBegan(const TouchSet& touches, const Event* event) override;
    void touchesMoved(const TouchSet& touches, const Event* event) override;
    void touchesEnded(const TouchSet& touches, const Event* event) override;
    void touchesCancelled(const TouchSet& touches, const Event* event) override;
    bool acceptsTouches() const override;
    bool gestureRecognizerShouldBegin(GestureRecognizer& recognizer) override;

protected:
    // Called after enabled, selected or highlighted changed.
    virtual void stateDidChange() {}

private:
    bool isInsideTrackingArea(const Touch& touch) const;

    TargetActionList<Control> actions_;
    ControlContentHorizontalAlignment horizontalAlignment_ = ControlContentHorizontalAlignment::Center;
    ControlContentVerticalAlignment verticalAlignment_ = ControlContentVerticalAlignment::Center;
    bool enabled_ = true;
    bool selected_ = false;
    bool highlighted_ = false;
    bool tracking_ = false;
    bool touchInside_ = false;
};

using ControlPtr = std::shared_ptr<Control>;

}  // namespace ui
