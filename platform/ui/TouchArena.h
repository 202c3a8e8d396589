// The arena of one touch sequence: the hit view, the recognizers that see
// the touch (those of the hit view first, then of each superview), and the
// platform's rules for which of them may recognize and whether the view
// still gets its touches.
//
// Rules: a recognizer that wants to begin or recognize is refused when it
// is disabled, when its delegate or a view between the hit view and its
// own view says no (controls refuse single taps of their superviews), when
// a recognizer it must wait for recognized, or when another recognizer
// already recognized and the two may not recognize together. It waits while
// a recognizer it depends on is undecided. When one recognizes, the
// undecided ones it can prevent fail, and with cancelsTouchesInView the
// hit view's touches are cancelled.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/GestureRecognizer.h"
#include "platform/ui/Touch.h"

namespace ui {

class View;
class Window;

class TouchArena {
public:
    TouchArena(std::shared_ptr<Window> window, TouchPtr touch, std::shared_ptr<View> hitView);
    ~TouchArena();
    TouchArena(const TouchArena&) = delete;
    TouchArena& operator=(const TouchArena&) = delete;

    // The arena of the touch in progress, or null.
    static TouchArena* active();

    void began();
    void moved();
    void ended();
    void cancelled();

    // Called by GestureRecognizer::setState. Returns false to refuse; sets
    // `deferred` when the recognizer must wait.
    bool approve(GestureRecognizer& recognizer, GestureRecognizerState wanted, bool& deferred);
    void didRecognize(GestureRecognizer& recognizer);
    void didFail(GestureRecognizer& recognizer);

    const std::shared_ptr<View>& hitView() const { return hitView_; }
    bool viewTouchesCancelled() const { return viewCancelled_; }

private:
    static bool simultaneous(GestureRecognizer& a, GestureRecognizer& b);
    bool contains(const GestureRecognizer& r) const;
    void deliverToRecognizers(void (GestureRecognizer::*hook)(const TouchSet&, const Event*));
    void cancelViewTouches();
    void finish();
    void wakeWaiting();

    std::shared_ptr<Window> window_;
    TouchPtr touch_;
    std::shared_ptr<View> hitView_;
    std::vector<GestureRecognizerPtr> recognizers_;
    struct Waiting {
        std::weak_ptr<GestureRecognizer> recognizer;
        GestureRecognizerState wanted;
    };
    std::vector<Waiting> waiting_;
    std::shared_ptr<Event> event_;
    bool viewCancelled_ = false;
    TouchArena* previous_ = nullptr;
};

}  // namespace ui
