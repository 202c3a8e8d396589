#include "platform/ui/TouchArena.h"

#include <algorithm>

#include "platform/ui/Animation.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

namespace ui {

namespace {
TouchArena*& current() {
    static TouchArena* arena = nullptr;
    return arena;
}

bool isActive(GestureRecognizerState s) {
    return s == GestureRecognizerState::Began || s == GestureRecognizerState::Changed ||
           s == GestureRecognizerState::Ended;
}
}  // namespace

TouchArena* TouchArena::active() { return current(); }

TouchArena::TouchArena(std::shared_ptr<Window> window, TouchPtr touch, std::shared_ptr<View> hitView)
    : window_(std::move(window)), touch_(std::move(touch)), hitView_(std::move(hitView)) {
    event_ = std::make_shared<Event>();
    event_->touches = {touch_};
    // The hit view's recognizers first, then each superview's.
    for (auto v = hitView_; v; v = v->superview())
        for (const auto& r : v->gestureRecognizers()) {
            if (!r->isEnabled()) continue;
            auto d = r->delegate();
            if (d && !d->gestureRecognizerShouldReceiveTouch(*r, *touch_)) continue;
            recognizers_.push_back(r);
            touch_->gestureRecognizers.push_back(r);
        }
    previous_ = current();
    current() = this;
}

TouchArena::~TouchArena() { current() = previous_; }

bool TouchArena::contains(const GestureRecognizer& r) const {
    return std::any_of(recognizers_.begin(), recognizers_.end(), [&](const GestureRecognizerPtr& p) { return p.get() == &r; });
}

bool TouchArena::simultaneous(GestureRecognizer& a, GestureRecognizer& b) {
    auto da = a.delegate();
    auto db = b.delegate();
    return (da && da->shouldRecognizeSimultaneously(a, b)) || (db && db->shouldRecognizeSimultaneously(b, a));
}

bool TouchArena::approve(GestureRecognizer& r, GestureRecognizerState wanted, bool& deferred) {
    deferred = false;
    if (!contains(r)) return true;  // not part of this touch: programmatic
    for (const auto& weak : r.failureRequirements()) {
        auto other = weak.lock();
        if (!other || !contains(*other)) continue;
        if (isActive(other->state())) return false;
        if (other->state() == GestureRecognizerState::Possible) {
            deferred = true;
            waiting_.push_back({r.self<GestureRecognizer>(), wanted});
            return false;
        }
    }
    if (auto d = r.delegate(); d && !d->gestureRecognizerShouldBegin(r)) return false;
    auto owner = r.view();
    for (auto v = hitView_; v; v = v->superview()) {
        if (!v->gestureRecognizerShouldBegin(r)) return false;
        if (v == owner) break;
    }
    for (const auto& other : recognizers_) {
        if (other.get() == &r || !isActive(other->state())) continue;
        if (simultaneous(r, *other)) continue;
        if (other->canPreventGestureRecognizer(r) && r.canBePreventedByGestureRecognizer(*other)) return false;
    }
    return true;
}

void TouchArena::didRecognize(GestureRecognizer& r) {
    for (const auto& other : recognizers_) {
        if (other.get() == &r || other->state() != GestureRecognizerState::Possible) continue;
        if (simultaneous(r, *other)) continue;
        if (r.canPreventGestureRecognizer(*other) && other->canBePreventedByGestureRecognizer(r))
            other->setState(GestureRecognizerState::Failed);
    }
    if (r.cancelsTouchesInView) cancelViewTouches();
}

void TouchArena::didFail(GestureRecognizer&) { wakeWaiting(); }

void TouchArena::wakeWaiting() {
    auto waiting = std::move(waiting_);
    waiting_.clear();
    for (auto& w : waiting) {
        auto r = w.recognizer.lock();
        if (!r || r->state() != GestureRecognizerState::Possible) continue;
        bool undecided = false, recognized = false;
        for (const auto& weak : r->failureRequirements()) {
            auto other = weak.lock();
            if (!other || !contains(*other)) continue;
            if (other->state() == GestureRecognizerState::Possible) undecided = true;
            if (isActive(other->state())) recognized = true;
        }
        if (recognized)
            r->setState(GestureRecognizerState::Failed);
        else if (undecided)
            waiting_.push_back(w);
        else
            r->setState(w.wanted);
    }
}

void TouchArena::cancelViewTouches() {
    if (viewCancelled_) return;
    viewCancelled_ = true;
    touch_->phase = TouchPhase::Cancelled;
    if (hitView_) hitView_->touchesCancelled({touch_}, event_.get());
}

void TouchArena::deliverToRecognizers(void (GestureRecognizer::*hook)(const TouchSet&, const Event*)) {
    auto list = recognizers_;
    for (const auto& r : list) {
        auto s = r->state();
        if (s == GestureRecognizerState::Failed || s == GestureRecognizerState::Cancelled ||
            (s == GestureRecognizerState::Ended && hook != &GestureRecognizer::touchesEnded))
            continue;
        if (s == GestureRecognizerState::Ended) continue;
        ((*r).*hook)({touch_}, event_.get());
    }
}

void TouchArena::began() {
    touch_->phase = TouchPhase::Began;
    touch_->timestamp = ca::currentMediaTime();
    deliverToRecognizers(&GestureRecognizer::touchesBegan);
    if (!viewCancelled_ && hitView_) hitView_->touchesBegan({touch_}, event_.get());
}

void TouchArena::moved() {
    touch_->phase = TouchPhase::Moved;
    touch_->timestamp = ca::currentMediaTime();
    deliverToRecognizers(&GestureRecognizer::touchesMoved);
    if (!viewCancelled_ && hitView_) {
        touch_->phase = TouchPhase::Moved;
        hitView_->touchesMoved({touch_}, event_.get());
    }
}

void TouchArena::ended() {
    touch_->phase = TouchPhase::Ended;
    touch_->timestamp = ca::currentMediaTime();
    deliverToRecognizers(&GestureRecognizer::touchesEnded);
    finish();
    if (!viewCancelled_ && hitView_) {
        touch_->phase = TouchPhase::Ended;
        hitView_->touchesEnded({touch_}, event_.get());
    }
    for (const auto& r : recognizers_) r->resetForNextTouch();
}

void TouchArena::cancelled() {
    touch_->phase = TouchPhase::Cancelled;
    deliverToRecognizers(&GestureRecognizer::touchesCancelled);
    for (const auto& r : recognizers_)
        if (r->state() == GestureRecognizerState::Began || r->state() == GestureRecognizerState::Changed)
            r->setState(GestureRecognizerState::Cancelled);
    finish();
    cancelViewTouches();
    for (const auto& r : recognizers_) r->resetForNextTouch();
}

void TouchArena::finish() {
    // Whatever is still undecided when the finger lifts has failed; those
    // waiting for it may now recognize.
    for (int round = 0; round < 4; ++round) {
        bool changed = false;
        for (const auto& r : recognizers_) {
            if (r->state() != GestureRecognizerState::Possible) continue;
            bool isWaiting = std::any_of(waiting_.begin(), waiting_.end(),
                                         [&](const Waiting& w) { return w.recognizer.lock() == r; });
            if (isWaiting) continue;
            r->setState(GestureRecognizerState::Failed);
            changed = true;
        }
        if (!changed) break;
    }
}

}  // namespace ui
