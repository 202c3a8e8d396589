// The devices connected to the current router, in up to three sections
// (unfamiliar, family, guest), polled every 5 s while on screen, with the
// operations on one device: admit, refuse, kick to the blacklist, cut off,
// reconnect, rename and limit its speed. The footer opens the blacklist.
//
// At most one device is under operation at a time (currentHandlingDevice).
// A rename that is still outstanding is kept by the device's MAC and laid
// over every list reply until its answer, so a poll in between neither
// loses it nor gives it to another device.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "management/engines/TAVODeviceEngine.h"
#include "platform/ui/TextField.h"
#include "screens/wifi/TAVODeviceItemCell.h"
#include "screens/wifi/TAVODeviceListSections.h"
#include "screens/wifi/TAVOUnfamiliarCell.h"
#include "uikit/MAAlertView.h"
#include "uikit/ToggleSwitch.h"
#include "widgets/TAVORefreshTableViewController.h"

class TAVODevicesListViewController : public TAVORefreshTableViewController,
                                      public TAVODeviceEngineDelegate,
                                      public SlideTableViewCellDelegate,
                                      public TAVODeviceItemCellDelegate,
                                      public TAVOUnfamiliarCellDelegate,
                                      public ui::TextFieldDelegate {
public:
    using TAVORefreshTableViewController::TAVORefreshTableViewController;
    static std::shared_ptr<TAVODevicesListViewController> create() { return make<TAVODevicesListViewController>(); }

    static constexpr double kRowHeight = 62;
    static constexpr double kHeaderHeight = 33;
    static constexpr double kFooterHeight = 65;
    static constexpr double kBlankIndicatorHeight = 22;
    // The speed fields take at most this many characters.
    static constexpr std::size_t kSpeedFieldMaxLength = 7;
    static constexpr int kMaxSpeedKB = 1048576;
    static constexpr double kDialogRaise = 110;
    static constexpr double kDialogRaiseSeconds = 0.3;
    static constexpr double kRenameWarningSeconds = 1.5;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    ui::ViewPtr getLoadingAttachedView() override { return view(); }
    bool shouldShowBlackIndicator() override;

    void openBlackList();
    void seperateFamilyAndGuestList(const ns::Value& devices);
    void showError(const std::string& text);

    // Device engine.
    void operationOK(TAVODeviceEngine& engine, int operation, const ns::Value& data) override;
    void operationNG(TAVODeviceEngine& engine, int operation, const std::string& errMsg) override;

    // Table.
    long numberOfSectionsInTableView(ui::TableView&) override;
    long numberOfRowsInSection(ui::TableView&, long section) override;
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) override;
    std::optional<double> heightForHeaderInSection(ui::TableView&, long) override;
    ui::ViewPtr viewForHeaderInSection(ui::TableView&, long section) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override { return kRowHeight; }
    void didSelectRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) override;
    void willDisplayCell(ui::TableView&, const ui::TableViewCellPtr& cell, const ui::IndexPath&) override;
    void scrollViewDidScroll(ui::ScrollView&) override;

    // Cells.
    void swipeableTableViewCellDidTriggerRightUtilityButtonWithIndex(SlideTableViewCell& cell,
                                                                     std::size_t index) override;
    void swipeableTableViewCellScrollingToState(SlideTableViewCell& cell, SlideCellState state) override;
    bool swipeableTableViewCellShouldHideUtilityButtonsOnSwipe(SlideTableViewCell&) override { return true; }
    void cellEvent(TAVODeviceItemCell& cell, int event) override;
    void unfamiliarCellDidSelectButtonAtIndex(TAVOUnfamiliarCell& cell, int index) override;

    // Operations.
    std::vector<ui::ButtonPtr> adminRightButtons() const;
    // Empty for a row outside its list.
    std::vector<ui::ButtonPtr> rightButtons(long row, long section) const;
    void clickButtonInCell(SlideTableViewCell& cell, int index);
    void changeNickNameQuery(const TAVORouterJoiningDevicePtr& device);
    void showLimitSpeedAlertView();
    void requestOperation(int code, const std::optional<std::string>& text = std::nullopt);
    void setLimitSpped(const TAVORouterJoiningDevicePtr& device, const std::string& up, const std::string& down);
    void cancelLimnitSpeed(const TAVORouterJoiningDevicePtr& device);
    // The warning for speed texts, or nothing when they may be sent.
    static std::optional<std::string> speedInputError(const std::string& up, const std::string& down);
    static bool isAllNum(const std::string& text);

    // The speed-limit dialog's switch and fields.
    void showLimitInputView(ui::Control& limitSwitch);
    bool textFieldShouldBeginEditing(ui::TextField&) override;
    bool textFieldShouldEndEditing(ui::TextField&) override;
    bool shouldChangeCharactersInRange(ui::TextField& field, ns::Range range, const std::string& replacement) override;

    // What the screen holds, for tests and the gallery.
    const TAVODeviceListSections& sections() const { return sections_; }
    const TAVORouterJoiningDevicePtr& currentHandlingDevice() const { return currentHandlingDevice_; }
    const TAVORouterJoiningDevicePtr& openCellDevice() const { return openCellDevice_; }
    const std::shared_ptr<TAVODeviceEngine>& deviceEngine() const { return deviceEngine_; }
    bool isFirst() const { return isFirst_; }
    bool showAlertView() const { return showAlertView_; }
    const MAAlertViewPtr& limitSpeedAlertView() const { return limitSpeedAlertView_; }
    const std::shared_ptr<ToggleSwitch>& limitSwitch() const { return limitSwitch_; }
    const ui::ViewPtr& bottomView() const { return bottomView_; }
    const ui::TextFieldPtr& upSpeedField() const { return upSpeedField_; }
    const ui::TextFieldPtr& downSpeedField() const { return downSpeedField_; }

private:
    struct PendingRename {
        std::string mac;
        std::string alias;
        std::string previousAlias;
    };
    void buildFooter();
    ui::TableViewCellPtr blankCell(ui::TableView& table);
    void configureSwipe(const TAVODeviceItemCellPtr& cell, long row, long section, bool isFamily);
    std::string phoneAddress() const;
    ui::ViewPtr limitDialogContent(const TAVORouterJoiningDevicePtr& device);
    void moveDialog(double dy);
    void operationSucceeded(int code);
    // Names the device on every record of it the screen holds.
    void setAliasOfDevice(const std::string& mac, const std::string& alias);

    TAVODeviceListSections sections_;
    TAVORouterJoiningDevicePtr currentHandlingDevice_;
    TAVORouterJoiningDevicePtr openCellDevice_;
    std::shared_ptr<TAVODeviceEngine> deviceEngine_;
    std::optional<PendingRename> pendingRename_;
    bool isFirst_ = true;
    bool showAlertView_ = false;
    MAAlertViewPtr limitSpeedAlertView_;
    std::shared_ptr<ToggleSwitch> limitSwitch_;
    ui::ViewPtr bottomView_;
    ui::TextFieldPtr upSpeedField_;
    ui::TextFieldPtr downSpeedField_;
};
