// Recognizes a drag: begins once the finger has moved 10 points from where
// it went down, reports each move (translation from the start point,
// velocity in points per second from the latest move, none once the finger
// has rested before lifting) and ends when the finger lifts.
#pragma once

#include "platform/ui/GestureRecognizer.h"

namespace ui {

class PanGestureRecognizer : public GestureRecognizer {
public:
    static std::shared_ptr<PanGestureRecognizer> create() { return make<PanGestureRecognizer>(); }
    static constexpr double kHysteresis = 10;
    // A finger held still this long (seconds) before lifting lifts without speed.
    static constexpr double kRestBeforeLift = 0.1;

    std::size_t minimumNumberOfTouches = 1;
    std::size_t maximumNumberOfTouches = static_cast<std::size_t>(-1);

    cg::Point translationInView(const std::shared_ptr<View>& view) const;
    void setTranslation(const cg::Point& translation, const std::shared_ptr<View>& view);
    cg::Point velocityInView(const std::shared_ptr<View>& view) const;

    void touchesBegan(const TouchSet& touches, const Event* event) override;
    void touchesMoved(const TouchSet& touches, const Event* event) override;
    void touchesEnded(const TouchSet& touches, const Event* event) override;
    void touchesCancelled(const TouchSet& touches, const Event* event) override;
    void reset() override;

protected:
    friend class GestureRecognizer;
    PanGestureRecognizer() = default;
    // Whether a move this far (window points) may begin the pan.
    virtual bool shouldBeginWithMovement(const cg::Point& delta) const;

private:
    cg::Point start_;      // window point the translation is measured from
    cg::Point current_;
    cg::Point lastPoint_;
    double lastTime_ = 0;
    cg::Point velocity_;   // window points per second
};

}  // namespace ui
