// The router's Internet speed test, shown in a popup over the dashboard:
// the router measures its download (type 1) and upload (type 0) speed
// while a ring fills; then each direction's ten plot points play on the
// dial and its plot, and the result names the download speed and the
// operator line rate it suggests, in whole megabits.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/errors/TAVOError.h"
#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "widgets/TAVOCircleProgressView.h"
#include "widgets/TAVOLinePlotView.h"
#include "widgets/TAVOPopupViewControllerDelegate.h"
#include "widgets/TAVORotationView.h"
#include "widgets/TAVOSpeedLabel.h"
#include "widgets/TAVOWIFIViewControler.h"
#include "widgets/TAVOWaitingAnimationView.h"
#include "widgets/TAVOWillDismissTaking.h"

class TAVOSpeedTestViewController;

class TAVOSpeedTestViewControllerDelegate {
public:
    virtual ~TAVOSpeedTestViewControllerDelegate() = default;
    virtual void speedTestViewControllerWillDismiss(TAVOSpeedTestViewController& controller) = 0;
};

class TAVOSpeedTestViewController : public TAVOWIFIViewControler,
                                    public TAVOPopupViewControllerDelegate,
                                    public TAVOWillDismissTaking {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;
    static std::shared_ptr<TAVOSpeedTestViewController> create() { return ui::ViewController::make<TAVOSpeedTestViewController>(); }

    static constexpr int kPlotPointCount = 10;
    static constexpr double kWaitingTick = 0.15;
    static constexpr double kReadyTick = 0.01;
    static constexpr float kRingStep = 0.005f;
    static constexpr double kStepDuration = 0.25;
    static constexpr double kResultDuration = 0.5;
    static constexpr double kRingHalfAngle = 2.1118484;  // 121 degrees

    // The needle's table: KB/s to degrees.
    static const std::map<double, double>& valueToAngle();
    // ceil(KB/s * 8 / 1024): the download as whole megabits per second.
    static double operatorMegabits(double downloadKB);
    // The number and the unit of a speed as the dial shows them.
    static std::pair<std::string, std::string> splitSpeedText(const std::string& text);

    void viewDidLoad() override;

    void clickTestSpeed();
    void userDidClickClose(TAVOPopupViewController& popup) override;

    std::weak_ptr<TAVOSpeedTestViewControllerDelegate> delegate;
    // For an opener that knows the screen only by name; told after the
    // delegate.
    void setWillDismissHandler(std::function<void()> handler) override { willDismissHandler_ = std::move(handler); }

    bool isTestingSpeed() const { return isTestingSpeed_; }
    bool resultContainerViewVisible() const { return resultContainerViewVisible_; }
    bool dataError() const { return dataError_; }
    double downloadSpeedKB() const { return downloadSpeedKB_; }
    double uploadSpeedKB() const { return uploadSpeedKB_; }
    const std::array<double, kPlotPointCount>& downloadSpeedsKB() const { return downloadSpeedsKB_; }
    const std::array<double, kPlotPointCount>& uploadSpeedsKB() const { return uploadSpeedsKB_; }

    const ui::ViewPtr& circleContainerView() const { return circleContainerView_; }
    const TAVORotationViewPtr& rotationView() const { return rotationView_; }
    const std::shared_ptr<TAVOCircleProgressView>& circleProgressView() const { return circleProgressView_; }
    const ui::LabelPtr& labelCurrentSpeed() const { return labelCurrentSpeed_; }
    const ui::LabelPtr& labelCurrentSpeedUnit() const { return labelCurrentSpeedUnit_; }
    const ui::ViewPtr& speedsContainerView() const { return speedsContainerView_; }
    const std::vector<TAVOSpeedLabelPtr>& speedSubtitleLabels() const { return speedSubtitleLabels_; }
    const std::vector<std::shared_ptr<TAVOLinePlotView>>& speedPlotViews() const { return speedPlotViews_; }
    const std::vector<TAVOWaitingAnimationViewPtr>& speedWaitingViews() const { return speedWaitingViews_; }
    const ui::ViewPtr& resultContainerView() const { return resultContainerView_; }
    const ui::LabelPtr& resultTitleLabel() const { return resultTitleLabel_; }
    const ui::LabelPtr& resultSubtitleLabel() const { return resultSubtitleLabel_; }
    const ui::ButtonPtr& buttonTestSpeed() const { return buttonTestSpeed_; }

private:
    void buildViews();
    void setTestingSpeed(bool testing);
    void start();
    void resetValues();
    void speedAnswered(const ns::Value& record);
    void speedFailed(const TAVOErrorPtr& error);
    void waitForSpeedResult();
    void doPingAnimation();
    void makePlotPoints();
    void runColumn(int column);
    void doPlotAnimation(int column);
    void finishColumn(int column);
    void doResultAnimation();
    void showResultAnimated(bool show, std::function<void()> completion);
    void showSpeedSubtitleItem(int item, int column, bool animated, std::function<void()> completion);
    void updateCurrentSpeed(double speedKB);
    void setButtonBackground(const char* normal, const char* pressed);
    std::array<double, kPlotPointCount>& pointsOf(int column) { return column == 0 ? downloadSpeedsKB_ : uploadSpeedsKB_; }
    // A step of the running sequence goes on only while nothing cancelled it.
    std::function<void()> guarded(std::function<void(TAVOSpeedTestViewController&)> step);

    std::function<void()> willDismissHandler_;
    bool isTestingSpeed_ = false;
    bool resultContainerViewVisible_ = false;
    bool circleContainerViewReady_ = false;
    bool downloadSpeedReady_ = false;
    bool uploadSpeedReady_ = false;
    bool dataError_ = false;
    double downloadSpeedKB_ = 0;
    double uploadSpeedKB_ = 0;
    std::array<double, kPlotPointCount> downloadSpeedsKB_{};
    std::array<double, kPlotPointCount> uploadSpeedsKB_{};
    ns::ScopedTimer tick_;

    ui::ViewPtr circleContainerView_;
    TAVORotationViewPtr rotationView_;
    std::shared_ptr<TAVOCircleProgressView> circleProgressView_;
    ui::LabelPtr labelCurrentSpeed_;
    ui::LabelPtr labelCurrentSpeedUnit_;
    ui::ViewPtr speedsContainerView_;
    std::vector<ui::LabelPtr> speedTitlelabels_;
    std::vector<TAVOSpeedLabelPtr> speedSubtitleLabels_;
    std::vector<TAVOWaitingAnimationViewPtr> speedWaitingViews_;
    std::vector<std::shared_ptr<TAVOLinePlotView>> speedPlotViews_;
    ui::ImageViewPtr deviderView_;
    ui::ViewPtr resultContainerView_;
    ui::LabelPtr resultTitleLabel_;
    ui::LabelPtr resultSubtitleLabel_;
    ui::ButtonPtr buttonTestSpeed_;
};
