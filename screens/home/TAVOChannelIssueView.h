// The panel shown in place of the channel indicator when the Wi-Fi channel
// is poor: a circle-style indicator with the quality figure and a sentence,
// and under it the button "opt channel signal". When the owner starts the
// optimisation it cross-fades to the optimisation animation with a status
// line, and hands every state of that animation to the owner's block. It
// sends no request itself.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"
#include "screens/home/TAVOChannelOptView.h"
#include "screens/home/TAVOCircleStyleIndicator.h"

class TAVOChannelIssueView : public ui::View, public TAVOChannelOptViewDelegate {
public:
    using View::View;
    static std::shared_ptr<TAVOChannelIssueView> create(const cg::Rect& frame = {}) {
        return make<TAVOChannelIssueView>(frame);
    }

    static constexpr double kCrossFadeSeconds = 0.1;

    // Hears the optimisation's states (those of TAVOChannelOptView).
    std::function<void(int)> notifierBlock;

    // The quality figure, its numbers enlarged.
    void setTitle(const std::string& title);
    void setDetail(const std::string& detail);
    void startOpt();
    void stopOpt() { stopOpt(true); }
    void restoreToInit() { stopOpt(true); }
    // Back to the resting look; with reset the optimisation also stops.
    void stopOpt(bool reset);
    // The router has optimised: the animation completes.
    void showRestart();
    void optView(TAVOChannelOptView& view, int state) override;

    const TAVOCircleStyleIndicatorPtr& indicator() const { return indicator_; }
    const std::shared_ptr<ui::Button>& optButton() const { return optButton_; }
    const TAVOChannelOptViewPtr& optView() const { return optView_; }
    const ui::LabelPtr& optActionText() const { return optActionText_; }

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

private:
    TAVOCircleStyleIndicatorPtr indicator_;
    TAVOChannelOptViewPtr optView_;
    std::shared_ptr<ui::Button> optButton_;
    ui::LabelPtr optActionText_;
};

using TAVOChannelIssueViewPtr = std::shared_ptr<TAVOChannelIssueView>;
