#include "screens/wifi/TAVOWIFIDoorViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/ui/ImageView.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/records/TAVOWIFITime.h"
#include "protocol/requests/catalogue/TAVORouterCloseWIFITimerRequest.h"
#include "protocol/requests/catalogue/TAVORouterGetWIFITimeRequest.h"
#include "protocol/requests/catalogue/TAVORouterSetWIFITimeRequest.h"
#include "protocol/requests/catalogue/TAVORouterWIFIWorkControlRequest.h"
#include "screens/wifi/TAVOHealthModeViewController.h"

namespace {

constexpr const char* kInitialOpen = "09:00";
constexpr const char* kInitialClose = "23:00";
constexpr const char* kFallbackOpen = "06:00";
constexpr const char* kFallbackClose = "23:00";
constexpr double kWaveHeight = 200;
constexpr double kWaveExtraTall = 100;
constexpr int kWaveCount = 5;
constexpr int kLoadRadiusExtraTall = 80;
constexpr int kRadiusExtraTall = 40;
constexpr int kRadiusExtraShort = 20;
constexpr double kCaptionHeight = 24;
constexpr double kCaptionGap = 8;
constexpr double kRowsTop = 20;
constexpr double kPickerHeight = 380;
constexpr double kPickerDrop = 80;

ui::Color green() { return ui::Color::rgb255(10, 167, 75); }

// The type a timer answer was for, from the parameters it was sent with; 0 when unknown.
int answeredType(const ns::Dictionary& userInfo) { return userInfo["param"]["type"].intValue(); }

}  // namespace

std::shared_ptr<TAVOWIFIDoorViewController> TAVOWIFIDoorViewController::create() {
    auto screen = make<TAVOWIFIDoorViewController>();
    screen->hidesBottomBarWhenPushed = true;
    return screen;
}

void TAVOWIFIDoorViewController::viewDidLoad() {
    TAVOWIFIViewControler::viewDidLoad();
    hidesBottomBarWhenPushed = true;
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleDarkBackArrow);
    navBar()->setTitle(TAVOLocalizedString("WIFI door"));

    const bool tall = TAVOCommonUtility::is4InchScreen();
    const double w = view()->bounds().size.width;
    const double h = view()->bounds().size.height;
    const double top = navBar()->frame().size.height + navBar()->frame().origin.y;
    const double waveHeight = kWaveHeight + (tall ? kWaveExtraTall : 0);
    waveView_ = TAVOWaveView::create(cg::RectMake(0, top, w, waveHeight));
    waveView_->setBackgroundColor(ui::Color::clearColor());
    view()->addSubview(waveView_);
    startAnimation(true);

    auto self = this->self<TAVOWIFIDoorViewController>();
    doorButton_ = ui::Button::create();
    doorButton_->setBackgroundImage(ui::Image::imageNamed("bg_wifi_close_btn_appcenter"), ui::ControlStateNormal);
    doorButton_->setBackgroundImage(ui::Image::imageNamed("bg_wifi_close_btn_press_appcenter"), ui::ControlStateHighlighted);
    const auto image = ui::Image::imageNamed("bg_wifi_close_btn_appcenter");
    const cg::Size size = image ? image->size() : cg::SizeMake(120, 120);
    doorButton_->setFrame(cg::RectMake((w - size.width) / 2, top + (waveHeight - size.height) / 2 - kCaptionHeight / 2,
                                       size.width, size.height));
    doorButton_->addTarget(self, &TAVOWIFIDoorViewController::changeDoor, "changeDoor", ui::ControlEventTouchUpInside);
    view()->addSubview(doorButton_);

    doorIntroduceLabel_ = ui::Label::create(cg::RectMake(0, cg::RectGetMaxY(doorButton_->frame()) + kCaptionGap, w, kCaptionHeight));
    doorIntroduceLabel_->setTextAlignment(ui::TextAlignment::Center);
    doorIntroduceLabel_->setTextColor(ui::Color::white(0.2));
    view()->addSubview(doorIntroduceLabel_);

    const double greyTop = top + waveHeight;
    auto grey = ui::View::create(cg::RectMake(0, greyTop, w, h - greyTop));
    grey->setBackgroundColor(ui::Color::rgb255(250, 250, 250));
    view()->addSubview(grey);
    openWIFICell_ = makeRow(greyTop + kRowsTop, true);
    closeWIFICell_ = makeRow(greyTop + kRowsTop + kRowHeight, false);
    closeWIFICell_->topLine()->setHidden(true);

    TAVORequestAnswers::listen<TAVORouterWIFIWorkControlRequest>(
        self,
        [this](const ns::Value&, const ns::Dictionary&) {
            dismissToast();
            wifiOpen_ = newState_;
            updateView();
        },
        [this](const TAVOErrorPtr& error, const ns::Dictionary&) { showError(getErrMsgFromObject(error)); });
    TAVORequestAnswers::listen<TAVORouterGetWIFITimeRequest>(
        self,
        [this](const ns::Value& result, const ns::Dictionary&) {
            dismissToast();
            auto timer = result.isObject() ? result.as<TAVOWIFITime>() : nullptr;
            if (!timer) return;
            // A reading only ever switches a row on.
            if (timer->isOpenWork) openWIFICell_->switchControl()->setOn(true);
            if (auto open = TAVOCommonUtility::getDateFromString(timer->openTime.isString() ? timer->openTime.stringValue() : ""))
                openTimer_ = open;
            if (timer->isCloseWork) closeWIFICell_->switchControl()->setOn(true);
            if (auto close = TAVOCommonUtility::getDateFromString(timer->closeTime.isString() ? timer->closeTime.stringValue() : ""))
                closeTimer_ = close;
            updateView();
        },
        [this](const TAVOErrorPtr& error, const ns::Dictionary&) { showError(getErrMsgFromObject(error)); });
    TAVORequestAnswers::listen<TAVORouterSetWIFITimeRequest>(
        self,
        [this](const ns::Value&, const ns::Dictionary& userInfo) {
            setTimerOK(answeredType(userInfo), userInfo["param"]["time"].stringValue());
        },
        [this](const TAVOErrorPtr& error, const ns::Dictionary& userInfo) {
            showError(getErrMsgFromObject(error));
            revertRow(answeredType(userInfo));
            updateView();
        });
    TAVORequestAnswers::listen<TAVORouterCloseWIFITimerRequest>(
        self,
        [this](const ns::Value&, const ns::Dictionary& userInfo) {
            dismissToast();
            rowSettled(answeredType(userInfo));
            updateView();
        },
        [this](const TAVOErrorPtr& error, const ns::Dictionary& userInfo) {
            showError(getErrMsgFromObject(error));
            revertRow(answeredType(userInfo));
            updateView();
        });

    openTimer_ = TAVOCommonUtility::getDateFromString(kInitialOpen);
    closeTimer_ = TAVOCommonUtility::getDateFromString(kInitialClose);
    getWifiTimer();
    updateView();
}

TAVOSwitcherCellViewPtr TAVOWIFIDoorViewController::makeRow(double y, bool open) {
    const double w = view()->bounds().size.width;
    auto row = TAVOSwitcherCellView::create(cg::RectMake(0, y, w, kRowHeight));
    row->setBackgroundColor(ui::Color::whiteColor());
    row->switchControl()->setOn(false);
    auto self = this->self<TAVOWIFIDoorViewController>();
    row->setDelegate(self);
    auto tapArea = ui::Button::create(cg::RectMake(0, 0, kTapWidth, kRowHeight));
    tapArea->addTarget(self, open ? &TAVOWIFIDoorViewController::openWIFICellTimerSetting
                                  : &TAVOWIFIDoorViewController::closeWIFICellTimerSetting,
                       "timerSetting", ui::ControlEventTouchUpInside);
    row->addSubview(tapArea);
    view()->addSubview(row);
    // The switch takes its place at the row's right end now, beside the tap area.
    row->setNeedsLayout();
    row->layoutIfNeeded();
    return row;
}

void TAVOWIFIDoorViewController::startAnimation(bool atLoad) {
    const bool tall = TAVOCommonUtility::is4InchScreen();
    const double w = waveView_->bounds().size.width;
    const double h = waveView_->bounds().size.height;
    const int extra = tall ? (atLoad ? kLoadRadiusExtraTall : kRadiusExtraTall) : kRadiusExtraShort;
    waveView_->startAnimation(kWaveCount, true, cg::PointMake(w / 2, h / 2), static_cast<int>(w / 2 + extra), 0);
}

void TAVOWIFIDoorViewController::updateView() {
    if (wifiOpen_) {
        doorIntroduceLabel_->setText(TAVOLocalizedString("close"));
        doorIntroduceLabel_->setTextColor(ui::Color::white(0.2));
        if (!waveView_->isAnimating()) startAnimation(false);
    } else {
        doorIntroduceLabel_->setText(TAVOLocalizedString("open"));
        doorIntroduceLabel_->setTextColor(green());
        waveView_->stopAnimation();
    }
    auto title = [](const TAVOSwitcherCellViewPtr& row, const char* key, const std::optional<ns::Date>& date,
                    const char* fallback) {
        std::string time = TAVOHealthModeViewController::getDateString(date);
        if (time.empty()) time = fallback;
        row->settingTitle()->setText(TAVOLocalizedString(key) + "    " + time);
        row->settingTitle()->setTextColor(row->switchControl()->isOn() ? ui::Color::white(0.2) : ui::Color::grayColor());
    };
    title(openWIFICell_, "open wifi time", openTimer_, kFallbackOpen);
    title(closeWIFICell_, "close wifi time", closeTimer_, kFallbackClose);
}

void TAVOWIFIDoorViewController::changeDoor() {
    newState_ = !wifiOpen_;
    if (TAVOAccountManager::shareInstance()->requestWIFIControl(newState_ ? 1 : 0) < 0) showError("");
}

void TAVOWIFIDoorViewController::getWifiTimer() {
    if (TAVOAccountManager::shareInstance()->getWifiTimer() < 0) showError("");
}

void TAVOWIFIDoorViewController::onSwithChanged(ToggleSwitch& control, TAVOSwitcherCellView& cellView) {
    const bool open = &cellView == openWIFICell_.get();
    auto row = open ? openWIFICell_ : closeWIFICell_;
    const std::string time = TAVOHealthModeViewController::getDateString(open ? openTimer_ : closeTimer_);
    operationForCell_ = row;
    if (time.empty()) {
        control.setOn(!control.isOn());
        operationForCell_ = nullptr;
        return;
    }
    switchPending_[open ? 1 : 2] = true;
    if (control.isOn()) setWIFITimer(time, open ? 1 : 2);
    else closeWifiTimer(time, open ? 1 : 2);
}

void TAVOWIFIDoorViewController::setWIFITimer(const std::string& time, int type) {
    const auto token = TAVOAccountManager::shareInstance()->setWifiTimer(ns::Dictionary{{"time", time}, {"type", type}});
    if (token >= 0) {
        showToastAttachToWindow(CustomizedHUDTypeSpinningCircle, TAVOLocalizedString("router setting in progress"), true);
        return;
    }
    showError("");
    revertRow(type);
}

void TAVOWIFIDoorViewController::closeWifiTimer(const std::string& time, int type) {
    const auto token = TAVOAccountManager::shareInstance()->closeWifiTimer(ns::Dictionary{{"time", time}, {"type", type}});
    if (token >= 0) {
        showToastAutoDismiss(CustomizedHUDTypeSpinningCircle, TAVOLocalizedString("router setting in progress"), false);
        return;
    }
    showError("");
    revertRow(type);
}

TAVOSwitcherCellViewPtr TAVOWIFIDoorViewController::rowOfType(int type) const {
    return type == 1 ? openWIFICell_ : type == 2 ? closeWIFICell_ : nullptr;
}

void TAVOWIFIDoorViewController::revertRow(int type) {
    // Only a row whose own switch change was refused goes back; a refused
    // picker time leaves every switch as it is.
    auto row = rowOfType(type);
    if (row && switchPending_[static_cast<std::size_t>(type)])
        row->switchControl()->setOn(!row->switchControl()->isOn(), true);
    rowSettled(type);
}

void TAVOWIFIDoorViewController::rowSettled(int type) {
    auto row = rowOfType(type);
    if (!row) return;
    switchPending_[static_cast<std::size_t>(type)] = false;
    if (operationForCell_ == row) operationForCell_ = nullptr;
}

void TAVOWIFIDoorViewController::setTimerOK(int type, const std::string& time) {
    dismissToast();
    auto row = rowOfType(type);
    if (datePicker_ && row && datePicker_->isOpen() == (type == 1)) {
        // The row shows the time the router took.
        if (auto date = TAVOCommonUtility::getDateFromString(time)) (type == 1 ? openTimer_ : closeTimer_) = date;
        if (popover_) popover_->dismissAnimated(true);
        popover_ = nullptr;
        datePicker_ = nullptr;
    }
    rowSettled(type);
    updateView();
}

void TAVOWIFIDoorViewController::showTimerSettingFor(bool open) {
    const auto& row = open ? openWIFICell_ : closeWIFICell_;
    if (!row->switchControl()->isOn()) return;
    showUIDateTimePicker(open);
}

void TAVOWIFIDoorViewController::showUIDateTimePicker(bool open) {
    const double w = view()->bounds().size.width;
    const double h = view()->bounds().size.height;
    datePicker_ = TAVODatePickerViewController::create();
    datePicker_->setIsOpen(open);
    datePicker_->setDelegate(self<TAVOWIFIDoorViewController>());
    const auto& date = open ? openTimer_ : closeTimer_;
    if (date) datePicker_->setDate(*date);
    popover_ = PopoverController::create(datePicker_);
    popover_->setEventUnableThroughViews({datePicker_->view()});
    popover_->setContentSize(cg::SizeMake(w, kPickerHeight), false);
    popover_->showFromRect(cg::RectMake(0, h + kPickerDrop, w, kPickerHeight), view(), 2, 0);
}

void TAVOWIFIDoorViewController::dateIsSet(const ns::Date& date, TAVODatePickerViewController& picker) {
    // A time from the picker changes no switch, so a refusal has nothing to put back.
    operationForCell_ = nullptr;
    const int type = picker.isOpen() ? 1 : 2;
    setWIFITimer(TAVOHealthModeViewController::getDateString(date), type);
}

void TAVOWIFIDoorViewController::showError(const std::string& text) {
    showToast(CustomizedHUDTypeWarning, text.empty() ? TAVOLocalizedString("fail to set router setting") : text);
}
