// The channel quality of both Wi-Fi bands side by side: a circle-style
// indicator per band (2.4 GHz left, 5 GHz right), a status line under
// them, a radio-strength badge under each circle and a prompt saying
// whether the router is managed at home or through the cloud. It runs the
// waiting, detection (one band after the other), results and promotion
// looks, and tells its delegate when a sequence ends.
#pragma once

#include <memory>

#include "platform/foundation/ScopedTimer.h"
#include "platform/foundation/Value.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"
#include "screens/home/ChannelLevelInfo.h"
#include "screens/home/TAVOCircleStyleIndicator.h"
#include "screens/home/TAVORouterDoubleChannelIndicatorDelegate.h"

class TAVORouterDoubleChannelIndicator : public ui::View, public TAVOCircleStyleIndicatorDelegate {
public:
    using View::View;
    static std::shared_ptr<TAVORouterDoubleChannelIndicator> create(const cg::Rect& frame = {}) {
        return make<TAVORouterDoubleChannelIndicator>(frame);
    }

    enum State { StateReset = 0, StateWaiting = 1, StateDetecting = 2, StateResults = 3, StatePromotion = 4 };
    static constexpr int kActionHelp24G = 0;
    static constexpr int kActionHelp5G = 1;
    static constexpr int kActionDetectionDone = 2;
    static constexpr int kActionPromotionDone = 3;
    // The promotion ends this long after the last band's badge is in place.
    static constexpr double kPromotionEndDelay = 2.0;
    // The local-management prompt goes away after this long.
    static constexpr double kLocalPromptSeconds = 5.0;
    // The promotion figures' keys.
    static constexpr const char* kKey24G = "2.4G";
    static constexpr const char* kKey5G = "5G";

    std::shared_ptr<TAVORouterDoubleChannelIndicatorDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVORouterDoubleChannelIndicatorDelegate>& d) { delegate_ = d; }

    int state() const { return state_; }
    void setState(int state);
    const ChannelLevelInfo& currentLevel() const { return currentLevel_; }
    void setCurrentLevel(const ChannelLevelInfo& level) { currentLevel_ = level; }
    // Per-band gains in per cent under kKey24G and kKey5G; a band's entry
    // drops to 0 once its badge is shown.
    const ns::Dictionary& optResult() const { return optResult_; }
    void setOptResult(const ns::Dictionary& result) { optResult_ = result; }
    bool isLocalManagement() const { return isLocalManagement_; }
    void setIsLocalManagement(bool local);

    const TAVOCircleStyleIndicatorPtr& channel_24G_indicator() const { return channel24G_; }
    const TAVOCircleStyleIndicatorPtr& channel_5G_indicator() const { return channel5G_; }
    const ui::LabelPtr& statusLabel() const { return statusLabel_; }
    const std::shared_ptr<ui::Button>& state_signalStrength_24G() const { return signalStrength24G_; }
    const std::shared_ptr<ui::Button>& state_signalStrength_5G() const { return signalStrength5G_; }
    const ui::LabelPtr& remotePromptLabel() const { return remotePromptLabel_; }

    void helpButton(ui::Control& sender);
    void indicator(TAVOCircleStyleIndicator& indicator, int action) override;

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

private:
    void doPrepare();
    void doPrepareAnimation();
    void doOptPromotionAnimation(const ns::Dictionary& result);
    void checkOptAnimationComplete();
    void notify(int action);
    std::shared_ptr<ui::Button> makeStrengthBadge();

    std::weak_ptr<TAVORouterDoubleChannelIndicatorDelegate> delegate_;
    TAVOCircleStyleIndicatorPtr channel24G_;
    TAVOCircleStyleIndicatorPtr channel5G_;
    ui::LabelPtr statusLabel_;
    std::shared_ptr<ui::Button> signalStrength24G_;
    std::shared_ptr<ui::Button> signalStrength5G_;
    ui::LabelPtr remotePromptLabel_;
    ChannelLevelInfo currentLevel_;
    ns::Dictionary optResult_;
    ns::ScopedTimer promotionEnd_;
    ns::ScopedTimer promptHide_;
    int state_ = StateReset;
    bool isLocalManagement_ = false;
};

using TAVORouterDoubleChannelIndicatorPtr = std::shared_ptr<TAVORouterDoubleChannelIndicator>;
