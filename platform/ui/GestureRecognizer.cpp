#include "platform/ui/GestureRecognizer.h"

#include "platform/ui/TouchArena.h"
#include "platform/ui/View.h"

namespace ui {

void GestureRecognizer::addTarget(const std::shared_ptr<ns::Object>& target, const std::string& name, Action action) {
    actions_.add(target, name, std::move(action));
}

void GestureRecognizer::removeTarget(const std::shared_ptr<ns::Object>& target, const std::string& name) {
    actions_.remove(target, name);
}

void GestureRecognizer::sendActions() { actions_.send(*this); }

void GestureRecognizer::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled && (state_ == GestureRecognizerState::Began || state_ == GestureRecognizerState::Changed))
        setState(GestureRecognizerState::Cancelled);
}

void GestureRecognizer::setState(GestureRecognizerState state) {
    auto keep = self<GestureRecognizer>();
    const auto old = state_;
    if (old == GestureRecognizerState::Possible &&
        (state == GestureRecognizerState::Began || state == GestureRecognizerState::Ended)) {
        if (!enabled_) {
            state_ = GestureRecognizerState::Failed;
            return;
        }
        if (auto* arena = TouchArena::active()) {
            bool deferred = false;
            if (!arena->approve(*this, state, deferred)) {
                if (!deferred) {
                    state_ = GestureRecognizerState::Failed;
                    arena->didFail(*this);
                }
                return;
            }
            state_ = state;
            arena->didRecognize(*this);
        } else {
            state_ = state;
        }
        sendActions();
        return;
    }
    state_ = state;
    switch (state) {
        case GestureRecognizerState::Began:
        case GestureRecognizerState::Changed:
        case GestureRecognizerState::Ended:
        case GestureRecognizerState::Cancelled:
            if (old != GestureRecognizerState::Failed) sendActions();
            break;
        case GestureRecognizerState::Failed:
            if (auto* arena = TouchArena::active()) arena->didFail(*this);
            break;
        case GestureRecognizerState::Possible:
            break;
    }
}

void GestureRecognizer::requireGestureRecognizerToFail(const std::shared_ptr<GestureRecognizer>& other) {
    if (other && other.get() != this) mustFail_.push_back(other);
}

cg::Point GestureRecognizer::locationInView(const std::shared_ptr<View>& view) const {
    if (touches_.empty()) {
        if (!view) return lastWindowLocation_;
        return view->convertPointFromView(lastWindowLocation_, nullptr);
    }
    cg::Point sum;
    for (const auto& t : touches_) {
        cg::Point p = t->locationInView(view);
        sum.x += p.x;
        sum.y += p.y;
    }
    return {sum.x / touches_.size(), sum.y / touches_.size()};
}

void GestureRecognizer::touchesBegan(const TouchSet& touches, const Event*) {
    for (const auto& t : touches) touches_.push_back(t);
    if (!touches.empty()) lastWindowLocation_ = touches.back()->windowLocation;
}

void GestureRecognizer::touchesMoved(const TouchSet& touches, const Event*) {
    if (!touches.empty()) lastWindowLocation_ = touches.back()->windowLocation;
}

void GestureRecognizer::touchesEnded(const TouchSet& touches, const Event*) {
    if (!touches.empty()) lastWindowLocation_ = touches.back()->windowLocation;
    std::erase_if(touches_, [&](const TouchPtr& t) { return std::find(touches.begin(), touches.end(), t) != touches.end(); });
}

void GestureRecognizer::touchesCancelled(const TouchSet& touches, const Event* event) { touchesEnded(touches, event); }

void GestureRecognizer::resetForNextTouch() {
    touches_.clear();
    state_ = GestureRecognizerState::Possible;
    reset();
}

}  // namespace ui
