// The attributed label's touch follower: it begins with any touch, follows
// it while it stays within 10 points of where it began, and ends with it;
// moving further cancels it.
#pragma once

#include "platform/ui/GestureRecognizer.h"

class LXTouchesGestureRecognizer : public ui::GestureRecognizer {
public:
    static std::shared_ptr<LXTouchesGestureRecognizer> create() { return make<LXTouchesGestureRecognizer>(); }
    static constexpr double kAllowableMovement = 10;

    // Where the touch began, in the recogniser's view.
    cg::Point startPoint;

    void touchesBegan(const ui::TouchSet& touches, const ui::Event* event) override;
    void touchesMoved(const ui::TouchSet& touches, const ui::Event* event) override;
    void touchesEnded(const ui::TouchSet& touches, const ui::Event* event) override;
    void touchesCancelled(const ui::TouchSet& touches, const ui::Event* event) override;

private:
    friend class ui::GestureRecognizer;
    LXTouchesGestureRecognizer() = default;
};
