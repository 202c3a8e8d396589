// The panel the dashboard shows while an error code is set. A router WAN
// fault (codes -1000..1000) shows a circle-style indicator with the fault's
// icon and text and, when the fault has one, an action button (repair,
// re-obtain the address, view the reason); an application code shows the
// lost-connection panel. The buttons only report to the delegate.
#pragma once

#include <memory>

#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/Button.h"
#include "platform/ui/View.h"
#include "screens/home/LostConnectionView.h"
#include "screens/home/TAVOCircleStyleIndicator.h"
#include "screens/home/TAVORouterBreakdownViewDelegate.h"

class TAVORouterBreakdownView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVORouterBreakdownView> create(const cg::Rect& frame = {}) {
        return make<TAVORouterBreakdownView>(frame);
    }

    static constexpr int kActionRecovery = 0;
    static constexpr int kActionReconnect = 1;
    // A failed repair shows its text this long before the fault comes back.
    static constexpr double kFailureShowSeconds = 1.0;

    std::shared_ptr<TAVORouterBreakdownViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVORouterBreakdownViewDelegate>& d) { delegate_ = d; }

    int errorCode() const { return errorCode_; }
    // Stored always; shown unless a repair is under way.
    void setErrorCode(int code);
    bool isRecoverying() const { return isRecoverying_; }
    // The outcome of the repair the action button asked for.
    void recoveryResult(bool success);

    // The button targets.
    void recoveryRouter();
    void reconnectRouter();

    const std::shared_ptr<ui::Button>& recoveryBtn() const { return recoveryBtn_; }
    const std::shared_ptr<LostConnectionView>& lostView() const { return lostView_; }
    const TAVOCircleStyleIndicatorPtr& indicator() const { return indicator_; }

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

private:
    std::weak_ptr<TAVORouterBreakdownViewDelegate> delegate_;
    TAVOCircleStyleIndicatorPtr indicator_;
    std::shared_ptr<ui::Button> recoveryBtn_;
    std::shared_ptr<LostConnectionView> lostView_;
    ns::ScopedTimer reshow_;
    int errorCode_ = 0;
    bool isRecoverying_ = false;
};

using TAVORouterBreakdownViewPtr = std::shared_ptr<TAVORouterBreakdownView>;
