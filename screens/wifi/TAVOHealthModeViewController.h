// Health mode: lowers the router's radio power in three steps (-40%, -60%,
// -80%; always sent for the 2.4 GHz band) and keeps a daily Wi-Fi timer (a
// time the Wi-Fi goes on and one it goes off). Everything goes to the
// router as commands. A new level shows at once and comes back to the old
// one when the router refuses it.
//
// The timer switch sends the on time and the off time as a pair; the time
// rows follow the switch once both have been accepted, and only a pair that
// failed entirely turns the switch back off. A time changed in the picker
// is one command of its own: its success shows the new time, its failure
// leaves the timer as the router has it.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/errors/TAVOError.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"
#include "screens/wifi/TAVODatePickerViewController.h"
#include "screens/wifi/TAVOSignalAdjustingControlView.h"
#include "uikit/ToggleSwitch.h"
#include "widgets/PopoverController.h"
#include "widgets/TAVOCircleAngleView.h"
#include "widgets/TAVOCircleAngleViewDelegate.h"
#include "widgets/TAVOGradientView.h"
#include "widgets/TAVOHelpsView.h"
#include "widgets/TAVOHelpsViewDelegate.h"
#include "widgets/TAVOWIFIViewControler.h"

class TAVOHealthModeViewController : public TAVOWIFIViewControler,
                                     public TAVOCircleAngleViewDelegate,
                                     public TAVODatePickerViewControllerDelegate,
                                     public TAVOSignalAdjustingControlViewDelegate,
                                     public TAVOHelpsViewDelegate {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;
    static std::shared_ptr<TAVOHealthModeViewController> create();

    static constexpr long kRadioSwitchTag = 101;
    static constexpr long kTimerSwitchTag = 102;
    static constexpr long kHelpTag = 1009;
    static constexpr double kRowHeight = 44;
    static constexpr double kRowGap = 20;
    static constexpr double kAdjustHeight = 65;
    static constexpr double kMoveDuration = 0.5;

    // "HH:mm" with two-digit hour and minute; "" for no date.
    static std::string getDateString(const std::optional<ns::Date>& date);
    // The tip under the circle for a reduction position (-1 none, 0..2).
    static std::string tipForPosition(int position);

    void viewDidLoad() override;
    void leftNavItemPressed() override;
    void rightNavItemPressed() override;

    float wifiPowerPercent() const { return wifiPowerPercent_; }
    const std::optional<ns::Date>& startDate() const { return startDate_; }
    const std::optional<ns::Date>& finishDate() const { return finishDate_; }

    const TAVOGradientViewPtr& centerView() const { return centerView_; }
    const ui::ImageViewPtr& mainImageView() const { return mainImageView_; }
    const ui::ViewPtr& percentContainer() const { return percentContainer_; }
    const ui::LabelPtr& percentLB() const { return percentLB_; }
    const ui::LabelPtr& centerTipLB() const { return centerTipLB_; }
    const std::shared_ptr<TAVOCircleAngleView>& centerCircleView() const { return centerCircleView_; }
    const std::shared_ptr<ui::ScrollView>& bottomScrollView() const { return bottomScrollView_; }
    const ToggleSwitchPtr& signalSwitchControl() const { return signalSwitchControl_; }
    const TAVOSignalAdjustingControlViewPtr& signalAdjustView() const { return signalAdjustView_; }
    const ToggleSwitchPtr& timeSwitchControl() const { return timeSwitchControl_; }
    const ui::ViewPtr& timeSwitchContainer() const { return timeSwitchContainer_; }
    const ui::ViewPtr& startContainer() const { return startContainer_; }
    const ui::ViewPtr& finishContainer() const { return finishContainer_; }
    const ui::LabelPtr& startTimeLB() const { return startTimeLB_; }
    const ui::LabelPtr& finishTimeLB() const { return finishTimeLB_; }
    const TAVODatePickerViewControllerPtr& datePickerController() const { return datePickerController_; }
    const PopoverControllerPtr& popoverController() const { return popoverController_; }

    // Opens the time picker for the on-time row (YES) or the off-time row.
    void changeTime(bool startRow);

    // --- Delegates -----------------------------------------------------------
    void animateCircleWithProgress(TAVOCircleAngleView& view, float progress) override;
    void dateIsSet(const ns::Date& date, TAVODatePickerViewController& picker) override;
    void adjustControl(TAVOSignalAdjustingControlView& view, int position) override;
    void dismissHelpsView(TAVOHelpsView& view) override;

private:
    // Where a timer command came from: the switch's pair, or the picker.
    enum class TimerSource { Pair, Picker };

    void initData();
    void setupTopUI();
    void setupCenterUI();
    void setupBottomUI();
    void setupHelpUI();
    void loadData();

    void getRadio();
    void setRadio(int power);
    void getWifiTimer();
    void setWIFITimer(const std::string& time, int type, TimerSource source);
    void closeWifiTimer(int type);
    void wifiSwitchChanged(ToggleSwitch& control);

    void changeTopAndSignalView();
    void changeSignalAdjustViewByPosition(int position);
    void controlWIFITimeContainer(bool show);
    void addWIFIStartTimeView();
    void addWIFIFiishTimeView();
    void placeTimeRows();
    void strechScrollView();
    ui::ViewPtr createCommonCellView(const cg::Rect& frame, bool addTopLine, bool addBottomLine, bool topLineAddMargin,
                                     bool bottomLineAddMargin);
    void addLineToBottom(const ui::ViewPtr& row);
    void removeLineFromBottom(const ui::ViewPtr& row);
    ui::ViewPtr makeTimeRow(const std::string& titleKey, bool start);
    void setReadyState(int type);
    void checkAllTimerState();
    void updateTimeLB();
    void animateCirlceWithPercent(float percent);
    void stopCircle();
    void startFlashingUsingMaskImage(const std::string& imageName);
    void restoreMainImageAnimation();
    void showError(const std::string& text);
    void closePicker();

    std::optional<ns::Date> startDate_;
    std::optional<ns::Date> finishDate_;
    float wifiPowerPercent_ = 100;
    float oldWifiPowerPercent_ = 100;
    bool openStateReady_ = false;
    bool closeStateReady_ = false;
    bool hasAddLineInAdjustView_ = false;
    double centerViewHeight_ = 343;
    double tipViewMargin_ = 20;
    double centerViewYPosition_ = 0;
    cg::Size circleSize_ = cg::SizeMake(180, 180);
    std::string currentFlightImageStr_;

    TAVOGradientViewPtr centerView_;
    ui::ImageViewPtr mainImageView_;
    ui::ViewPtr percentContainer_;
    ui::LabelPtr percentLB_;
    ui::LabelPtr centerTipLB_;
    std::shared_ptr<TAVOCircleAngleView> centerCircleView_;
    std::shared_ptr<ui::ScrollView> bottomScrollView_;
    ui::ViewPtr signalSwitchContainer_;
    ToggleSwitchPtr signalSwitchControl_;
    TAVOSignalAdjustingControlViewPtr signalAdjustView_;
    ui::ViewPtr timeSwitchContainer_;
    ToggleSwitchPtr timeSwitchControl_;
    ui::ViewPtr startContainer_;
    ui::ViewPtr finishContainer_;
    ui::LabelPtr startTimeLB_;
    ui::LabelPtr finishTimeLB_;
    TAVODatePickerViewControllerPtr datePickerController_;
    PopoverControllerPtr popoverController_;
    TAVOHelpsViewPtr helpsView_;
    ns::ScopedObserver becameActive_;
};

using TAVOHealthModeViewControllerPtr = std::shared_ptr<TAVOHealthModeViewController>;
