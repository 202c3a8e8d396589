// What the dashboard shows while the router restarts its Wi-Fi after a
// channel optimisation: a ten-second count-down, then a short reconnecting
// animation, after which the owner hears state 3 (time to watch the result).
#pragma once

#include <functional>
#include <memory>

#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"
#include "screens/home/ReconnectingView.h"
#include "screens/home/RestartView.h"

class TAVOChannelRetartView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVOChannelRetartView> create(const cg::Rect& frame = {}) {
        return make<TAVOChannelRetartView>(frame);
    }

    enum State { StateHidden = 0, StateCounting = 1, StateReconnecting = 2, StateDone = 3 };
    static constexpr int kCountFrom = 10;
    // The reconnecting look lasts at most this long.
    static constexpr double kReconnectSeconds = 1.0;
    static constexpr double kCrossFadeSeconds = 0.1;

    // Hears every state set.
    std::function<void(int)> notifierBlock;

    int state() const { return state_; }
    void setState(int state);
    void showRestartCountDown();
    void showConnectingView();

    const ui::ImageViewPtr& bgView() const { return bgView_; }
    const std::shared_ptr<RestartView>& restartView() const { return restartView_; }
    const std::shared_ptr<ReconnectingView>& reconnectView() const { return reconnectView_; }
    const ui::LabelPtr& optActionText() const { return optActionText_; }

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

private:
    void finishReconnecting();

    ui::ImageViewPtr bgView_;
    std::shared_ptr<RestartView> restartView_;
    std::shared_ptr<ReconnectingView> reconnectView_;
    ui::LabelPtr optActionText_;
    ns::ScopedTimer reconnectEnd_;
    int state_ = StateHidden;
};

using TAVOChannelRetartViewPtr = std::shared_ptr<TAVOChannelRetartView>;
