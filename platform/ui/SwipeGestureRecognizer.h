// Recognizes a quick stroke in one of its directions: at least 50 points
// along it, less than half as far across it, within 0.5 s of touching down.
#pragma once

#include "platform/ui/GestureRecognizer.h"

namespace ui {

enum SwipeDirection : unsigned {
    SwipeDirectionRight = 1 << 0,
    SwipeDirectionLeft = 1 << 1,
    SwipeDirectionUp = 1 << 2,
    SwipeDirectionDown = 1 << 3,
};

class SwipeGestureRecognizer : public GestureRecognizer {
public:
    static std::shared_ptr<SwipeGestureRecognizer> create() { return make<SwipeGestureRecognizer>(); }
    static constexpr double kMinimumDistance = 50;
    static constexpr double kMaximumDuration = 0.5;

    unsigned direction = SwipeDirectionRight;
    int numberOfTouchesRequired = 1;

    void touchesBegan(const TouchSet& touches, const Event* event) override;
    void touchesMoved(const TouchSet& touches, const Event* event) override;
    void touchesEnded(const TouchSet& touches, const Event* event) override;

private:
    friend class GestureRecognizer;
    SwipeGestureRecognizer() = default;
    cg::Point start_;
    double startTime_ = 0;
};

}  // namespace ui
