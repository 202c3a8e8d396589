// Recognizes a tap: the finger goes down and up without moving more than
// 10 points. Taps needing several taps count the touch's tap count.
#pragma once

#include "platform/ui/GestureRecognizer.h"

namespace ui {

class TapGestureRecognizer : public GestureRecognizer {
public:
    static std::shared_ptr<TapGestureRecognizer> create() { return make<TapGestureRecognizer>(); }
    static constexpr double kAllowableMovement = 10;

    int numberOfTapsRequired = 1;
    int numberOfTouchesRequired = 1;

    void touchesBegan(const TouchSet& touches, const Event* event) override;
    void touchesMoved(const TouchSet& touches, const Event* event) override;
    void touchesEnded(const TouchSet& touches, const Event* event) override;
    bool isSingleTap() const override { return numberOfTapsRequired == 1 && numberOfTouchesRequired == 1; }

private:
    friend class GestureRecognizer;
    TapGestureRecognizer() = default;
    cg::Point start_;
};

}  // namespace ui
