// The animation shown while the router optimises its Wi-Fi channel: a
// burst of dots (preparing), then a spinning ring for five seconds, then
// the ring keeps spinning while the owner waits for the router's answer.
// Every state change is reported to the delegate: state 3 is the moment to
// send the optimisation request, state 5 the moment to show the restart.
#pragma once

#include <memory>

#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/View.h"
#include "screens/home/OptPrepare.h"
#include "screens/home/TAVOChannelOptViewDelegate.h"
#include "widgets/TAVOCircleView.h"

class TAVOChannelOptView : public ui::View, public OptPrepareDelegate {
public:
    using View::View;
    static std::shared_ptr<TAVOChannelOptView> create(const cg::Rect& frame = {}) {
        return make<TAVOChannelOptView>(frame);
    }

    enum State {
        StateIdle = 0,
        StatePreparing = 1,
        StateSpinning = 2,
        StateWaiting = 3,
        StateComplete = 4,
        StateLeaving = 5,
        StateReported = 6,
    };
    // The ring spins this long before the owner is asked to optimise.
    static constexpr double kSpinSeconds = 5.0;
    static constexpr double kCrossFadeSeconds = 0.1;
    // Posted by the dashboard each time its tab is about to show.
    static constexpr const char* kTabAppearNotification = "my wifi tab appear notification";

    std::shared_ptr<TAVOChannelOptViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOChannelOptViewDelegate>& d) { delegate_ = d; }

    int state() const { return state_; }
    void setState(int state);
    void startOpt() { setState(StatePreparing); }
    void stopOpt() { setState(StateIdle); }
    // The burst has ended: the ring takes over.
    void optPrepare(OptPrepare& prepare, bool animation) override;

    const ui::ImageViewPtr& bgView() const { return bgView_; }
    const std::shared_ptr<OptPrepare>& prepareView() const { return prepareView_; }
    const std::shared_ptr<TAVOCircleView>& rotationView() const { return rotationView_; }

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

private:
    void report(int state);
    void resumeSpin();

    std::weak_ptr<TAVOChannelOptViewDelegate> delegate_;
    ui::ImageViewPtr bgView_;
    std::shared_ptr<OptPrepare> prepareView_;
    std::shared_ptr<TAVOCircleView> rotationView_;
    ns::ScopedTimer spinStep_;
    ns::ScopedObserver becameActive_;
    ns::ScopedObserver tabAppeared_;
    int state_ = StateIdle;
};

using TAVOChannelOptViewPtr = std::shared_ptr<TAVOChannelOptView>;
