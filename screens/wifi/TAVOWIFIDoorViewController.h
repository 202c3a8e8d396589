// The Wi-Fi door: one large button switches the router's Wi-Fi on or off,
// and two rows keep a daily on time and off time, each with its own switch.
// The screen does not read the Wi-Fi state itself: the opener sets it (off
// when nothing was set), and only an accepted switch request changes it.
//
// A row's switch change is sent for that row alone; a refusal flips that
// row's switch back and nothing else. A time chosen in the picker is sent
// for its row, and the popover closes once the router has taken it.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Date.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "screens/wifi/TAVODatePickerViewController.h"
#include "widgets/PopoverController.h"
#include "widgets/PopoverControllerProtocol.h"
#include "widgets/TAVOSwitcherCellView.h"
#include "widgets/TAVOSwitcherCellViewDelegate.h"
#include "widgets/TAVOWaveView.h"
#include "widgets/TAVOWIFIViewControler.h"
#include "widgets/TAVOWiFiStateTaking.h"

class TAVOWIFIDoorViewController : public TAVOWIFIViewControler,
                                   public TAVOSwitcherCellViewDelegate,
                                   public TAVODatePickerViewControllerDelegate,
                                   public PopoverControllerProtocol,
                                   public TAVOWiFiStateTaking {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;
    static std::shared_ptr<TAVOWIFIDoorViewController> create();

    static constexpr double kRowHeight = 43;
    static constexpr double kTapWidth = 200;

    void viewDidLoad() override;

    bool wifiOpen() const { return wifiOpen_; }
    void setWifiOpen(bool open) override { wifiOpen_ = open; }
    const std::optional<ns::Date>& openTimer() const { return openTimer_; }
    const std::optional<ns::Date>& closeTimer() const { return closeTimer_; }
    const TAVOSwitcherCellViewPtr& openWIFICell() const { return openWIFICell_; }
    const TAVOSwitcherCellViewPtr& closeWIFICell() const { return closeWIFICell_; }
    const TAVOSwitcherCellViewPtr& operationForCell() const { return operationForCell_; }
    const ui::ButtonPtr& doorButton() const { return doorButton_; }
    const ui::LabelPtr& doorIntroduceLabel() const { return doorIntroduceLabel_; }
    const std::shared_ptr<TAVOWaveView>& waveView() const { return waveView_; }
    const TAVODatePickerViewControllerPtr& datePicker() const { return datePicker_; }
    const PopoverControllerPtr& popover() const { return popover_; }

    void changeDoor();
    void openWIFICellTimerSetting() { showTimerSettingFor(true); }
    void closeWIFICellTimerSetting() { showTimerSettingFor(false); }
    void updateView();

    void onSwithChanged(ToggleSwitch& switchControl, TAVOSwitcherCellView& cellView) override;
    void dateIsSet(const ns::Date& date, TAVODatePickerViewController& picker) override;

    // Stored only.
    const std::vector<ui::ViewPtr>& eventUnableThroughViews() const override { return eventUnableThroughViews_; }
    void setEventUnableThroughViews(const std::vector<ui::ViewPtr>& views) override { eventUnableThroughViews_ = views; }
    const std::vector<ui::ViewPtr>& passthroughViews() const override { return passthroughViews_; }
    void setPassthroughViews(const std::vector<ui::ViewPtr>& views) override { passthroughViews_ = views; }
    bool isCenterInScreen() const override { return isCenterInScreen_; }
    void setIsCenterInScreen(bool centered) override { isCenterInScreen_ = centered; }

private:
    TAVOSwitcherCellViewPtr makeRow(double y, bool open);
    void showTimerSettingFor(bool open);
    void showUIDateTimePicker(bool open);
    void startAnimation(bool atLoad);
    void getWifiTimer();
    void setWIFITimer(const std::string& time, int type);
    void closeWifiTimer(const std::string& time, int type);
    // The row of a timer type (1 on time, 2 off time), or null.
    TAVOSwitcherCellViewPtr rowOfType(int type) const;
    // A refused change of that type: the row's switch goes back when the
    // change was its own switch's.
    void revertRow(int type);
    // The change of that type has been answered.
    void rowSettled(int type);
    void setTimerOK(int type, const std::string& time);
    void showError(const std::string& text);

    bool wifiOpen_ = false;
    bool newState_ = false;
    std::optional<ns::Date> openTimer_;
    std::optional<ns::Date> closeTimer_;
    TAVOSwitcherCellViewPtr openWIFICell_;
    TAVOSwitcherCellViewPtr closeWIFICell_;
    TAVOSwitcherCellViewPtr operationForCell_;
    // Per timer type (index 1 and 2): a switch change awaits its answer.
    std::array<bool, 3> switchPending_{};
    TAVODatePickerViewControllerPtr datePicker_;
    PopoverControllerPtr popover_;
    std::shared_ptr<TAVOWaveView> waveView_;
    ui::ButtonPtr doorButton_;
    ui::LabelPtr doorIntroduceLabel_;
    std::vector<ui::ViewPtr> eventUnableThroughViews_;
    std::vector<ui::ViewPtr> passthroughViews_;
    bool isCenterInScreen_ = false;
};

using TAVOWIFIDoorViewControllerPtr = std::shared_ptr<TAVOWIFIDoorViewController>;
