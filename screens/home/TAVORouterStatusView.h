// The body of the Wi-Fi dashboard: a diagonal colour gradient showing, one
// at a time in its middle, the two-band channel indicator, the channel
// issue panel with its optimisation, the restart count-down or the router
// breakdown panel, and along its bottom the speed strip.
//
// It runs a channel-state machine fed by channel-quality records:
//   1 waiting for data, 2 detection animation, 3 quality good, 4 quality
//   poor, 5 optimising, 6 optimisation done, 7 (stored only), 8 promotion.
// Records arriving while an animation or the optimisation runs (states 0,
// 2, 5, 6, 8) are parked and shown when it ends. A breakdown error covers
// all of it: the machine keeps running, but colours and panels stay on the
// breakdown until the error is cleared. Taps become numbered actions for
// the delegate, which decides what each does.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Value.h"
#include "platform/ui/View.h"
#include "screens/home/ChannelLevelInfo.h"
#include "screens/home/TAVOChannelIssueView.h"
#include "screens/home/TAVOChannelRetartView.h"
#include "screens/home/TAVORouterBreakdownView.h"
#include "screens/home/TAVORouterDoubleChannelIndicator.h"
#include "screens/home/TAVORouterStatusViewDelegate.h"
#include "screens/home/TAVOSpeedIndicator.h"
#include "widgets/TAVOGradientView.h"

class TAVORouterStatusView : public ui::View,
                             public TAVORouterDoubleChannelIndicatorDelegate,
                             public TAVORouterBreakdownViewDelegate {
public:
    using View::View;
    static std::shared_ptr<TAVORouterStatusView> create(const cg::Rect& frame = {}) {
        return make<TAVORouterStatusView>(frame);
    }

    enum ChannelState {
        ChannelStateNone = 0,
        ChannelStateWaiting = 1,
        ChannelStateDetecting = 2,
        ChannelStateGood = 3,
        ChannelStatePoor = 4,
        ChannelStateOptimising = 5,
        ChannelStateOptimised = 6,
        ChannelStateIdle = 7,
        ChannelStatePromotion = 8,
    };
    enum Action {
        ActionHelp24G = 0,
        ActionHelp5G = 1,
        ActionOptimise = 2,
        ActionWatchPromotion = 3,
        ActionAverageSpeed = 4,
        ActionTopSpeed = 5,
    };
    // The colour level of a breakdown.
    static constexpr int kBreakdownColorLevel = 10;
    static constexpr double kPanelFadeSeconds = 0.2;

    std::shared_ptr<TAVORouterStatusViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVORouterStatusViewDelegate>& d) { delegate_ = d; }

    // --- what the dashboard tells it ---
    void setChannelSignalLevel(const ChannelLevelInfo& level) { setChannelSignalLevel(level, false); }
    // notBlock: shown whatever the state, even when equal to the current one.
    void setChannelSignalLevel(const ChannelLevelInfo& level, bool notBlock);
    void setBreakdownError(int code);
    void breakdownRecoveryResult(bool success);
    // The router's answer to the optimisation request.
    void optResult(bool success);
    // The per-band gains ("2.4G", "5G") after an optimisation, or none.
    void setOptPromotion(const std::optional<ns::Dictionary>& promotion);
    // The router changed or its values were dropped.
    void resetAllValues();
    // An empty text hides the band's radio-strength badge.
    void setSingalStrengthFor24G(const std::string& text);
    void setSingalStrengthFor5G(const std::string& text);
    void setIsLocalManagement(bool local);
    void wifi2gClosed();
    void wifi5gClosed();

    // --- state ---
    int channelState() const { return channelState_; }
    void setChannelState(int state);
    int breakdownState() const { return breakdownState_; }
    void setBreakdownState(int state);
    int breakdownErr() const { return breakdownErr_; }
    const ChannelLevelInfo& currentLevel() const { return currentLevel_; }
    const std::optional<ChannelLevelInfo>& comingLevel() const { return comingLevel_; }

    // The issue texts for a record: which bands are poor, and how poor.
    static std::optional<std::string> channelIssueTitle(const ChannelLevelInfo& level);
    static std::optional<std::string> channelIssueDetail(const ChannelLevelInfo& level);
    // The gradient's colours of a colour level; none for other levels.
    static std::optional<std::pair<ui::Color, ui::Color>> gradientColorsForLevel(int level);

    // --- parts ---
    const TAVOGradientViewPtr& bgView() const { return bgView_; }
    const TAVOSpeedIndicatorPtr& speedIndicator() const { return speedIndicator_; }
    const TAVORouterDoubleChannelIndicatorPtr& doubleChannelIndicator() const { return doubleChannelIndicator_; }
    const TAVOChannelIssueViewPtr& channelIssueView() const { return channelIssueView_; }
    const TAVOChannelRetartViewPtr& restartView() const { return restartView_; }
    const TAVORouterBreakdownViewPtr& breakdownView() const { return breakdownView_; }

    // --- what its parts tell it ---
    void doubleChannelIndicator(TAVORouterDoubleChannelIndicator& indicator, int action) override;
    void breakdownView(TAVORouterBreakdownView& view, int action) override;

    void initWithFrame(const cg::Rect& frame) override;

private:
    bool blockDataFlow(const ChannelLevelInfo& level);
    void restoreDataFlow();
    void setChannelStatusColor(int level);
    void colorForLevel(int level);
    void colorForCurrentLevel() { setChannelStatusColor(currentLevel_.worseLevel()); }
    void transferChannelView(const ui::ViewPtr& outgoing, const ui::ViewPtr& coming);
    void tranferView(const ui::ViewPtr& outgoing, const ui::ViewPtr& coming);
    void updateChannelViewByState(int state);
    void makeDoubleChannelIndicator();
    void makeChannelIssueView();
    void showRestartView();
    void attachMasksToOtherViews(bool attach);
    void setIndicatorState(int state);
    void notify(int action);
    cg::Rect middleFrame() const;
    cg::Rect indicatorFrame() const;

    std::weak_ptr<TAVORouterStatusViewDelegate> delegate_;
    TAVOGradientViewPtr bgView_;
    TAVOSpeedIndicatorPtr speedIndicator_;
    TAVORouterDoubleChannelIndicatorPtr doubleChannelIndicator_;
    TAVOChannelIssueViewPtr channelIssueView_;
    TAVOChannelRetartViewPtr restartView_;
    TAVORouterBreakdownViewPtr breakdownView_;
    ChannelLevelInfo currentLevel_{0, 1, 0, 1};
    std::optional<ChannelLevelInfo> comingLevel_;
    int channelState_ = ChannelStateNone;
    int breakdownState_ = 0;
    int breakdownErr_ = 0;
};

using TAVORouterStatusViewPtr = std::shared_ptr<TAVORouterStatusView>;
