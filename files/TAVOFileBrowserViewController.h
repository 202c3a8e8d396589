// The file tab: a sliding-tabs screen with the router-disk page and the
// downloaded-files page. It owns the navigation bar of both (title, the USB
// size line, the buttons of normal and select mode), polls the router's USB
// status every 5 s while the current router is reached on the home
// network, unmounts the disk, and turns picked photos and videos into
// uploads for the open folder after checking the disk's free room.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "files/MPImagePickerControllerDelegate.h"
#include "files/TAVOFileListHost.h"
#include "files/TAVOLocalViewController.h"
#include "files/TAVOOnlineViewController.h"
#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/ActionSheet.h"
#include "protocol/commands/TAVOUSBStatus.h"
#include "uikit/TKTabHooks.h"
#include "widgets/TAVOSlidingTabsViewController.h"

class TAVOFileBrowserViewController : public TAVOSlidingTabsViewController,
                                      public TAVOFileListHost,
                                      public TKTabHooks,
                                      public ui::ActionSheetDelegate,
                                      public MPImagePickerControllerDelegate {
public:
    using TAVOSlidingTabsViewController::TAVOSlidingTabsViewController;
    static constexpr double kPollInterval = 5.0;
    static constexpr int kModeNormal = 0, kModeSelect = 1;

    static std::shared_ptr<TAVOFileBrowserViewController> create() { return make<TAVOFileBrowserViewController>(); }

    void viewDidLoad() override;

    // Starts polling when the current router is local; the banners otherwise.
    void loadData();
    void getUSBStatus();
    void changeUsbSizeText(double totalKB, double freeKB);
    void setupUSBStatusUI();
    void showNothingNavBar();
    void showNormalNavBar();
    void showSelectNavBar();
    void quitUsb();
    void chooseImages();
    void chooseVideos();

    // TAVOFileListHost.
    void setCurrentMode(int mode) override;
    int currentMode() const override { return currentMode_; }
    void changeTitle(const std::string& title) override;
    void setRightBarItemText(const std::string& text) override;
    void showLoading() override;
    void dismisLoading() override;
    void showError(const TAVOErrorPtr& error) override;
    void showFileToast(int type, const std::string& message) override;
    void addDownloads(const std::vector<TAVOFileInfoPtr>& records) override;

    // The main tab bar's item.
    std::string tabTitle() const override;
    ui::ImagePtr tabImage() const override;
    ui::ImagePtr tabSelectedImage() const override;

    void handleGlobalRouterEvent(int event) override;
    void leftNavItemPressed() override;
    void rightNavItemPressed() override;
    void selectTabChanged(unsigned index) override;

    void clickedButtonAtIndex(ui::ActionSheet& sheet, long index) override;
    void mpImagePickerControllerDidFinishPickingMediaWithInfo(MPImagePickerController& picker,
                                                              const std::vector<ns::Dictionary>& info) override;
    void mpImagePickerControllerDidCancel(MPImagePickerController& picker) override;

    const TAVOOnlineViewControllerPtr& onlineVC() const { return onlineVC_; }
    const TAVOLocalViewControllerPtr& localVC() const { return localVC_; }
    const ui::LabelPtr& titleLB() const { return titleLB_; }
    const ui::LabelPtr& usbStatusLB() const { return usbStatusLB_; }
    const TAVOUSBStatusPtr& currentUSBStatus() const { return currentUSBStatus_; }
    int currentStatus() const { return currentStatus_; }
    bool canGetUSBStatus() const { return canGetUSBStatus_; }
    bool isPolling() const { return pollTimer_.isRunning(); }
    const ui::ViewControllerPtr& mpPicker() const { return mpPicker_; }

private:
    void setupNavUI();
    void setupFileBrowserUI();
    void presentPicker(bool videos);
    bool isCurrentRouterLocal() const;

    TAVOOnlineViewControllerPtr onlineVC_;
    TAVOLocalViewControllerPtr localVC_;
    ui::LabelPtr titleLB_;
    ui::LabelPtr usbStatusLB_;
    TAVOUSBStatusPtr currentUSBStatus_;
    int currentStatus_ = -1;
    bool canGetUSBStatus_ = true;
    int currentMode_ = kModeNormal;
    ui::ViewControllerPtr mpPicker_;
    ns::ScopedTimer pollTimer_;
    std::shared_ptr<ui::ActionSheet> sheet_;
};

using TAVOFileBrowserViewControllerPtr = std::shared_ptr<TAVOFileBrowserViewController>;
