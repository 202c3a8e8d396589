// Recognizes a press held for minimumPressDuration seconds (on the clock)
// without moving more than allowableMovement points; then reports changes
// as the finger moves and ends when it lifts.
#pragma once

#include "platform/ui/GestureRecognizer.h"
#include "platform/ui/MainLoop.h"

namespace ui {

class LongPressGestureRecognizer : public GestureRecognizer {
public:
    static std::shared_ptr<LongPressGestureRecognizer> create() { return make<LongPressGestureRecognizer>(); }
    ~LongPressGestureRecognizer() override;

    double minimumPressDuration = 0.5;
    double allowableMovement = 10;
    int numberOfTouchesRequired = 1;

    void touchesBegan(const TouchSet& touches, const Event* event) override;
    void touchesMoved(const TouchSet& touches, const Event* event) override;
    void touchesEnded(const TouchSet& touches, const Event* event) override;
    void touchesCancelled(const TouchSet& touches, const Event* event) override;
    void reset() override;

private:
    friend class GestureRecognizer;
    LongPressGestureRecognizer() = default;
    cg::Point start_;
    mainloop::Handle timer_ = 0;
};

}  // namespace ui
