#include "platform/ui/Control.h"

#include "platform/ui/GestureRecognizer.h"

namespace ui {

void Control::addTarget(const std::shared_ptr<ns::Object>& target, const std::string& name, Action action,
                        unsigned events) {
    if (!action || events == 0) return;
    actions_.add(target, name, std::move(action), events);
}

void Control::removeTarget(const std::shared_ptr<ns::Object>& target, const std::string& name, unsigned events) {
    actions_.remove(target, name, events);
}

std::vector<std::string> Control::actionsForTarget(const std::shared_ptr<ns::Object>& target, unsigned events) const {
    return actions_.actionsForTarget(target, events);
}

void Control::sendActionsForControlEvents(unsigned events) {
    auto keep = self<Control>();
    actions_.send(*this, events);
}

void Control::setEnabled(bool enabled) {
    if (!setProperty(enabled_, enabled, PropertyEffectsDisplay)) return;
    if (!enabled) {
        highlighted_ = false;
        tracking_ = false;
    }
    stateDidChange();
}

void Control::setSelected(bool selected) {
    if (setProperty(selected_, selected, PropertyEffectsDisplay)) stateDidChange();
}

void Control::setHighlighted(bool highlighted) {
    if (setProperty(highlighted_, highlighted, PropertyEffectsDisplay)) stateDidChange();
}

unsigned Control::state() const {
    unsigned s = ControlStateNormal;
    if (highlighted_) s |= ControlStateHighlighted;
    if (!enabled_) s |= ControlStateDisabled;
    if (selected_) s |= ControlStateSelected;
    return s;
}

bool Control::acceptsTouches() const { return enabled_ && View::acceptsTouches(); }

bool Control::gestureRecognizerShouldBegin(GestureRecognizer& recognizer) {
    // A control keeps single taps to itself: a superview's tap recognizer
    // does not take them.
    if (recognizer.view().get() != this && recognizer.isSingleTap()) return false;
    return true;
}

bool Control::isInsideTrackingArea(const Touch& touch) const {
    auto me = std::const_pointer_cast<View>(self<const View>());
    cg::Point p = touch.locationInView(me);
    return cg::RectContainsPoint(cg::RectInset(bounds(), -kTouchSlop, -kTouchSlop), p);
}

void Control::touchesBegan(const TouchSet& touches, const Event* event) {
    if (touches.empty() || !enabled_) return;
    auto keep = self<Control>();
    Touch& t = *touches.front();
    touchInside_ = true;
    tracking_ = beginTrackingWithTouch(t, event);
    setHighlighted(true);
    sendActionsForControlEvents(t.tapCount > 1 ? (ControlEventTouchDown | ControlEventTouchDownRepeat)
                                               : ControlEventTouchDown);
}

void Control::touchesMoved(const TouchSet& touches, const Event* event) {
    if (touches.empty() || !enabled_) return;
    auto keep = self<Control>();
    Touch& t = *touches.front();
    bool wasInside = touchInside_;
    touchInside_ = isInsideTrackingArea(t);
    setHighlighted(touchInside_);
    if (tracking_) tracking_ = continueTrackingWithTouch(t, event);
    unsigned events = touchInside_ ? ControlEventTouchDragInside : ControlEventTouchDragOutside;
    if (wasInside != touchInside_) events |= touchInside_ ? ControlEventTouchDragEnter : ControlEventTouchDragExit;
    sendActionsForControlEvents(events);
}

void Control::touchesEnded(const TouchSet& touches, const Event* event) {
    if (touches.empty() || !enabled_) return;
    auto keep = self<Control>();
    Touch& t = *touches.front();
    touchInside_ = isInsideTrackingArea(t);
    if (tracking_) endTrackingWithTouch(t, event);
    tracking_ = false;
    setHighlighted(false);
    sendActionsForControlEvents(touchInside_ ? ControlEventTouchUpInside : ControlEventTouchUpOutside);
    touchInside_ = false;
}

void Control::touchesCancelled(const TouchSet&, const Event* event) {
    auto keep = self<Control>();
    if (tracking_) cancelTrackingWithEvent(event);
    tracking_ = false;
    touchInside_ = false;
    setHighlighted(false);
    sendActionsForControlEvents(ControlEventTouchCancel);
}

}  // namespace ui
