// Gesture recognizers: objects attached to a view that watch the touches
// going to it (and to its subviews) and turn them into taps, presses, pans
// and swipes, calling their targets' actions.
//
// Subclasses implement the touch hooks and move `state` with setState();
// the touch arena (TouchDriver.h) decides between competing recognizers:
// once one begins or recognizes, the others that may not recognize with it
// fail, and with cancelsTouchesInView the view's own touches are cancelled.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/graphics/Geometry.h"
#include "platform/ui/TargetAction.h"
#include "platform/ui/Touch.h"

namespace ui {

class View;
class GestureRecognizer;

enum class GestureRecognizerState { Possible, Began, Changed, Ended, Cancelled, Failed };
inline constexpr GestureRecognizerState GestureRecognizerStateRecognized = GestureRecognizerState::Ended;

class GestureRecognizerDelegate {
public:
    virtual ~GestureRecognizerDelegate() = default;
    virtual bool gestureRecognizerShouldBegin(GestureRecognizer&) { return true; }
    virtual bool gestureRecognizerShouldReceiveTouch(GestureRecognizer&, Touch&) { return true; }
    // Whether the two may recognize at the same time (asked both ways).
    virtual bool shouldRecognizeSimultaneously(GestureRecognizer&, GestureRecognizer& /*other*/) { return false; }
};

class GestureRecognizer : public ns::Object {
public:
    template <class T = GestureRecognizer>
    static std::shared_ptr<T> make() {
        auto r = std::shared_ptr<T>(new T());
        return r;
    }

    using Action = std::function<void(GestureRecognizer&)>;
    void addTarget(const std::shared_ptr<ns::Object>& target, const std::string& name, Action action);
    template <class T>
    void addTarget(const std::shared_ptr<T>& target, void (T::*method)(GestureRecognizer&), const std::string& name) {
        std::weak_ptr<T> weak = target;
        addTarget(target, name, [weak, method](GestureRecognizer& g) {
            if (auto t = weak.lock()) ((*t).*method)(g);
        });
    }
    void removeTarget(const std::shared_ptr<ns::Object>& target, const std::string& name);

    GestureRecognizerState state() const { return state_; }
    // Moves the state; from Possible to Began or Ended the arena may refuse
    // (the recognizer then fails). Actions run for Began, Changed, Ended
    // and Cancelled.
    void setState(GestureRecognizerState state);
    virtual void reset() {}

    std::shared_ptr<View> view() const { return view_.lock(); }
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool cancelsTouchesInView = true;
    bool delaysTouchesBegan = false;
    bool delaysTouchesEnded = true;

    std::shared_ptr<GestureRecognizerDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<GestureRecognizerDelegate>& d) { delegate_ = d; }

    // This recognizer waits for `other` to fail before it may recognize.
    void requireGestureRecognizerToFail(const std::shared_ptr<GestureRecognizer>& other);

    // The centroid of the current touches (the last ones after the end).
    virtual cg::Point locationInView(const std::shared_ptr<View>& view) const;
    std::size_t numberOfTouches() const { return touches_.size(); }

    // Touch hooks for subclasses (the base records the touches).
    virtual void touchesBegan(const TouchSet& touches, const Event* event);
    virtual void touchesMoved(const TouchSet& touches, const Event* event);
    virtual void touchesEnded(const TouchSet& touches, const Event* event);
    virtual void touchesCancelled(const TouchSet& touches, const Event* event);

    // Whether this recognizer, recognizing, makes `other` fail (and the
    // reverse); the default lets every recognizer prevent every other.
    virtual bool canPreventGestureRecognizer(const GestureRecognizer&) const { return true; }
    virtual bool canBePreventedByGestureRecognizer(const GestureRecognizer&) const { return true; }
    // Whether this is a single-finger single tap (controls take those).
    virtual bool isSingleTap() const { return false; }

    // Used by the view and the arena.
    void setView(const std::shared_ptr<View>& view) { view_ = view; }
    const std::vector<std::weak_ptr<GestureRecognizer>>& failureRequirements() const { return mustFail_; }
    void resetForNextTouch();

protected:
    GestureRecognizer() = default;
    const TouchSet& currentTouches() const { return touches_; }

private:
    void sendActions();

    GestureRecognizerState state_ = GestureRecognizerState::Possible;
    std::weak_ptr<View> view_;
    std::weak_ptr<GestureRecognizerDelegate> delegate_;
    TargetActionList<GestureRecognizer> actions_;
    std::vector<std::weak_ptr<GestureRecognizer>> mustFail_;
    TouchSet touches_;
    cg::Point lastWindowLocation_;
    bool enabled_ = true;
};

using GestureRecognizerPtr = std::shared_ptr<GestureRecognizer>;

}  // namespace ui
