// The virus-library update popup of the protection tab. As soon as it
// loads it tells the router to update its library (request 57), then asks
// for the library's figures (request 56); when the router reports that it
// did update, a four-stage progress is played before the figures are
// shown on the result panel. Every router result shows no sooner than
// about 3 s after the update request, so the checking panel is seen.
// The layout is built in code.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/errors/TAVOError.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ViewController.h"
#include "uikit/LXAttributedLabel.h"
#include "widgets/TAVOCircleProgressView.h"
#include "widgets/TAVOCustomProgressView.h"
#include "widgets/TAVOGradientView.h"
#include "widgets/TAVOPopupViewControllerDelegate.h"

class TAVOUpdateViewController;

// The answers are handed on as their object (the info dictionary, the
// update reply) or their error; the optional ones default to nothing.
class TAVOUpdateViewControllerDelegate {
public:
    virtual ~TAVOUpdateViewControllerDelegate() = default;
    virtual void updateViewControllerWillDismiss(TAVOUpdateViewController& controller) = 0;
    virtual void updateViewControllerDidGetVirusInfo(TAVOUpdateViewController&, const ns::Value& /*info*/) {}
    virtual void updateViewControllerFailedToGetVirusInfo(TAVOUpdateViewController&, const TAVOErrorPtr&) {}
    virtual void updateViewControllerDidUpdate(TAVOUpdateViewController&, const ns::Value& /*reply*/) {}
    virtual void updateViewControllerFailedToUpdate(TAVOUpdateViewController&, const TAVOErrorPtr&) {}
};

class TAVOUpdateViewController : public ui::ViewController, public TAVOPopupViewControllerDelegate {
public:
    using ui::ViewController::ViewController;
    static std::shared_ptr<TAVOUpdateViewController> create() { return make<TAVOUpdateViewController>(); }
    ~TAVOUpdateViewController() override;

    enum State : int { StateQuery = 0, StateDownload = 1, StateDone = 2 };
    static constexpr double kShowNoSoonerThan = 3.0;
    static constexpr double kHandleAtOnceAfter = 2.5;
    static constexpr double kPanelFadeSeconds = 0.25;
    static constexpr double kProgressStep = 0.001;
    static constexpr double kArrowSeconds = 0.25;
    static constexpr double kGlowSeconds = 2.0;
    static constexpr const char* kGlowAnimationKey = "shine";
    // The size the layout is drawn for; it stretches to the popup's card.
    static constexpr double kPopupWidth = 280;
    static constexpr double kPopupHeight = 360;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    void userDidClickClose(TAVOPopupViewController& popup) override;

    std::shared_ptr<TAVOUpdateViewControllerDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOUpdateViewControllerDelegate>& d) { delegate_ = d; }

    int updateVirusLibraryState() const { return state_; }
    void setUpdateVirusLibraryState(int state);
    double updateProgress() const { return progress_; }
    void setUpdateProgress(double progress);
    int updateVirusLibraryStep() const { return step_; }
    bool showUpdateProgress() const { return showUpdateProgress_; }
    int arrowTiming() const { return arrowTiming_; }

    const ui::ViewPtr& virusLibraryUpdateQueryView() const { return queryView_; }
    const ui::ViewPtr& virusLibraryUpdateDownloadView() const { return downloadView_; }
    const ui::ViewPtr& virusLibraryUpdateDoneView() const { return doneView_; }
    const ui::ViewPtr& doneSuccessView() const { return doneSuccessView_; }
    const ui::ViewPtr& doneFailureView() const { return doneFailureView_; }
    const ui::LabelPtr& updateProgressLabel() const { return updateProgressLabel_; }
    const std::vector<ui::LabelPtr>& updateSubProgressLabel() const { return stageLabels_; }
    const std::vector<std::shared_ptr<TAVOCircleProgressView>>& updateSubProgressView() const { return stageCircles_; }
    const ui::LabelPtr& labelVirusLibraryVersion() const { return versionLabel_; }
    const ui::LabelPtr& labelVirusLibraryDate() const { return dateLabel_; }
    const ui::LabelPtr& labelVirusLibraryTrojan() const { return trojanLabel_; }
    const ui::LabelPtr& labelVirusLibraryFishing() const { return fishingLabel_; }
    const std::vector<ui::ImageViewPtr>& logoBreathImageViews() const { return glowViews_; }
    const std::vector<ui::LabelPtr>& arrowLabelsTop() const { return arrowsTop_; }
    const std::vector<ui::LabelPtr>& arrowLabelsBottom() const { return arrowsBottom_; }

    // The step of a progress: 5 at 1 or more, 4 above 0.75, ... 0 at 0.
    static int stepForProgress(double progress);
    // A stage circle's fill at a progress.
    static double circleProgress(double progress, int index);

private:
    void buildViews();
    void startUpdate();
    void requestVirusInfo();
    void stopListening();
    // Runs `handle` now, or again when the request is 3 s old.
    bool deferred(std::function<void()> handle);
    void updateOK(const ns::Value& reply);
    void updateFailed(const TAVOErrorPtr& error);
    void infoOK(const ns::Value& info);
    void infoFailed(const TAVOErrorPtr& error);
    void tick();
    void changeStep(int step);
    void startDecoration();
    void advanceArrows();
    void showArrows();

    std::weak_ptr<TAVOUpdateViewControllerDelegate> delegate_;
    int state_ = -1;
    double progress_ = 0;
    int step_ = 0;
    bool showUpdateProgress_ = false;
    std::optional<ns::Date> lastActionDateOnRouterStatus_;
    int arrowTiming_ = 0;
    std::vector<std::string> waitDescriptions_, busyDescriptions_, doneDescriptions_;

    // The progress runs to its end even once the popup closed, so its
    // timer holds the screen; the arrows and delays end with the screen.
    std::shared_ptr<ns::Timer> progressTimer_;
    ns::ScopedTimer arrowTimer_;
    ns::ScopedTimer deferTimer_;
    ns::ScopedTimer doneTimer_;

    TAVOGradientViewPtr gradientView_;
    ui::ViewPtr queryView_, downloadView_, doneView_;
    ui::ViewPtr doneSuccessView_, doneFailureView_;
    ui::LabelPtr waitingTitle_, waitingSubtitle_;
    std::shared_ptr<TAVOCustomProgressView> progressView_;
    ui::LabelPtr updateProgressLabel_;
    std::vector<std::shared_ptr<TAVOCircleProgressView>> stageCircles_;
    std::vector<ui::LabelPtr> stageLabels_;
    ui::LabelPtr doneTitle_, versionLabel_, dateLabel_, trojanLabel_, fishingLabel_;
    LXAttributedLabelPtr dnsUpdatedLabel_, stealerUpdatedLabel_;
    std::vector<ui::ImageViewPtr> glowViews_;
    std::vector<ui::LabelPtr> arrowsTop_, arrowsBottom_;
};
