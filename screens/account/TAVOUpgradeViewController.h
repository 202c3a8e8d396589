// The router firmware (ROM) upgrade: shows whether a newer ROM exists and
// what it brings, starts the upgrade, follows its download and
// installation, and counts the router's restart down once it is done.
// Progress polling starts as soon as the screen opens, so an upgrade that
// is already under way is shown too.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "management/pollers/TAVORouterRomUpdateListener.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextView.h"
#include "protocol/records/TAVORouterRomUpdataInfo.h"
#include "widgets/TAVOBaseViewController.h"
#include "widgets/TAVOCountDownViewDelegate.h"
#include "widgets/TAVORestartCountDownView.h"

class TAVOUpgradeViewController : public TAVOBaseViewController,
                                  public TAVORouterRomUpdateListenerDelegate,
                                  public TAVOCountDownViewDelegate {
public:
    using TAVOBaseViewController::TAVOBaseViewController;
    static std::shared_ptr<TAVOUpgradeViewController> create() { return ui::ViewController::make<TAVOUpgradeViewController>(); }
    ~TAVOUpgradeViewController() override;

    // An upgrade that has not answered for this long falls back to idle.
    static constexpr double kUpdateTimeoutSeconds = 180.0;
    static constexpr int kRestartSeconds = 90;
    static constexpr double kHeaderHeight = 250;
    static constexpr double kButtonHeight = 43;
    static constexpr double kButtonBottomGap = 63;

    void viewDidLoad() override;

    void requestUpdateProgress();
    void getRomData();
    void requestRomUpdateInfo();
    // Refreshes the views from the current router's ROM record.
    void updateInfo();
    void updateRom();
    void updateProgress();
    void updateFailed();
    void showRestartRouterIndicator();

    void listenerProgress(TAVORouterRomUpdateListener& listener, float progress) override;
    void listenerWithStatus(TAVORouterRomUpdateListener& listener, int status) override;
    void listenerEventIdErr(TAVORouterRomUpdateListener& listener, int eventId,
                            const std::optional<std::string>& err) override;
    void timeout(TAVOCountDownView& view) override;

    float currentProgress() const { return currentProgress_; }
    const std::shared_ptr<TAVORouterRomUpdateListener>& listener() const { return listener_; }
    const std::shared_ptr<TAVORestartCountDownView>& countDownView() const { return countDownView_; }
    const ui::ButtonPtr& updateButton() const { return updateButton_; }
    const ui::ImageViewPtr& bgUpdateImg() const { return bgUpdateImg_; }
    const ui::ImageViewPtr& updateProgressView() const { return updateProgressView_; }
    const ui::LabelPtr& updateStatusLB() const { return updateStatusLB_; }
    const ui::LabelPtr& versionLabel() const { return versionLabel_; }
    const ui::LabelPtr& dateLabel() const { return dateLabel_; }
    const ui::LabelPtr& updateDes() const { return updateDes_; }
    const std::shared_ptr<ui::TextView>& textView() const { return textView_; }
    const ui::LabelPtr& latestVersionLabel() const { return latestVersionLabel_; }

private:
    void initData();
    void setupUI();
    void loadData();
    void getRomInfoOK(const ns::Value& record);
    void getRomInfoNG(const TAVOErrorPtr& error);
    void updateRomInfo(const std::string& notice);
    void updateRomVersion(const std::string& version);
    void updateRomTime(const ns::Value& timeNum);
    void showProgressLook();
    void showError(const std::string& text) { showToast(CustomizedHUDTypeWarning, text); }
    std::string accountQt() const;

    std::shared_ptr<TAVORouterRomUpdateListener> listener_;
    float currentProgress_ = 0;
    std::shared_ptr<TAVORestartCountDownView> countDownView_;
    ns::ScopedTimer updateTimeout_;
    ns::ScopedObserver becomeActiveObserver_;

    ui::ButtonPtr updateButton_;
    ui::ImageViewPtr bgUpdateImg_;
    ui::ImageViewPtr updateProgressView_;
    ui::LabelPtr updateStatusLB_;
    ui::LabelPtr versionLabel_;
    ui::LabelPtr dateLabel_;
    ui::LabelPtr updateDes_;
    std::shared_ptr<ui::TextView> textView_;
    ui::LabelPtr latestVersionLabel_;
};
