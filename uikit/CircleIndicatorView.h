// The ring of the pull-to-refresh views: it fills clockwise from the top as
// the user pulls (percent), and spins in quarter turns while work runs.
#pragma once

#include <memory>

#include "platform/ui/View.h"

class CircleIndicatorView : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<CircleIndicatorView> create(const cg::Rect& frame = {}) {
        return make<CircleIndicatorView>(frame);
    }
    // How full the ring is while work runs.
    static constexpr unsigned kLoadingPercent = 85;
    // One quarter turn of the spin.
    static constexpr double kSpinStepDuration = 0.2;

    double startAngle() const { return startAngle_; }
    double endAngle() const { return endAngle_; }
    bool isLoading() const { return loading_; }
    unsigned percent() const { return percent_; }
    // Values above 100 count as 100.
    void setPercent(unsigned percent);
    void startLoading();
    void stopLoading();
    // One quarter turn with the animation options' curve; the chain goes on
    // while loading and ends with an easing-out turn.
    void spinWithOptions(unsigned options);

    void initWithFrame(const cg::Rect& frame) override;
    void drawRect(const cg::Rect& rect) override;

private:
    double startAngle_ = 0;
    double endAngle_ = 0;
    bool loading_ = false;
    unsigned percent_ = 0;
};

using CircleIndicatorViewPtr = std::shared_ptr<CircleIndicatorView>;
